// SPDX-License-Identifier: GPL-3.0-or-later
// What the link tells besides its status texts, for whoever shows it: which
// commands may be used, that it is busy connecting, that the server hung up.
// The window makes button groups, the wait cursor and pop-ups of them.
#pragma once

#include "platform/translation.h"

#include <functional>
#include <string>

namespace telvar {

// The window shows them as tr_text("Line", ...); the command-line tool prints them as they stand.
inline constexpr const char* HANG_UP_TITLE = TR_NOOP("Line", "TCP Client");
inline constexpr const char* HANG_UP_TEXT = TR_NOOP("Line", "Server has closed connection!");

enum class LinkEvent {
    CommandsUsable,   // the line passed its check: every command may be used
    CommandsStopped,  // a command failed on the line: none may be used
    LineBack,         // a lost line was opened anew, as by Try and Accept
    Busy,             // connecting: the operator waits
    NotBusy,
    HungUp,           // the TCP server closed the line; nothing reopens it
    HungUpWaiting,    // the TCP server closed the line; it is waited for
};

// Each observer has a name; setting a name again replaces its observer, an
// empty observer removes it. They are told in the order they were first set.
using LinkObserver = std::function<void(const LinkEvent& event)>;
void set_link_observer(const std::string& name, LinkObserver observer);
void report_link_event(LinkEvent event);

}  // namespace telvar
