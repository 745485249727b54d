// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/statistics_setup.h"

#include "platform/qt_access.h"
#include "platform/userint.h"
#include "scope/live_sample.h"
#include "scope/strip_store.h"
#include "scope/traces.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QTabWidget>
#include <QTableView>

#include <array>
#include <cmath>
#include <stdexcept>

namespace telvar::bench {

namespace {

// A slow drift with noise around the reference, a few samples beyond each
// limit, so that every figure and both shares have a value.
double measured(long long n, double reference, int phase)
{
    return reference + 300 * std::sin(static_cast<double>(n + phase) * 0.013) +
           static_cast<double>((n * 37 + phase) % 211) - 105;
}

}  // namespace

void push_sample(long long number)
{
    std::array<double, TRACES> sample{};
    sample[TRACE_A - 1] = measured(number, 2000, 0);
    sample[TRACE_A_LOWER - 1] = 1650;
    sample[TRACE_A_UPPER - 1] = 2350;
    sample[TRACE_A_REFERENCE - 1] = 2000;
    sample[TRACE_B - 1] = measured(number, 2500, 50);
    sample[TRACE_B_LOWER - 1] = 2100;
    sample[TRACE_B_UPPER - 1] = 2900;
    sample[TRACE_B_REFERENCE - 1] = 2500;
    sample[TRACE_EVAL - 1] = sample[TRACE_A - 1] - sample[TRACE_B - 1] + 1000;
    sample[TRACE_EVAL_LOWER - 1] = 0;
    sample[TRACE_EVAL_UPPER - 1] = 1000;
    sample[TRACE_EVAL_REFERENCE - 1] = 500;
    // 26.7 samples a second, the controller's line.
    strip_history().push(sample, 1.0e9 + static_cast<double>(number) / 26.7);
}

long long fill_history(long long first)
{
    const auto end = first + static_cast<long long>(strip_history().capacity());
    for (long long n = first; n < end; ++n)
        push_sample(n);
    return end;
}

void choose_statistics(int count, StatsTab tab)
{
    auto* views = PanelWidget(panelSTATS)->findChild<QTabWidget*>(QStringLiteral("VIEWS"));
    if (!views)
        throw std::runtime_error("the statistics pane has no tab widget VIEWS");
    views->setCurrentIndex(static_cast<int>(tab));
    SetCtrlVal(panelSTATS, STATS_WINDOW, 0);
    CallCtrlCallback(panelSTATS, STATS_WINDOW, EVENT_COMMIT, 0, 0);
    SetCtrlVal(panelSTATS, STATS_COUNT, count);
    CallCtrlCallback(panelSTATS, STATS_COUNT, EVENT_COMMIT, 0, 0);
}

QWidget* drawn_widget(StatsTab tab)
{
    QWidget* control = ControlWidget(panelSTATS, tab == StatsTab::Histogram ? STATS_HISTOGRAM : STATS_TABLE);
    auto* table = qobject_cast<QTableView*>(control);
    return table ? table->viewport() : control;
}

}  // namespace telvar::bench
