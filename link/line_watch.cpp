// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_watch.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace telvar {

namespace {

std::vector<std::pair<std::string, LineObserver>> g_observers;
LineState g_state;

void report(const LineState& state)
{
    g_state = state;
    // A copy: an observer may set another while it is told.
    const auto observers = g_observers;
    for (const auto& named : observers)
        named.second(state);
}

}  // namespace

void set_line_observer(const std::string& name, LineObserver observer)
{
    const auto it = std::find_if(g_observers.begin(), g_observers.end(),
                                 [&](const auto& named) { return named.first == name; });
    if (!observer) {
        if (it != g_observers.end())
            g_observers.erase(it);
    } else if (it != g_observers.end()) {
        it->second = std::move(observer);
    } else {
        g_observers.emplace_back(name, std::move(observer));
    }
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
