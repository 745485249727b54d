// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/com232.h"

#include "link/frame_observer.h"
#include "link/line_table.h"
#include "link/status.h"
#include "platform/events.h"
#include "platform/rs232.h"
#include "platform/translation.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
int sync = 0x55;
int order = 1;
int rx_flag = 1;
std::chrono::steady_clock::time_point rx_time;
unsigned char szWriteBuf[BUFFER_BYTES];
unsigned char szReadBuf[BUFFER_BYTES];
unsigned short emptyframe[PNUM];
double tstart = 0.0;
double tdiff = 0.0;
}  // namespace state

const int& sync = state::sync;
const int& order = state::order;
const int& rx_flag = state::rx_flag;
const std::chrono::steady_clock::time_point& rx_time = state::rx_time;
const unsigned char (&szWriteBuf)[BUFFER_BYTES] = state::szWriteBuf;
const unsigned char (&szReadBuf)[BUFFER_BYTES] = state::szReadBuf;
const unsigned short (&emptyframe)[PNUM] = state::emptyframe;
const double& tstart = state::tstart;
const double& tdiff = state::tdiff;

namespace {

int nBytesW = 0;  // counts of the last write and the last read
int nBytesR = 0;
bool g_link_held = false;

// `text` holds the attempts left as %1.
void report_failure(const char* text, int counter)
{
    set_status(with_args(text, {std::to_string(counter)}).c_str());
}

void report_frame(FrameEvent event, int attempt, const unsigned char* answer = nullptr)
{
    if (frames_watched())
        report_frame_seen({event, attempt, szWriteBuf, answer});
}

// Polls in 20 ms steps until the answer is flagged or 0.5 s have passed. An
// answer that came during the first event pass needs no wait at all. An
// answer that is in counts even when the wait ran long: a modal dialog opened
// from a click inside the wait (a file or save dialog during RUN) holds the
// wait for as long as it is open, while the answer arrives in its time.
// The time-out counts to the answer's first byte, whether the line delivers
// a frame at once or at the controller's 19200 baud: an answer begun in time
// is waited for to its end, as the next attempt's flush would drop its head
// and leave its tail to be read as the start of the next answer.
bool wait_for_answer(const LineFunctions& line)
{
    ProcessSystemEvents();
    mark_tstart();
    double limit = ANSWER_TIMEOUT;
    bool begun = false;
    for (;;) {
        if (!rx_flag)
            WaitEvents(POLL_MS);
        measure_tdiff();
        if (rx_flag)
            return true;
        if (!begun && line.bytes_waiting() > 0) {
            begun = true;
            limit = std::max(limit, tdiff) + ANSWER_REST_WAIT;
        }
        if (tdiff > limit)
            return false;
    }
}

// The counter when the answer came, else 0 with the failure reported.
int attempt(const LineFunctions& line, int counter)
{
    const int number = EXCHANGE_ATTEMPTS + 1 - counter;
    line.flush();
    state::rx_flag = 0;
    nBytesW = line.write(state::szWriteBuf, frame::kBytes);
    if (nBytesW != frame::kBytes) {
        report_frame(FrameEvent::WriteFailed, number);
        report_failure(tr_text("Line", "Write failure! Retrying for %1 times."), counter);
        return 0;
    }
    report_frame(FrameEvent::Request, number);
    if (!wait_for_answer(line)) {
        report_frame(FrameEvent::TimedOut, number);
        report_failure(tr_text("Line", "Read failure! Retrying for %1 times."), counter);
        return 0;
    }
    nBytesR = line.read(state::szReadBuf, frame::kBytes);
    if (nBytesR != frame::kBytes) {
        report_frame(FrameEvent::DataFailed, number);
        report_failure(tr_text("Line", "Data failure! Retrying for %1 times."), counter);
        return 0;
    }
    report_frame(FrameEvent::Answer, number, szReadBuf);
    return counter;
}

}  // namespace

LinkHold::LinkHold() : held_(!g_link_held)
{
    g_link_held = true;
}

LinkHold::~LinkHold()
{
    if (held_)
        g_link_held = false;
}

void set_sync(int value)
{
    state::sync = value;
}

void set_order(int code)
{
    state::order = code;
}

void clear_rx_flag()
{
    state::rx_flag = 0;
}

void reset_exchange()
{
    state::sync = 0x55;
    state::order = 1;
    state::rx_flag = 1;
}

void mark_tstart()
{
    state::tstart = Timer();
}

double measure_tdiff()
{
    state::tdiff = Timer() - tstart;
    return tdiff;
}

unsigned short* emptyframe_answer()
{
    return state::emptyframe;
}

unsigned char* answer_bytes()
{
    return state::szReadBuf;
}

void FillTxBuf(int order, const unsigned short* words)
{
    if (!g_link_held)
        frame::encode(state::szWriteBuf, sync, order, words);
}

void FillTxBuf(const LinkHold&, int order, const unsigned short* words)
{
    frame::encode(state::szWriteBuf, sync, order, words);
}

int GetRxBuf(unsigned short* words)
{
    const auto answer = frame::decode(szReadBuf);
    if (!answer)
        return -1;
    state::order = answer->order;
    for (int k = 0; k < PNUM; ++k)
        words[k] = answer->words[k];
    return answer->order;
}

int ExchangeFrame()
{
    if (exchange_refused())
        return 0;
    const LinkHold hold;
    return ExchangeFrame(hold);
}

int ExchangeFrame(const LinkHold&)
{
    const LineFunctions& line = selected_line();
    int result = 0;
    for (int counter = EXCHANGE_ATTEMPTS; counter > 0 && result == 0; --counter)
        result = attempt(line, counter);
    return result;
}

void RX_Receive_Function(int, int eventMask, void*)
{
    if (eventMask & LWRS_RECEIVE)
        answer_came();
}

void answer_came()
{
    state::rx_flag = 1;
    state::rx_time = std::chrono::steady_clock::now();
}

bool link_held()
{
    return g_link_held;
}

int exchange_refused()
{
    if (!g_link_held)
        return 0;
    set_status(tr_text("Line", BUSY_TEXT));
    return 1;
}

}  // namespace telvar
