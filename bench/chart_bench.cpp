// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart as the live display drives it, on a chart of 1920 x 1080
// pixels: 18 traces, 100 points per screen, one sample of 18 values plotted
// a call.
//
// Following: each PlotStripChart call is timed with its redraw; a paint
// counter checks that the chart was painted inside every call, not later
// from the event loop. Looking back: an hour of samples is fed as fast as the
// chart takes them, the resident memory read before and after; then the
// chart is zoomed out to the whole hour and each redraw is timed, standing
// and while a drag pans it; then the same drag over three quarters of the
// hour, whose columns each hold about half a period of the test wave, the
// most a column can cover of it. Each step's wall time is reported, and the
// CPU time the thread spent on it.
//
// Run: QT_QPA_PLATFORM=offscreen build/release/bin/bench_chart [--calls N] [--samples N]
#include "bench/bench_rounds.h"
#include "bench/resident_memory.h"
#include "platform/events.h"
#include "platform/graph.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "scope/strip_store.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using namespace telvar;

constexpr int kTraces = 18;
constexpr int kPointsPerScreen = 100;
constexpr int kWarmUpCalls = 100;
constexpr int kRedraws = 300;
constexpr int kPanSteps = 300;
constexpr double kGoalFollowP99Ms = 3.0;
constexpr double kGoalLookBackP99Ms = 16.0;
constexpr double kGoalGrowthMb = 40.0;
constexpr int kChart = 1;

// The chart at the size of a large screen.
const char* const kPanelFile = R"(<ui version="4.0"><class>P</class>
<widget class="QWidget" name="P">
 <property name="geometry"><rect><x>0</x><y>0</y><width>1920</width><height>1080</height></rect></property>
 <property name="resource" stdset="0"><number>1</number></property>
 <widget class="QCustomPlot" name="STRIPCHART">
  <property name="geometry"><rect><x>0</x><y>0</y><width>1920</width><height>1080</height></rect></property>
  <property name="accessibleName"><string>Strip chart</string></property>
  <property name="plotKind" stdset="0"><string>stripchart</string></property>
 </widget>
</widget></ui>)";
const char* const kTraceNames[kTraces] = {
    "A value", "B value", "Evaluation", "A trigger", "A upper", "A reference", "A lower", "B trigger",
    "B upper", "B reference", "B lower", "Eval upper", "Eval reference", "Eval lower", "A second",
    "A third", "B second", "B third",
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
void next_sample(int n, std::vector<double>& sample)
{
    sample.clear();
    for (int t = 0; t < kTraces; ++t) {
        const bool threshold = t >= 3 && t <= 13;
        const double wave = 2048 + 1500 * std::sin((n + 7 * t) * 0.07) + (n * 37 + t * 11) % 97;
        sample.push_back(threshold ? 500 + 250 * (t - 3) : wave);
    }
}

double percentile(std::vector<double> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    const auto index = static_cast<std::size_t>(std::ceil(p * sorted.size())) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

// Steps timed: wall time, and the CPU time the thread spent, which other
// programs on the machine move less.
struct Times {
    std::vector<double> wall_ms;
    std::vector<double> cpu_ms;
};

double thread_cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + t.tv_nsec / 1e6;
}

// Median, 99th percentile and worst of the times, against the goal for the
// 99th percentile of the wall times.
void report_times(const char* what, const Times& times, double goal)
{
    const std::vector<double>& ms = times.wall_ms;
    const double p99 = percentile(ms, 0.99);
    std::printf("%s: median %.3f ms, 99th percentile %.3f ms, max %.3f ms (goal: 99th percentile <= %.1f ms: %s); "
                "CPU time of the thread: median %.3f ms, 99th percentile %.3f ms\n",
                what, percentile(ms, 0.5), p99, *std::max_element(ms.begin(), ms.end()), goal,
                p99 <= goal ? "met" : "missed", percentile(times.cpu_ms, 0.5), percentile(times.cpu_ms, 0.99));
}

// Times the step; false leaves it out of the times.
void time_step(Times& times, const std::function<void()>& step, bool kept = true)
{
    QElapsedTimer clock;
    const double cpu = thread_cpu_ms();
    clock.start();
    step();
    if (!kept)
        return;
    times.wall_ms.push_back(clock.nsecsElapsed() / 1e6);
    times.cpu_ms.push_back(thread_cpu_ms() - cpu);
}

struct Following {
    Times times;
    long calls_painted = 0;
    long paints_outside = 0;  // a paint left queued would draw the chart twice per sample
};

// Sample by sample as the live display plots, each call timed with its redraw.
Following follow_samples(int panel, int calls, std::vector<double>& sample, int& n)
{
    bench::PaintCounter counter;
    ControlWidget(panel, kChart)->installEventFilter(&counter);
    Following run;
    for (int k = 0; k < kWarmUpCalls + calls; ++k, ++n) {
        next_sample(n, sample);
        SetCtrlAttribute(panel, kChart, ATTR_POINTS_PER_SCREEN, kPointsPerScreen);
        const long paints_before = counter.paints;
        time_step(
            run.times, [&] { PlotStripChart(panel, kChart, sample.data(), kTraces, 0, 0, VAL_DOUBLE); },
            k >= kWarmUpCalls);
        if (k >= kWarmUpCalls)
            run.calls_painted += counter.paints > paints_before;
        const long paints_after = counter.paints;
        ProcessSystemEvents();  // as the live loop does once per sample
        if (k >= kWarmUpCalls)
            run.paints_outside += counter.paints - paints_after;
    }
    ControlWidget(panel, kChart)->removeEventFilter(&counter);
    return run;
}

// As fast as the chart takes them, drawn later: the resident memory before, in KiB.
long feed_hour(int panel, int samples, std::vector<double>& sample, int& n)
{
    SetCtrlAttribute(panel, kChart, ATTR_REFRESH_GRAPH, 0);
    const long before = bench::resident_kib();
    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < samples; ++k, ++n) {
        next_sample(n, sample);
        SetCtrlAttribute(panel, kChart, ATTR_POINTS_PER_SCREEN, kPointsPerScreen);
        PlotStripChart(panel, kChart, sample.data(), kTraces, 0, 0, VAL_DOUBLE);
    }
    ProcessSystemEvents();
    const long after = bench::resident_kib();
    std::printf("fed %d samples in %.2f s; resident memory %.1f MB before, %.1f MB after\n", samples,
                clock.nsecsElapsed() / 1e9, before / 1024.0, after / 1024.0);
    return before;
}

