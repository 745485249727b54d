// SPDX-License-Identifier: GPL-3.0-or-later
// A lost line comes back by itself: when the open line goes away without the
// operator closing it (the TCP server hangs up, the serial device is gone),
// the tool watches for it to return - the device present again under the
// same port number, or a TCP connect that succeeds - and opens it as Try and
// Accept of the connection dialog would. A controller that merely stops
// answering on a line that stays open is not a lost line.
#pragma once

#include "platform/translation.h"

#include <functional>
#include <string>

namespace telvar {

// How often the returning line is looked for.
inline constexpr double SERIAL_RECONNECT_INTERVAL = 1.0;  // the port list
inline constexpr double TCP_RECONNECT_INTERVAL = 2.0;     // one connect attempt

// Shown as tr_text("Line", RECONNECTED_TEXT), the line named after it.
inline constexpr const char* RECONNECTED_TEXT = TR_NOOP("Line", "Line back, reconnected: ");

// The operator's choice (the dialog's check box); on unless switched off.
extern const int& reconnectAuto;
void set_reconnect_auto(int on);

// Start-up: follows the line's reports from now on.
void setup_reconnect();
// Whether a lost line is being waited for.
bool reconnect_waiting();
// What ran when the line was lost goes on when the line is back by itself:
// `resume` runs once the reopening has ended. Kept only while the lost line
// is waited for; when the operator closes the line, opens one in the dialog
// or chooses another, `dropped` runs instead.
void resume_when_back(std::function<void()> resume, std::function<void()> dropped);

// Whether the operator is choosing a line (the connection dialog is open):
// the lost one is not looked for meanwhile.
void set_line_choice_check(std::function<bool()> choosing);

// Held by whatever takes the port over for a while (the firmware download
// closes and reopens it itself): the line is not looked for meanwhile, and
// the closing and reopening it does are not the operator's.
class ReconnectPause {
public:
    ReconnectPause();
    ~ReconnectPause();
    ReconnectPause(const ReconnectPause&) = delete;
    ReconnectPause& operator=(const ReconnectPause&) = delete;
};

}  // namespace telvar
