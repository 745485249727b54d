// SPDX-License-Identifier: GPL-3.0-or-later
// The status text, through which every operation reports its progress and
// outcome. It shows nothing itself: its observers do, the main window's
// status line among them.
#pragma once

#include "platform/listeners.h"

#include <string>

namespace telvar {

// Room for 127 characters, as the English has always had in 127 bytes,
// also where a translation's characters take up to four bytes each.
inline constexpr int STATUS_SIZE = 512;

// The status text last put (szStatus).
const char* status_text();
// Copies the text into szStatus (cut after 127 characters, never inside a
// UTF-8 character); show_status tells it later.
void put_status(const char* text);
// Tells the observers of szStatus.
void show_status();
// Copies the text into szStatus (cut to fit) and tells it.
void set_status(const char* text);
// Appends the text to szStatus (cut to fit) and tells it.
void append_status(const char* text);

// Who hears every status text, in order. Each observer has a name; setting a
// name again replaces its observer, an empty observer removes it. They are
// told in the order they were first set.
using StatusObserver = Listeners<const char*>::Listener;
void set_status_observer(const std::string& name, StatusObserver observer);

// While it lives, the status text stays as it is for the texts of the code
// that holds it: they are held back, to be told in their order by
// show_held(), or dropped when the hold ends without it. What runs from an
// event handled meanwhile (a click refused as busy, a print) tells its texts
// as always. For what may fail again and again with nobody at the screen,
// such as the attempts to reopen a lost line.
class StatusHold {
public:
    StatusHold();
    ~StatusHold();
    StatusHold(const StatusHold&) = delete;
    StatusHold& operator=(const StatusHold&) = delete;
    // Ends the hold and tells what it held.
    void show_held();
};

}  // namespace telvar
