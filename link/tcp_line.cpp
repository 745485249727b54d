// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/tcp_line.h"

#include "link/com232.h"
#include "link/error_texts.h"
#include "link/line_open.h"
#include "link/line_table.h"
#include "link/line_watch.h"
#include "link/link_events.h"
#include "link/reconnect.h"
#include "link/wait_cursor.h"
#include "platform/tcp.h"

#include <string>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
int tcpcon = 0;
int g_hconversation = 0;
int bytesToRead = 0;
}  // namespace state

const int& tcpcon = state::tcpcon;
const int& g_hconversation = state::g_hconversation;
const int& bytesToRead = state::bytesToRead;

namespace {

int bytesRead = 0;  // byte count of the last read
int g_connect_result = 0;

inline constexpr unsigned CONNECT_TIMEOUT_MS = 5000;
inline constexpr unsigned WRITE_TIMEOUT_MS = 2000;
// The data-ready handler reads only what has arrived: it runs on the window's
// thread, and a read that waited would freeze the window.
inline constexpr unsigned NO_WAIT = 0;

unsigned conversation()
{
    return static_cast<unsigned>(g_hconversation);
}

int connect_to_server(unsigned& handle)
{
    const WaitCursor busy;
    return ConnectToTCPServer(&handle, static_cast<unsigned>(portNum), ipBuf, ClientTCPCB, nullptr,
                              CONNECT_TIMEOUT_MS);
}

int connect_conversation(const LineSettings&)
{
    unsigned handle = 0;
    const int code = connect_to_server(handle);
    g_connect_result = code;
    if (code < 0)
        return code;
    state::g_hconversation = static_cast<int>(handle);
    return 0;
}

// A failed disconnect keeps the handle: the conversation may still be open.
int disconnect_conversation()
{
    const int code = DisconnectFromTCPServer(conversation());
    if (code >= 0)
        state::g_hconversation = 0;
    return code;
}

bool conversation_is_open()
{
    return g_hconversation != 0;
}

// Nothing is flushed: an answer that comes late is taken by the next attempt.
void reset_receive_state()
{
    state::bytesToRead = frame::kBytes;
    bytesRead = 0;
}

int write_conversation(const unsigned char* bytes, int count)
{
    return ClientTCPWrite(conversation(), bytes, static_cast<std::size_t>(count), WRITE_TIMEOUT_MS);
}

// The data-ready handler takes every byte as it comes: these are the bytes
// of the answer it has put in place since the flush before the request.
int answer_bytes_in()
{
    return frame::kBytes - bytesToRead;
}

// The data-ready handler has assembled the answer in szReadBuf already.
int answer_in_place(unsigned char*, int count)
{
    return count;
}

std::string describe_conversation()
{
    return "TCP " + std::string(ipBuf) + ":" + std::to_string(portNum);
}

// One read of what has arrived, into the missing part of the answer. The
// platform raises data-ready again while unread bytes are left, so a split
// answer is assembled piece by piece; a peer that stops in mid-answer leaves
// it incomplete until the exchange attempt's answer wait ends.
void take_answer_bytes(unsigned handle)
{
    state::bytesToRead = frame::read_missing_part(answer_bytes(), bytesToRead, [handle](std::uint8_t* at, int room) {
        bytesRead = ClientTCPRead(handle, at, static_cast<unsigned>(room), NO_WAIT);
        return bytesRead;
    });
    if (bytesToRead == 0)
        answer_came();
}

void discard_unexpected(unsigned handle)
{
    char scratch[BUFFER_BYTES];
    ClientTCPRead(handle, scratch, sizeof scratch, NO_WAIT);
}

// With reconnecting on, the line is waited for at once; without it, the
// hang-up is told first, and only then is the line reported lost.
void server_hung_up()
{
    const std::string line = describe_conversation();
    state::g_hconversation = 0;
    state::tcpcon = 0;
    if (!reconnectAuto) {
        report_line_closed();
        report_link_event(LinkEvent::HungUp);
        report_line_lost(line);
        return;
    }
    report_line_lost(line);
    report_link_event(LinkEvent::HungUpWaiting);
}

}  // namespace

const LineFunctions tcp_line_functions{
    .open = connect_conversation,
    .close = disconnect_conversation,
    .is_open = conversation_is_open,
    .flush = reset_receive_state,
    .write = write_conversation,
    .bytes_waiting = answer_bytes_in,
    .read = answer_in_place,
    .error_text = tcp_error_text,
    .describe = describe_conversation,
};

int InitTCP_IP(int mode)
{
    return state::tcpcon = init_line(tcp_line_functions, PROTOCOL_LINE, mode);
}

int last_connect_result()
{
    return g_connect_result;
}

int ClientTCPCB(unsigned handle, int xType, int, void*)
{
    switch (xType) {
    case TCP_DATAREADY:
        if (bytesToRead > 0)
            take_answer_bytes(handle);
        else
            discard_unexpected(handle);
        break;
    case TCP_DISCONNECT:
        server_hung_up();
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace telvar
