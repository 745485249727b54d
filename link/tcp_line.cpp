#include "link/tcp_line.h"

#include "link/com232.h"
#include "link/error_texts.h"
#include "link/line_check.h"
#include "link/line_watch.h"
#include "platform/tcp.h"
#include "platform/userint.h"
#include "ui/status.h"

#include <string>

namespace telvar {

int tcpcon = 0;
int g_hconversation = 0;
char ipBuf[IP_TEXT_SIZE];
int portNum = 0;
char portNumStr[PORT_TEXT_SIZE];
int bytesToRead = 0;
int bytesRead = 0;

namespace {

inline constexpr unsigned CONNECT_TIMEOUT_MS = 5000;
inline constexpr unsigned READ_TIMEOUT_MS = 5000;

// Goes by the handle rather than by tcpcon, so that a conversation whose line
// check failed is still closed before the next connect.
int disconnect()
{
    if (g_hconversation == 0)
        return 0;
    const int code = DisconnectFromTCPServer(static_cast<unsigned>(g_hconversation));
    if (code < 0) {
        set_status(tcp_error_text(code));
        return 1;
    }
    g_hconversation = 0;
    report_line_closed();
    return 0;
}

void discard_unexpected(unsigned handle)
{
    char scratch[BUFFER_BYTES];
    ClientTCPRead(handle, scratch, sizeof scratch, READ_TIMEOUT_MS);
}

}  // namespace

int InitTCP_IP(int mode)
{
    if (mode != 0 && exchange_refused())
        return 0;
    const int closed = disconnect();
    if (mode == 0)
        return closed;

    unsigned handle = 0;
    SetWaitCursor(1);
    const int code = ConnectToTCPServer(&handle, static_cast<unsigned>(portNum), ipBuf, ClientTCPCB,
                                        nullptr, CONNECT_TIMEOUT_MS);
    SetWaitCursor(0);
    if (code < 0) {
        set_status(tcp_error_text(code));
        return 0;
    }
    g_hconversation = static_cast<int>(handle);
    if (!CheckComLine())
        return 0;
    if (!GetVERSIONInfo())
        return 0;
    report_line_open("TCP " + std::string(ipBuf) + ":" + std::to_string(portNum), szVersion);
    return 1;
}

int ClientTCPCB(unsigned handle, int xType, int, void*)
{
    switch (xType) {
    case TCP_DATAREADY:
        if (bytesToRead <= 0) {
            discard_unexpected(handle);
            break;
        }
        // One read takes all that has arrived, up to what is missing; the rest
        // of a split answer comes with the next data-ready event, so a stalled
        // peer never keeps this handler waiting.
        bytesRead = ClientTCPRead(handle, szReadBuf + frame::kBytes - bytesToRead,
                                  static_cast<unsigned>(bytesToRead), READ_TIMEOUT_MS);
        if (bytesRead > 0)
            bytesToRead -= bytesRead;
        if (bytesToRead == 0)
            rx_flag = 1;
        break;
    case TCP_DISCONNECT:
        // The line is gone before the pop-up waits for the operator.
        g_hconversation = 0;
        tcpcon = 0;
        report_line_closed();
        MessagePopup("TCP Client", "Server has closed connection!");
        break;
    default:
        break;
    }
    return 0;
}

}  // namespace telvar
