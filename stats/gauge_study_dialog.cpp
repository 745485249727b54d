// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/gauge_study_dialog.h"

#include "link/command.h"
#include "link/line_watch.h"
#include "params/record.h"
#include "platform/events.h"
#include "platform/graph.h"
#include "platform/looks.h"
#include "platform/timers.h"
#include "platform/translation.h"
#include "scope/live_sample.h"
#include "scope/trace_table.h"
#include "stats/channel_values.h"
#include "stats/mark_colours.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numeric>

namespace telvar {

namespace {

constexpr int READINGS_COLOUR = 0x0050C0;

struct Taking {
    int channel = 0;
    double reference = 0;
    double tolerance = 0;
    int wanted = 0;
    long long from = 0;  // the first sample of the history that is a reading
    bool started_run = false;
    bool run_seen = false;  // RUN ran since the start
    int timer = 0;
};

std::optional<Taking> g_taking;
std::optional<GaugeStudyRecord> g_last;

void say(const std::string& text)
{
    SetCtrlVal(panelGAUGE, GAUGE_STATE, text.c_str());
}

// The channel's reference and the width between its limits, as the record has them.
void take_defaults(int channel)
{
    const std::array<double, TRACES> traces = sample_traces(rawdata, parameter);
    const StatChannel& c = STAT_CHANNELS[channel];
    SetCtrlVal(panelGAUGE, GAUGE_REFERENCE, static_cast<int>(traces[c.reference - 1]));
    SetCtrlVal(panelGAUGE, GAUGE_TOLERANCE, std::max(1, static_cast<int>(traces[c.upper - 1] - traces[c.lower - 1])));
}

void horizontal(int count, double y, int colour)
{
    const double xs[] = {1, static_cast<double>(count)};
    const double ys[] = {y, y};
    PlotXY(panelGAUGE, GAUGE_RUN_CHART, xs, ys, 2, VAL_DOUBLE, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT, VAL_DASH, 1,
           colour);
}

// The readings in the order taken, against the reference and the band of
// 10 % of the tolerance around it that Cgk judges the bias by.
void draw_run_chart(const GaugeStudyRecord& study)
{
    DeleteGraphPlot(panelGAUGE, GAUGE_RUN_CHART, -1, VAL_DELAYED_DRAW);
    const int count = static_cast<int>(study.readings.size());
    std::vector<double> numbers(study.readings.size());
    std::iota(numbers.begin(), numbers.end(), 1.0);
    PlotXY(panelGAUGE, GAUGE_RUN_CHART, numbers.data(), study.readings.data(), count, VAL_DOUBLE, VAL_DOUBLE,
           VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 1, READINGS_COLOUR);
    horizontal(count, study.reference, REFERENCE_COLOUR);
    horizontal(count, study.reference + 0.1 * study.tolerance, LIMIT_COLOUR);
    horizontal(count, study.reference - 0.1 * study.tolerance, LIMIT_COLOUR);
}

// What the study uses stays as it is while it takes its readings.
void lock_fields(bool locked)
{
    for (int control : {GAUGE_CHANNEL, GAUGE_REFERENCE, GAUGE_TOLERANCE, GAUGE_READINGS, GAUGE_START})
        SetCtrlAttribute(panelGAUGE, control, ATTR_DIMMED, locked);
}

void stop_looking()
{
    if (g_taking && g_taking->timer != 0)
        DiscardTimer(g_taking->timer);
    const bool stop_run = g_taking && g_taking->started_run && stop_flag == 0;
    g_taking.reset();
    lock_fields(false);
    if (stop_run)
        PostDeferredCall([] { CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0); });
}

void finish(std::vector<double> readings)
{
    const Taking& t = *g_taking;
    GaugeStudyRecord study{STAT_CHANNELS[t.channel].label, t.reference, t.tolerance, std::move(readings), {}};
    study.result = compute_gauge_study(study.readings, study.reference, study.tolerance);
    say(gauge_study_verdict(study.result));
    draw_run_chart(study);
    g_last = std::move(study);
    stop_looking();
}

// Each look takes the samples RUN brought since the last.
void look()
{
    if (!g_taking)
        return;
    std::vector<LimitedValue> taken;
    channel_values(yArray(), STAT_CHANNELS[g_taking->channel], g_taking->from, yArray().end(), &taken);
    std::vector<double> readings;
    for (const LimitedValue& v : taken)
        readings.push_back(v.value);
    if (static_cast<int>(readings.size()) >= g_taking->wanted) {
        readings.resize(static_cast<std::size_t>(g_taking->wanted));
        finish(std::move(readings));
        return;
    }
    g_taking->run_seen = g_taking->run_seen || stop_flag == 0;
    // RUN ended (STOP, a failure) after it ran, or was not running when the study began.
    if (stop_flag != 0 && (g_taking->run_seen || !g_taking->started_run)) {
        say(with_args(tr_text("GaugeStudy", "Stopped after %1 of %2 readings: RUN ended. Take the readings again."),
                      {std::to_string(readings.size()), std::to_string(g_taking->wanted)}));
        stop_looking();
        return;
    }
    say(with_args(tr_text("GaugeStudy", "%1 of %2 readings"),
                  {std::to_string(readings.size()), std::to_string(g_taking->wanted)}));
}

// RUN's button runs the loop until it ends: when it returns, RUN is over,
// whether it stopped, failed or never started, and the study ends with it.
void run_for_the_study()
{
    CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0);
    if (!g_taking)
        return;
    g_taking->run_seen = true;
    look();
}

}  // namespace

