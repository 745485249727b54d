// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/acquisition.h"

#include "link/command.h"
#include "link/line_watch.h"
#include "link/status.h"
#include "params/record.h"
#include "platform/graph.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "scope/cursors.h"
#include "scope/loop.h"
#include "scope/recorder.h"
#include "scope/trace_switches.h"
#include "scope/trace_table.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace telvar {

namespace {

using std::chrono::steady_clock;

std::optional<steady_clock::time_point> g_last_shown;  // when the last sample shown came
bool g_stopped = false;  // STOP pressed during this run

// The record breaks: the chart shows it at once, and the next sample joins
// neither the chart's line nor the recording's rows before it.
void break_record()
{
    MarkStripChartGap(panelMAIN, MAIN_STRIPCHART);
    g_last_shown.reset();
}

// The line's name and the controller's version text are Latin-1, the words
// around them UTF-8: the note is all UTF-8, so that the platform shows both.
std::string utf8_of(const std::string& latin1)
{
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size())).toUtf8().toStdString();
}

// A saved picture of the chart names the line and the controller its samples came from.
void note_source()
{
    const LineState& line = line_state();
    const std::string note =
        with_args(tr_text("Scope", "Line: %1, controller: %2"), {utf8_of(line.line), utf8_of(line.version)});
    SetChartPictureNote(panelMAIN, MAIN_STRIPCHART, line.open() ? note.c_str() : "");
}

}  // namespace

void setup_strip_chart()
{
    SetCtrlAttribute(panelMAIN, MAIN_STRIPCHART, ATTR_NUM_TRACES, TRACES);
    strip_history().clear();
    SetStripChartSamples(panelMAIN, MAIN_STRIPCHART, &strip_history());
    SetCtrlAttribute(panelMAIN, MAIN_STRIPCHART, ATTR_POINTS_PER_SCREEN, STRIP_POINTS_PER_SCREEN);
    // The chart draws a sample while the next request is on the line.
    SetCtrlAttribute(panelMAIN, MAIN_STRIPCHART, ATTR_REFRESH_GRAPH, 0);
    for (const TraceLook& look : TRACE_LOOKS) {
        SetTraceAttribute(panelMAIN, MAIN_STRIPCHART, look.trace, ATTR_TRACE_LG_TEXT, look.name);
        SetTraceAttribute(panelMAIN, MAIN_STRIPCHART, look.trace, ATTR_TRACE_SHOWN_TEXT, tr_text("Traces", look.name));
        SetTraceAttribute(panelMAIN, MAIN_STRIPCHART, look.trace, ATTR_TRACE_COLOR, look.colour);
        SetTraceAttribute(panelMAIN, MAIN_STRIPCHART, look.trace, ATTR_TRACE_LINE_STYLE, look.style);
        SetTraceAttribute(panelMAIN, MAIN_STRIPCHART, look.trace, ATTR_TRACE_THICKNESS, trace_thickness(look));
    }
    show_strip_looks();
    CC_RADIO_TRACES(panelMAIN, MAIN_TRACE_CHA, EVENT_COMMIT, nullptr, 0, 0);
    setup_cursors();
}

void SetPanelDATA()
{
    const int displays[] = {MAIN_NUM_EVAL, MAIN_NUM_CHA, MAIN_NUM_CHB, MAIN_NUM_CHA_2ND, MAIN_NUM_CHB_2ND};
    for (int k = 0; k < 5; ++k)
        SetCtrlVal(panelMAIN, displays[k], static_cast<int>(rawdata[k + 1]));
}

std::array<double, TRACES> PlotDATA()
{
    const std::array<double, TRACES> sample = sample_traces(rawdata, parameter);
    SetCtrlAttribute(panelMAIN, MAIN_STRIPCHART, ATTR_POINTS_PER_SCREEN, STRIP_POINTS_PER_SCREEN);
    PlotStripChart(panelMAIN, MAIN_STRIPCHART, sample.data(), TRACES, 0, 0, VAL_DOUBLE);
    return sample;
}

void show_live_sample()
{
    if (stop_flag != 0)
        return;
    const steady_clock::time_point came = live_answer_time();
    const SampleArrival arrival{came, !g_last_shown || came - *g_last_shown > LIVE_GAP};
    g_last_shown = came;
    show_progress(100);
    SetPanelDATA();
    if (arrival.after_gap)
        MarkStripChartGap(panelMAIN, MAIN_STRIPCHART);
    SetStripChartSampleTime(panelMAIN, MAIN_STRIPCHART, seconds_since_epoch(came));
    const std::array<double, TRACES> sample = PlotDATA();
    record_sample(rawdata, sample.data(), arrival);
}

int CC_CMD_RUN(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !begin_loop(MAIN_CMD_RUN, MAIN_STRIPCHART, MAIN_GRAPH))
        return 0;
    g_stopped = false;
    show_strip_looks();
    note_source();
    break_record();
    while (stop_flag == 0) {
        show_progress(0);
        if (!exchange_live_sample())
            break;
        put_status(tr_text("Scope", "Rawdata recieved."));
        show_live_sample();
        show_status();
        // The next exchange handles the operator's events, and draws what
        // was just shown, as soon as its request is written: while the
        // answer is on the wire rather than before the request goes out.
    }
    end_loop(MAIN_CMD_RUN);
    break_record();
    // A run the operator stopped ends its recording now; one the line ended
    // keeps it for when the line is back.
    if (g_stopped)
        stop_recording();
    return 0;
}

int CC_CMD_STOP(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT) {
        raise_stop_flag();
        g_stopped = true;
    }
    return 0;
}

int CC_RADIO_TRACES(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    for (const TraceLook& look : TRACE_LOOKS)
        SetTraceAttribute(panelMAIN, MAIN_STRIPCHART, look.trace, ATTR_TRACE_VISIBLE,
                          switch_on(look.group) && switch_on(look.detail) ? 1 : 0);
    refresh_cursors();
    return 0;
}

}  // namespace telvar
