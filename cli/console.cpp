// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/console.h"

#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/line_failure.h"
#include "link/link_events.h"
#include "link/status.h"
#include "platform/events.h"
#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace telvar::cli {

namespace {

bool g_quiet = false;
// Why standard output refused a write; empty while it took every one.
std::string g_output_failure;
std::string g_line;
std::string g_status;  // the status text the modules told last

// Pop-up texts break their lines with CR LF; a terminal needs LF alone.
std::string without_returns(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

bool write_out(std::FILE* stream, const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written;
}

// Each line after the program's name, so that every line of a message
// tells whose it is.
std::string with_prefix(const std::string& text)
{
    const std::string lines = without_returns(text);
    std::string prefixed = PROGRAM_PREFIX;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        prefixed += lines[k];
        if (lines[k] == '\n' && k + 1 < lines.size())
            prefixed += PROGRAM_PREFIX;
    }
    return prefixed;
}

}  // namespace

void route_to_console()
{
    set_status_observer("console", [](const char* text) { g_status = text; });
    set_link_observer("console", [](const LinkEvent& event) {
        if (event == LinkEvent::HungUp || event == LinkEvent::HungUpWaiting)
            note(std::string(HANG_UP_TITLE) + ": " + HANG_UP_TEXT);
    });
}

void set_quiet(bool quiet)
{
    g_quiet = quiet;
}

void say(const std::string& text)
{
    put_out(without_returns(text) + "\n");
}

void tell(const std::string& text)
{
    if (!g_quiet)
        say(text);
}

bool put_out(const std::string& text)
{
    if (write_out(stdout, text))
        return true;
    if (g_output_failure.empty())
        g_output_failure = ErrorReason(errno);
    return false;
}

const std::string& output_failure()
{
    return g_output_failure;
}

void note(const std::string& text)
{
    write_out(stderr, with_prefix(text) + "\n");
}

int fail(int code, const std::string& text)
{
    note(text);
    return code;
}

int fail_usage(const std::string& error)
{
    note(error);
    write_out(stderr, "Try 'telvar-k20 --help'.\n");
    return EXIT_USAGE;
}

int fail_interrupted(const std::string& what_is_left)
{
    return fail(interrupt_exit_code(), what_is_left.empty() ? "Interrupted." : "Interrupted; " + what_is_left + ".");
}

const std::string& last_status()
{
    return g_status;
}

void forget_status()
{
    g_status.clear();
}

void name_the_line(const std::string& line)
{
    g_line = line;
}

const std::string& named_line()
{
    return g_line;
}

// A hang-up the link noticed during the failed exchange is announced by a
// queued event: it is let through first, so that its pop-up precedes the
// failure's text, as on the screen.
int fail_with_status()
{
    const std::string text = g_status;
    ProcessSystemEvents();
    return fail(EXIT_LINK, line_failure_text(text, g_line));
}

}  // namespace telvar::cli