void open_gauge_study(int channel)
{
    if (!g_taking) {
        SetCtrlVal(panelGAUGE, GAUGE_CHANNEL, channel);
        take_defaults(channel);
    }
    DisplayPanel(panelGAUGE);
    SetActivePanel(panelGAUGE);
}

const std::optional<GaugeStudyRecord>& last_gauge_study()
{
    return g_last;
}

int CC_GAUGE_CHANNEL(int panel, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    int channel = 0;
    GetCtrlVal(panel, control, &channel);
    take_defaults(channel);
    return 0;
}

int CC_GAUGE_START(int panel, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || g_taking)
        return 0;
    if (stop_flag != 0 && !line_state().open()) {
        say(tr_text("GaugeStudy", "No line to the controller: CONNECT first."));
        return 0;
    }
    Taking t;
    GetCtrlVal(panel, GAUGE_CHANNEL, &t.channel);
    int reference = 0;
    int tolerance = 0;
    GetCtrlVal(panel, GAUGE_REFERENCE, &reference);
    GetCtrlVal(panel, GAUGE_TOLERANCE, &tolerance);
    GetCtrlVal(panel, GAUGE_READINGS, &t.wanted);
    t.reference = reference;
    t.tolerance = tolerance;
    t.from = yArray().end();
    // The readings are RUN's samples: a study that finds RUN stopped starts it, and stops it when done.
    t.started_run = stop_flag != 0;
    t.timer = NewRepeatingTimer(GAUGE_LOOK_S, look);
    g_taking = t;
    lock_fields(true);
    DeleteGraphPlot(panelGAUGE, GAUGE_RUN_CHART, -1, VAL_DELAYED_DRAW);
    say(with_args(tr_text("GaugeStudy", "%1 of %2 readings"), {"0", std::to_string(t.wanted)}));
    if (t.started_run)
        PostDeferredCall(run_for_the_study);
    return 0;
}

int CC_GAUGE_CLOSE(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    if (g_taking)
        say("");
    stop_looking();
    HidePanel(panelGAUGE);
    return 0;
}

int CC_PANEL_GAUGE(int, int event, void*, int, int)
{
    if (event == EVENT_CLOSE)
        return CC_GAUGE_CLOSE(panelGAUGE, GAUGE_CLOSE, EVENT_COMMIT, nullptr, 0, 0);
    return 0;
}

}  // namespace telvar
