// SPDX-License-Identifier: GPL-3.0-or-later
// The line to the controller as the operator should see it: which line is
// open and has passed its check, and the controller's version text. The link
// reports every change here; the main window's connection indicator and the
// reconnection follow it.
#pragma once

#include <functional>
#include <string>

namespace telvar {

enum class LineCondition {
    Closed,   // no line open
    Open,     // open and passed its line check
    Lost,     // the open line went away without the operator closing it
    Waiting,  // lost, and waited for to come back
};

struct LineState {
    LineCondition condition = LineCondition::Closed;
    std::string line;      // "TCP 127.0.0.1:10001" or "COM65 /tmp/ttyTELVAR0"
    std::string version;   // the controller's version text, when open
    bool open() const { return condition == LineCondition::Open; }
};

using LineObserver = std::function<void(const LineState& state)>;
// Each observer has a name; setting a name again replaces its observer, an
// empty observer removes it. They are told in the order they were first set.
void set_line_observer(const std::string& name, LineObserver observer);

// The state the link reported last.
const LineState& line_state();
// The line as a saved file names it: "TCP 127.0.0.1:10001", "Lost: ...",
// "Lost, waiting for ..." or "Not connected". English whatever the window's
// language, as the files read back by people and programs elsewhere.
std::string line_description(const LineState& state);
// The same in the window's language, for what the operator reads (the report).
std::string shown_line_description(const LineState& state);

// The link's reports: a line opened and checked, closed, or gone by itself.
void report_line_open(const std::string& line, const std::string& version);
void report_line_closed();
void report_line_lost(const std::string& line);
void report_line_waiting(const std::string& line);

}  // namespace telvar
