// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_check.h"

#include "link/com232.h"
#include "link/command.h"
#include "link/link_events.h"
#include "link/orders.h"
#include "link/status.h"
#include "platform/translation.h"

#include <algorithm>
#include <cstring>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
char szVersion[VERSION_TEXT_SIZE];
}  // namespace state

const char (&szVersion)[VERSION_TEXT_SIZE] = state::szVersion;

namespace {

inline constexpr std::size_t STATUS_VERSION_CHARS = 35;

int show_check(int good, const char* text)
{
    report_link_event(good ? LinkEvent::CommandsUsable : LinkEvent::CommandsStopped);
    set_status(text);
    return good;
}

// The answer is plain text from byte 0; the bytes past it are zero.
void show_version()
{
    const char* text = reinterpret_cast<const char*>(szReadBuf);
    const std::size_t length = strnlen(text, frame::kBytes);
    const std::size_t kept = std::min(length, sizeof szVersion - 1);
    std::memcpy(state::szVersion, text, kept);
    state::szVersion[kept] = '\0';
    const std::size_t shown = std::min(length, STATUS_VERSION_CHARS);
    set_status(std::string(text, shown).c_str());
}

}  // namespace

// Has texts of its own and leaves stop_flag alone.
int CheckComLine()
{
    const Command check{.order = ORDER_LINE_CHECK, .answer = emptyframe_answer(), .expects_ack = true};
    switch (const CommandOutcome outcome = exchange_command(check)) {
    case CommandOutcome::Answered:
        return show_check(1, tr_text("Line", "Connection found. Line OK."));
    case CommandOutcome::ConnectionLost:
        return show_check(0, tr_text("Line", "Error! No connection found."));
    case CommandOutcome::NotAcknowledged:
        return show_check(0, tr_text("Line", "Answer incorrect. Check Sensor."));
    case CommandOutcome::EchoIncorrect:
        return 0;
    case CommandOutcome::Refused:
        report_command_outcome(check, outcome);
        return 0;
    }
    return 0;
}

// The version text has no sync word, so the answer is not decoded.
int GetVERSIONInfo()
{
    const Command query{.order = ORDER_VERSION};
    const CommandOutcome outcome = exchange_command(query);
    if (outcome == CommandOutcome::Refused) {
        report_command_outcome(query, outcome);
        return 0;
    }
    if (outcome == CommandOutcome::ConnectionLost) {
        report_link_event(LinkEvent::CommandsStopped);
        set_status(tr_text("Line", CONNECTION_LOST_TEXT));
        return 0;
    }
    report_link_event(LinkEvent::CommandsUsable);
    show_version();
    return 1;
}

}  // namespace telvar
