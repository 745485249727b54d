// SPDX-License-Identifier: GPL-3.0-or-later
// The status line of the main window, through which every operation reports
// its progress and outcome.
#pragma once

#include <functional>

namespace telvar {

inline constexpr int STATUS_SIZE = 128;

extern char szStatus[STATUS_SIZE];

// Copies szStatus onto the status line.
void show_status();
// Copies the text into szStatus (cut to fit); show_status shows it later.
void put_status(const char* text);
// Copies the text into szStatus (cut to fit) and shows it.
void set_status(const char* text);
// Someone who wants to see every text the status line shows, in order.
using StatusObserver = std::function<void(const char* text)>;
void set_status_observer(StatusObserver observer);
// Appends the text to szStatus (cut to fit) and shows it.
void append_status(const char* text);

// While it lives, the status line stays as it is for the texts of the code
// that holds it: they are held back, to be shown in their order by
// show_held(), or dropped when the hold ends without it. What runs from an
// event handled meanwhile (a click refused as busy, a print) shows its texts
// as always. For what may fail again and again with nobody at the screen,
// such as the attempts to reopen a lost line.
class StatusHold {
public:
    StatusHold();
    ~StatusHold();
    StatusHold(const StatusHold&) = delete;
    StatusHold& operator=(const StatusHold&) = delete;
    // Ends the hold and shows what it held.
    void show_held();
};

}  // namespace telvar
