// The terminal as the shared modules' status line and pop-ups: without
// windows, a failure's status text and every pop-up become lines on
// standard error, and a command's results lines on standard output.
#pragma once

#include <string>

namespace telvar::cli {

// From now on every pop-up is written to standard error as "TITLE: text"
// and every file dialog is cancelled.
void route_to_console();

// A line on standard output, out at once.
void say(const std::string& text);
// A line on standard error.
void note(const std::string& text);
// A line on standard error; `code` back, to end the command with.
int fail(int code, const std::string& text);
// The status text of the failure that ended the command, on standard
// error; EXIT_LINK back.
int fail_with_status();

}  // namespace telvar::cli
