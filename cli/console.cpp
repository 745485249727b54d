// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/console.h"

#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/line_failure.h"
#include "platform/events.h"
#include "platform/modal.h"
#include "ui/status.h"

#include <algorithm>
#include <cstdio>

namespace telvar::cli {

namespace {

bool g_quiet = false;
std::string g_line;

// Pop-up texts break their lines with CR LF; a terminal needs LF alone.
std::string without_returns(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

void write_line(std::FILE* stream, const std::string& text)
{
    std::fputs((without_returns(text) + "\n").c_str(), stream);
    std::fflush(stream);
}

}  // namespace

void route_to_console()
{
    SetModalHook([](const ModalRequest& request) {
        if (request.kind == ModalKind::Message || request.kind == ModalKind::Notice)
            note(request.title + ": " + request.text);
        return ModalAnswer{};
    });
}

void set_quiet(bool quiet)
{
    g_quiet = quiet;
}

void say(const std::string& text)
{
    write_line(stdout, text);
}

void tell(const std::string& text)
{
    if (!g_quiet)
        say(text);
}

bool put_out(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written;
}

void note(const std::string& text)
{
    write_line(stderr, PROGRAM_PREFIX + text);
}

int fail(int code, const std::string& text)
{
    note(text);
    return code;
}

int fail_interrupted(const std::string& what_is_left)
{
    return fail(interrupt_exit_code(), what_is_left.empty() ? "Interrupted." : "Interrupted; " + what_is_left + ".");
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
    const std::string text = szStatus;
    ProcessSystemEvents();
    return fail(EXIT_LINK, line_failure_text(text, g_line));
}

}  // namespace telvar::cli
