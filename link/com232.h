// SPDX-License-Identifier: GPL-3.0-or-later
// The frame exchange with the controller: one request, one answer, with
// retries. Every command frames with FillTxBuf, exchanges with ExchangeFrame
// and decodes with GetRxBuf; link/command.h puts the three together.
#pragma once

#include "link/frame.h"
#include "link/orders.h"
#include "platform/translation.h"

#include <chrono>

namespace telvar {

inline constexpr int PNUM = frame::kWords;
inline constexpr int BUFFER_BYTES = 1024;
// Answer wait of one attempt, and how many attempts an exchange makes.
inline constexpr double ANSWER_TIMEOUT = 0.5;
inline constexpr int EXCHANGE_ATTEMPTS = 9;
inline constexpr int POLL_MS = 20;
// An answer that has begun within the wait may take this long more to come
// whole: a frame's time on the controller's line at 10 bits a byte, and a
// poll step.
inline constexpr double ANSWER_REST_WAIT = frame::kBytes * 10.0 / PROTOCOL_BAUD + POLL_MS / 1000.0;

extern const int& sync;           // sync value written into requests
extern const int& order;          // order code of the frame being built or last answered
extern const int& rx_flag;        // 1 once a complete answer is in
// When the last complete answer came in: a dialog opened from a click inside
// the wait holds the exchange up for as long as it is open, while the answer
// comes in its time.
extern const std::chrono::steady_clock::time_point& rx_time;
extern const unsigned char (&szWriteBuf)[BUFFER_BYTES];
extern const unsigned char (&szReadBuf)[BUFFER_BYTES];  // bytes past the answer stay zero
extern const unsigned short (&emptyframe)[PNUM];        // answer of commands with few data words
extern const double& tstart;  // when the wait of the exchange (or of the firmware download) began
extern const double& tdiff;   // how long it has run

// The link's own changes of the above, for the commands that set them.
void set_sync(int value);
void set_order(int code);
// Before a request whose answer is waited for by rx_flag.
void clear_rx_flag();
// sync 0x55, order 1, rx_flag 1, as at start.
void reset_exchange();
// tstart = now; tdiff = now - tstart, returned.
void mark_tstart();
double measure_tdiff();
// Where a command's answer with few data words is decoded (emptyframe).
unsigned short* emptyframe_answer();
// Where a transport puts the answer's bytes as they come (szReadBuf).
unsigned char* answer_bytes();

// The frame buffers serve one command at a time. A command holds the link
// from framing to decoding: one started meanwhile, from a callback that runs
// inside the holder's waits, is refused and sends nothing.
class LinkHold {
public:
    LinkHold();  // takes the link unless another command holds it
    ~LinkHold();
    LinkHold(const LinkHold&) = delete;
    LinkHold& operator=(const LinkHold&) = delete;
    explicit operator bool() const { return held_; }

private:
    bool held_;
};

// Does nothing while a command holds the link: the bytes are its request.
void FillTxBuf(int order, const unsigned short* words);
void FillTxBuf(const LinkHold& hold, int order, const unsigned short* words);
// The answer's order code, or -1 when its sync word is wrong.
int GetRxBuf(unsigned short* words);
// Attempts left (9 .. 1) on success, 0 when every attempt failed. Holds the
// link while it runs; refused (0) while a command holds it.
int ExchangeFrame();
int ExchangeFrame(const LinkHold& hold);
void RX_Receive_Function(int portNumber, int eventMask, void* callbackData);
// A complete answer is in: raises rx_flag and stamps rx_time.
void answer_came();

// Shown as tr_text("Line", BUSY_TEXT).
inline constexpr const char* BUSY_TEXT = TR_NOOP("Line", "Busy! Command refused, another one is running.");
// 1, with BUSY_TEXT on the status line, while a command holds the link:
// whatever would open a line or exchange a frame gives up then.
int exchange_refused();
// Whether a command holds the link, without a word on the status line.
bool link_held();

}  // namespace telvar
