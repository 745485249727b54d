// The line to the controller as the operator should see it: which line is
// open and has passed its check, and the controller's version text. The link
// reports every change here; the main window's connection indicator shows it.
#pragma once

#include <functional>
#include <string>

namespace telvar {

struct LineState {
    bool open = false;     // open and passed its line check
    std::string line;      // "TCP 127.0.0.1:10001" or "COM65 /tmp/ttyTELVAR0"
    std::string version;   // the controller's version text
};

using LineObserver = std::function<void(const LineState& state)>;
void set_line_observer(LineObserver observer);

// The link's reports: a line opened and checked, or no line open any more.
void report_line_open(const std::string& line, const std::string& version);
void report_line_closed();

}  // namespace telvar
