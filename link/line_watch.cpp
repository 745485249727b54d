// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_watch.h"

#include "platform/listeners.h"

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

std::string line_description(const LineState& state)
{
    switch (state.condition) {
    case LineCondition::Open: return state.line;
    case LineCondition::Lost: return "Lost: " + state.line;
    case LineCondition::Waiting: return "Lost, waiting for " + state.line;
    case LineCondition::Closed: break;
    }
    return "Not connected";
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