void drag(QWidget* plot, QEvent::Type type, const QPoint& at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, plot->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(plot, &event);
}

// Each step of drags over `shown` with its redraw: back by `steps` steps of
// `pixels` and forth again, as often as kPanSteps allows.
Times pan_times(QCustomPlot* plot, const QCPRange& shown, int pixels, int steps)
{
    plot->xAxis->setRange(shown);
    plot->replot(QCustomPlot::rpImmediateRefresh);
    const QPoint middle = plot->axisRect()->rect().center();
    Times times;
    drag(plot, QEvent::MouseButtonPress, middle);
    for (int k = 0; k < kPanSteps; ++k) {
        // A drag to the right brings older samples in.
        const QPoint at = middle + QPoint(pixels * (steps - std::abs(k % (2 * steps) - steps)), 0);
        time_step(times, [&] {
            drag(plot, QEvent::MouseMove, at);
            QApplication::processEvents();  // the drag's queued redraw
        });
    }
    drag(plot, QEvent::MouseButtonRelease, middle);
    return times;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!InitCVIRTE(argc, argv))
        return 1;
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({QStringLiteral("calls"), QStringLiteral("Timed calls following (at least 2000)."),
                       QStringLiteral("N"), QStringLiteral("3000")});
    options.addOption({QStringLiteral("samples"), QStringLiteral("Samples fed for looking back (an hour: 96000)."),
                       QStringLiteral("N"), QStringLiteral("96000")});
    options.process(*QCoreApplication::instance());
    const int calls = std::max(2000, options.value(QStringLiteral("calls")).toInt());
    const int samples = std::max(1000, options.value(QStringLiteral("samples")).toInt());

    QTemporaryDir dir;
    const int panel = load_chart_panel(dir);
    if (panel <= 0) {
        std::fprintf(stderr, "bench_chart: the chart panel does not load (%d)\n", panel);
        return 1;
    }
    DisplayPanel(panel);
    style_traces(panel);
    StripStore kept(kTraces, STRIP_HOUR_SAMPLES);
    SetStripChartSamples(panel, kChart, &kept);
    for (int k = 0; k < 20; ++k)
        WaitEvents(10);
    auto* plot = qobject_cast<QCustomPlot*>(ControlWidget(panel, kChart));

    std::vector<double> sample;
    int n = 0;
    const Following run = follow_samples(panel, calls, sample, n);
    std::printf("strip chart 1920x1080, %d traces, %d points per screen, %d values per call\n", kTraces,
                kPointsPerScreen, kTraces);
    std::printf("following: %d calls timed (after %d warm-up calls), painted inside the call: %ld, paints between "
                "calls: %ld\n",
                calls, kWarmUpCalls, run.calls_painted, run.paints_outside);
    report_times("following, each call with its redraw", run.times, kGoalFollowP99Ms);

    const long resident_before = feed_hour(panel, samples, sample, n);
    // The whole hour kept, from the oldest sample to the newest at x = 99.
    const double newest = kPointsPerScreen - 1;
    plot->xAxis->setRange(newest - std::min(n, samples) + 1, newest);
    Times standing;
    for (int k = 0; k < kRedraws; ++k)
        time_step(standing, [plot] { plot->replot(QCustomPlot::rpImmediateRefresh); });
    report_times("looking back over the whole hour, each redraw", standing, kGoalLookBackP99Ms);

    // A drag over the whole hour moves it by as much as the ring keeps beyond
    // the hour: 20 pixels.
    report_times("panning the whole hour, each drag step with its redraw",
                 pan_times(plot, QCPRange(newest - std::min(n, samples) + 1, newest), 1, 20), kGoalLookBackP99Ms);
    // Three quarters of the hour from an eighth back: up to 200 pixels back.
    const double oldest = newest - std::min(n, samples) + 1;
    report_times("panning three quarters of the hour, each drag step with its redraw",
                 pan_times(plot, QCPRange(oldest + samples / 8.0, oldest + samples * 7 / 8.0), 4, 50),
                 kGoalLookBackP99Ms);
    const double growth = (bench::resident_kib() - resident_before) / 1024.0;
    std::printf("resident memory after the hour and its redraws: %.1f MB more (goal: <= %.0f MB: %s)\n", growth,
                kGoalGrowthMb, growth <= kGoalGrowthMb ? "met" : "missed");

    DiscardPanel(panel);
    return run.calls_painted == calls ? 0 : 1;
}
