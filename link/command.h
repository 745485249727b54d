// SPDX-License-Identifier: GPL-3.0-or-later
// What every command that talks to the controller shares: the request to
// stop a running loop, which a failed command raises, and the one way a
// command frames its request, exchanges it and judges the answer.
#pragma once

#include "link/frame.h"
#include "platform/translation.h"

#include <functional>

namespace telvar {

// 0 while an acquisition loop may go on; setting it to 1 ends the loop at its
// next check. 1 when nothing runs. Every command whose exchange fails sets
// it, so the flag lives with the commands rather than with the loops.
extern const int& stop_flag;
void raise_stop_flag();  // stop_flag = 1
void lower_stop_flag();  // stop_flag = 0: a loop starts

// A slow controller still answers the requests whose wait ran out, and on TCP
// the next exchange takes such a late answer as its own. Where the answer
// names what it belongs to, a command asks again at most this many times.
inline constexpr int STALE_ANSWER_REPEATS = 3;

// Shown as tr_text("Line", ...), as are the acknowledgement texts.
inline constexpr const char* CONNECTION_LOST_TEXT = TR_NOOP("Line", "Error! Connection lost.");
inline constexpr const char* ECHO_INCORRECT_TEXT = TR_NOOP("Line", "Error! Sensor echo incorrect.");
inline constexpr const char* SUCCESS_TEXT = TR_NOOP("Line", "Success!");

// One request and how its answer is judged.
struct Command {
    int order = 0;            // order code; `order` holds it from the framing on
    frame::Words payload{};   // the request's words, all zero unless given
    // PNUM words that receive the decoded answer; nullptr leaves the answer
    // undecoded in szReadBuf, with its sync word unchecked.
    unsigned short* answer = nullptr;
    const char* announcement = nullptr;  // shown, and painted, before the exchange
    bool expects_ack = false;            // answer word 0 must be ANSWER_ACK
    const char* ack_text = SUCCESS_TEXT;  // completes the announcement on ANSWER_ACK
};

enum class CommandOutcome {
    Answered,         // the answer passed every check the command asks for
    Refused,          // another command held the link: nothing was sent
    ConnectionLost,   // every attempt of the exchange failed
    EchoIncorrect,    // the answer lacks the sync word
    NotAcknowledged,  // answer word 0 is not ANSWER_ACK
};

// Frames the request, shows the announcement, exchanges the frame, decodes
// and judges the answer, holding the link from the framing to the decoding.
// Reports no outcome and touches neither stop_flag nor any button: the piece
// for commands that react in their own way. `answer_order` receives the
// order code of a decoded answer.
CommandOutcome exchange_command(const Command& command, int* answer_order = nullptr);

// The common reaction: a lost connection or a wrong sync word shows its text,
// sets stop_flag and dims all three main button groups; a missing
// acknowledgement shows the echo text only; a refusal shows BUSY_TEXT; an
// acknowledgement shows the announcement completed by the ack text.
void report_command_outcome(const Command& command, CommandOutcome outcome);

// A command that talks with the controller runs whole or not at all. Its
// waits process every window event, so a click can start another command in
// the middle of one: the first holds the gate from its first step to its
// last, and the other is refused before it reads or writes anything.
class CommandGate {
public:
    CommandGate();   // takes the gate unless a command holds it
    ~CommandGate();  // gives it back, then runs what was kept for afterwards
    CommandGate(const CommandGate&) = delete;
    CommandGate& operator=(const CommandGate&) = delete;
    explicit operator bool() const { return held_; }

private:
    bool held_;
};

bool command_running();
// Runs the command whole; while another runs, refuses it with BUSY_TEXT on
// the status line and returns false.
bool run_whole(const std::function<void()>& command);
// Runs `later` at once when no command runs, else as soon as the running one
// has ended. What must not be lost waits this way instead of being refused.
void after_commands(std::function<void()> later);

// exchange_command, then report_command_outcome.
CommandOutcome send_command(const Command& command);

// An order the controller acknowledges: the announcement shown before the
// exchange, the answer decoded into emptyframe, the common reaction, and
// `ack_text` appended on ANSWER_ACK. True when it was acknowledged.
bool send_acknowledged(int order, const char* announcement, const char* ack_text = SUCCESS_TEXT,
                       const frame::Words& payload = {});

}  // namespace telvar
