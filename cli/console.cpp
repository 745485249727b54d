#include "cli/console.h"

#include "cli/exit_codes.h"
#include "platform/events.h"
#include "platform/modal.h"
#include "ui/status.h"

#include <algorithm>
#include <cstdio>

namespace telvar::cli {

namespace {

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

void say(const std::string& text)
{
    write_line(stdout, text);
}

void note(const std::string& text)
{
    write_line(stderr, text);
}

int fail(int code, const std::string& text)
{
    note(text);
    return code;
}

// A hang-up the link noticed during the failed exchange is announced by a
// queued event: it is let through first, so that its pop-up precedes the
// failure's text, as on the screen.
int fail_with_status()
{
    const std::string text = szStatus;
    ProcessSystemEvents();
    return fail(EXIT_LINK, text);
}

}  // namespace telvar::cli
