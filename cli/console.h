// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal as the place the shared modules report to: a failure's
// status text and the link's notices become lines on standard error, each
// after the program's name; a command's results and status lines go to
// standard output.
#pragma once

#include <string>

namespace telvar::cli {

// The program's name, in front of every line on standard error.
inline constexpr const char* PROGRAM_PREFIX = "telvar-k20: ";

// From now on the modules' status texts are kept for the command, and the
// link's notices are written to standard error as "TITLE: text".
void route_to_console();
// The status text the shared modules told last, and forgetting it.
const std::string& last_status();
void forget_status();
// -q: from now on status lines are left out.
void set_quiet(bool quiet);

// A line of the command's result on standard output, out at once.
void say(const std::string& text);
// A line that reports a step done ("Reseting data ... Success!"), as say,
// unless -q was given.
void tell(const std::string& text);
// The text on standard output as it is; false when it could not be written.
bool put_out(const std::string& text);
// Why any of the above could not be written, as a closed pipe or a full
// disk took what the command had to say; empty while all was written.
const std::string& output_failure();
// A message on standard error, each of its lines after the program's name.
void note(const std::string& text);
// A line on standard error, after the program's name; `code` back, to end
// the command with.
int fail(int code, const std::string& text);

// A command line that was refused: the error, and where help is;
// EXIT_USAGE back.
int fail_usage(const std::string& error);

// The end of a command that a signal stopped: "Interrupted." and what it
// left, if anything, on standard error; the signal's exit code back.
int fail_interrupted(const std::string& what_is_left = {});

// The line the link's status texts are about from now on, as the operator
// knows it ("COM65 /tmp/ttyTELVAR0"): every failure names it.
void name_the_line(const std::string& line);
const std::string& named_line();
// The status text of the failure that ended the command, with the line and
// what to do, on standard error; EXIT_LINK back.
int fail_with_status();

}  // namespace telvar::cli
