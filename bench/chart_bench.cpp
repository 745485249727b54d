// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the strip chart's redraw as the live display drives it: 18 traces,
// 101 points per screen, the whole history of 1800 values plotted on every
// sample, on a chart of 1280 x 1024 pixels. Each PlotStripChart call is timed
// with its redraw; a paint counter checks that the chart was painted inside
// every call, not later from the event loop.
//
// Run: QT_QPA_PLATFORM=offscreen build/release/bin/bench_chart [--calls N]
#include "platform/events.h"
#include "platform/graph.h"
#include "platform/qt_access.h"
#include "platform/userint.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using namespace telvar;

constexpr int kTraces = 18;
constexpr int kSamples = 100;
constexpr int kPointsPerScreen = 101;
constexpr int kWarmUpCalls = 100;
constexpr double kGoalP99Ms = 2.0;
constexpr int kChart = 1;

// The chart as the main panel holds it, at the size of a large screen.
const char* const kPanelFile = R"(<ui version="4.0"><class>P</class>
<widget class="QWidget" name="P">
 <property name="geometry"><rect><x>0</x><y>0</y><width>1280</width><height>1024</height></rect></property>
 <property name="resource" stdset="0"><number>1</number></property>
 <widget class="QCustomPlot" name="STRIPCHART">
  <property name="geometry"><rect><x>0</x><y>0</y><width>1280</width><height>1024</height></rect></property>
  <property name="accessibleName"><string>Strip chart</string></property>
  <property name="plotKind" stdset="0"><string>stripchart</string></property>
  <property name="plotLegend" stdset="0"><bool>true</bool></property>
 </widget>
</widget></ui>)";

const char* const kTraceNames[kTraces] = {
    "A value", "B value", "Evaluation", "A trigger", "A upper", "A reference", "A lower", "B trigger",
    "B upper", "B reference", "B lower", "Eval upper", "Eval reference", "Eval lower", "A second",
    "A third", "B second", "B third",
};

class PaintCounter : public QObject {
public:
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

int load_chart_panel(const QTemporaryDir& dir)
{
    const QString path = QDir(dir.path()).filePath(QStringLiteral("chart.uir"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(kPanelFile) < 0)
        return UIE_FILE_NOT_READABLE;
    file.close();
    const QByteArray name = path.toLocal8Bit();
    DefinePanelRoles(name.constData(), 1, {{kChart, "STRIPCHART"}});
    return LoadPanel(0, name.constData(), 1);
}

// Measured values move; thresholds are dashed straight lines.
void style_traces(int panel)
{
    SetCtrlAttribute(panel, kChart, ATTR_NUM_TRACES, kTraces);
    for (int t = 1; t <= kTraces; ++t) {
        SetTraceAttribute(panel, kChart, t, ATTR_TRACE_LG_TEXT, kTraceNames[t - 1]);
        const bool threshold = t >= 4 && t <= 14;
        SetTraceAttribute(panel, kChart, t, ATTR_TRACE_LINE_STYLE, threshold ? VAL_DASH : VAL_SOLID);
    }
}

// One sample of the 18 traces, trace 1 first.
void next_sample(int n, std::vector<double>& history)
{
    history.erase(history.begin(), history.begin() + kTraces);
    for (int t = 0; t < kTraces; ++t) {
        const bool threshold = t >= 3 && t <= 13;
        const double wave = 2048 + 1500 * std::sin((n + 7 * t) * 0.07) + (n * 37 + t * 11) % 97;
        history.push_back(threshold ? 500 + 250 * (t - 3) : wave);
    }
}

double percentile(std::vector<double> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    const auto index = static_cast<std::size_t>(std::ceil(p * sorted.size())) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace

int main(int argc, char** argv)
{
    if (!InitCVIRTE(argc, argv))
        return 1;
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({QStringLiteral("calls"), QStringLiteral("Timed calls (at least 2000)."), QStringLiteral("N"),
                       QStringLiteral("3000")});
    options.process(*QCoreApplication::instance());
    const int calls = std::max(2000, options.value(QStringLiteral("calls")).toInt());

    QTemporaryDir dir;
    const int panel = load_chart_panel(dir);
    if (panel <= 0) {
        std::fprintf(stderr, "bench_chart: the chart panel does not load (%d)\n", panel);
        return 1;
    }
    DisplayPanel(panel);
    style_traces(panel);
    for (int k = 0; k < 20; ++k)
        WaitEvents(10);
    PaintCounter counter;
    ControlWidget(panel, kChart)->installEventFilter(&counter);

    std::vector<double> history(kSamples * kTraces, 0.0);
    std::vector<double> ms;
    long calls_painted = 0;
    long paints_outside = 0;  // a paint left queued would draw the chart twice per sample
    for (int n = 0; n < kWarmUpCalls + calls; ++n) {
        next_sample(n, history);
        SetCtrlAttribute(panel, kChart, ATTR_POINTS_PER_SCREEN, kPointsPerScreen);
        const long paints_before = counter.paints;
        QElapsedTimer clock;
        clock.start();
        PlotStripChart(panel, kChart, history.data(), kSamples * kTraces, 0, 0, VAL_DOUBLE);
        const double elapsed = clock.nsecsElapsed() / 1e6;
        if (n >= kWarmUpCalls) {
            ms.push_back(elapsed);
            calls_painted += counter.paints > paints_before;
        }
        const long paints_after = counter.paints;
        ProcessSystemEvents();  // as the live loop does once per sample
        if (n >= kWarmUpCalls)
            paints_outside += counter.paints - paints_after;
    }

    const double median = percentile(ms, 0.5);
    const double p99 = percentile(ms, 0.99);
    std::printf("strip chart 1280x1024, %d traces, %d points per screen, %d values per call\n", kTraces,
                kPointsPerScreen, kSamples * kTraces);
    std::printf("calls timed: %d (after %d warm-up calls), painted inside the call: %ld, paints between calls: %ld\n",
                calls, kWarmUpCalls, calls_painted, paints_outside);
    std::printf("median %.3f ms, 99th percentile %.3f ms, max %.3f ms (goal: 99th percentile <= %.1f ms: %s)\n",
                median, p99, *std::max_element(ms.begin(), ms.end()), kGoalP99Ms,
                p99 <= kGoalP99Ms ? "met" : "missed");
    DiscardPanel(panel);
    return calls_painted == calls ? 0 : 1;
}
