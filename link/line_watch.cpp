// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_watch.h"

#include "platform/listeners.h"
#include "platform/translation.h"

namespace telvar {

namespace {

Listeners<LineState> g_observers;
LineState g_state;

void report(const LineState& state)
{
    g_state = state;
    g_observers.tell(state);
}

}  // namespace

void set_line_observer(const std::string& name, LineObserver observer)
{
    g_observers.set(name, std::move(observer));
}

const LineState& line_state()
{
    return g_state;
}

namespace {

// `say` gives a text of this file in the language wanted.
std::string describe_line(const LineState& state, const char* (*say)(const char* text))
{
    switch (state.condition) {
    case LineCondition::Open: return state.line;
    case LineCondition::Lost: return with_args(say(TR_NOOP("Line", "Lost: %1")), {state.line});
    case LineCondition::Waiting: return with_args(say(TR_NOOP("Line", "Lost, waiting for %1")), {state.line});
    case LineCondition::Closed: break;
    }
    return say(TR_NOOP("Line", "Not connected"));
}

}  // namespace

std::string line_description(const LineState& state)
{
    return describe_line(state, [](const char* text) { return text; });
}

std::string shown_line_description(const LineState& state)
{
    return describe_line(state, [](const char* text) { return tr_text("Line", text); });
}

void report_line_open(const std::string& line, const std::string& version)
{
    report(LineState{LineCondition::Open, line, version});
}

void report_line_closed()
{
    report(LineState{});
}

void report_line_lost(const std::string& line)
{
    report(LineState{LineCondition::Lost, line, {}});
}

void report_line_waiting(const std::string& line)
{
    report(LineState{LineCondition::Waiting, line, {}});
}

}  // namespace telvar
