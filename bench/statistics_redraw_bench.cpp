// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics pane's redraw as the operator waits for it, in the main
// window at 1920 x 1080 (offscreen is fine): the chart's history full (an
// hour), one new sample before each step as RUN brings it, then the step
// timed from refresh_statistics() until the shown tab's widget is painted.
// The computation (refresh_statistics() alone) is timed as a part of it.
//
// Run: QT_QPA_PLATFORM=offscreen build/release/bin/bench_statistics_redraw [--steps N]
#include "bench/bench_rounds.h"
#include "app/startup.h"
#include "app/window_layout.h"
#include "bench/statistics_setup.h"
#include "bench/tool_start.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "stats/statistics_pane.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <vector>

using namespace telvar;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kWarmUpSteps = 50;
constexpr double kGoalP99Ms = 4.0;
// A paint that has not come by then never comes: the step is counted as unpainted.
constexpr qint64 kPaintWaitNs = 1'000'000'000;

double thread_cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + t.tv_nsec / 1e6;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(index, values.size() - 1)];
}

struct Steps {
    std::vector<double> wall_ms;     // from refresh_statistics() to painted
    std::vector<double> compute_ms;  // refresh_statistics() alone
    std::vector<double> cpu_ms;      // the thread's CPU time of the whole step
    long unpainted = 0;
};

Steps time_steps(bench::StatsTab tab, int steps, long long& next)
{
    bench::PaintCounter counter;
    QWidget* drawn = bench::drawn_widget(tab);
    drawn->installEventFilter(&counter);
    Steps times;
    for (int k = 0; k < kWarmUpSteps + steps; ++k) {
        bench::push_sample(next++);
        const long painted = counter.paints;
        const double cpu = thread_cpu_ms();
        QElapsedTimer clock;
        clock.start();
        refresh_statistics();
        const double computed = clock.nsecsElapsed() / 1e6;
        while (counter.paints == painted && clock.nsecsElapsed() < kPaintWaitNs)
            QApplication::processEvents();
        if (k < kWarmUpSteps)
            continue;
        times.wall_ms.push_back(clock.nsecsElapsed() / 1e6);
        times.compute_ms.push_back(computed);
        times.cpu_ms.push_back(thread_cpu_ms() - cpu);
        times.unpainted += counter.paints == painted;
    }
    drawn->removeEventFilter(&counter);
    return times;
}

bool report(const char* what, const Steps& steps)
{
    const std::vector<double>& ms = steps.wall_ms;
    const double p99 = percentile(ms, 0.99);
    const bool met = p99 <= kGoalP99Ms && steps.unpainted == 0;
    std::printf("%s: median %.3f ms, 99th percentile %.3f ms, max %.3f ms (goal: 99th percentile <= %.0f ms: %s)\n"
                "    of it refresh_statistics(): median %.3f ms, 99th percentile %.3f ms; CPU time of the thread: "
                "median %.3f ms; steps not painted: %ld\n",
                what, percentile(ms, 0.5), p99, *std::max_element(ms.begin(), ms.end()), kGoalP99Ms,
                met ? "met" : "NOT MET", percentile(steps.compute_ms, 0.5), percentile(steps.compute_ms, 0.99),
                percentile(steps.cpu_ms, 0.5), steps.unpainted);
    return met;
}

// The main window at the size of a large screen, laid out as its size event lays it out.
void show_large_window()
{
    SetPanelAttribute(panelMAIN, ATTR_WIDTH, kWidth);
    SetPanelAttribute(panelMAIN, ATTR_HEIGHT, kHeight);
    apply_window_layout();
    QApplication::processEvents();
    const QWidget* histogram = ControlWidget(panelSTATS, STATS_HISTOGRAM);
    const QWidget* pane = PanelWidget(panelSTATS);
    std::printf("main window %d x %d, statistics pane %d x %d, histogram %d x %d\n", PanelWidget(panelMAIN)->width(),
                PanelWidget(panelMAIN)->height(), pane->width(), pane->height(), histogram->width(),
                histogram->height());
}

}  // namespace

int main(int argc, char** argv)
{
    if (!bench::start_tool(argc, argv))
        return 1;
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({QStringLiteral("steps"), QStringLiteral("Timed steps of each case (at least 500)."),
                       QStringLiteral("N"), QStringLiteral("1000")});
    options.process(*QCoreApplication::instance());
    const int steps = std::max(500, options.value(QStringLiteral("steps")).toInt());
    try {
        show_main_window();
        long long next = bench::fill_history();
        bench::choose_statistics(100000, bench::StatsTab::Histogram);
        show_large_window();
        std::printf("history of %lld samples; %d steps a case after %d to warm up, one new sample before each\n",
                    next, steps, kWarmUpSteps);
        bool met = report("last 100,000, histogram tab, each step painted",
                          time_steps(bench::StatsTab::Histogram, steps, next));
        bench::choose_statistics(100000, bench::StatsTab::Figures);
        met = report("last 100,000, figures tab, each step painted", time_steps(bench::StatsTab::Figures, steps, next)) &&
              met;
        bench::choose_statistics(1000, bench::StatsTab::Histogram);
        report("last 1,000, histogram tab, each step painted", time_steps(bench::StatsTab::Histogram, steps, next));
        return met ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
}
