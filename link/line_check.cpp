#include "link/line_check.h"

#include "link/com232.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "platform/rs232.h"
#include "ui/buttons.h"
#include "ui/status.h"

#include <cstring>

namespace telvar {

char szVersion[VERSION_TEXT_SIZE];

namespace {

inline constexpr std::size_t STATUS_VERSION_CHARS = 35;

void send_empty_order(int code)
{
    std::memset(emptyframe, 0, sizeof emptyframe);
    order = code;
    FillTxBuf(order, emptyframe);
}

}  // namespace

int CheckComLine()
{
    if (exchange_refused())
        return 0;
    send_empty_order(ORDER_LINE_CHECK);
    if (ExchangeFrame() == 0) {
        set_main_buttons(0, 0, 0);
        set_status("Error! No connection found.");
        return 0;
    }
    if (GetRxBuf(emptyframe) == -1)
        return 0;
    if (emptyframe[0] == ANSWER_ACK) {
        set_main_buttons(1, 1, 1);
        set_status("Connection found. Line OK.");
        return 1;
    }
    set_main_buttons(0, 0, 0);
    set_status("Answer incorrect. Check Sensor.");
    return 0;
}

int GetVERSIONInfo()
{
    if (exchange_refused())
        return 0;
    if (comprotocol == 0) {
        FlushInQ(comport);
        FlushOutQ(comport);
    }
    send_empty_order(ORDER_VERSION);
    if (ExchangeFrame() == 0) {
        set_main_buttons(0, 0, 0);
        set_status("Error! Connection lost.");
        return 0;
    }
    set_main_buttons(1, 1, 1);
    // The answer is plain text from byte 0, without a sync word.
    const char* text = reinterpret_cast<const char*>(szReadBuf);
    const std::size_t length = strnlen(text, frame::kBytes);
    const std::size_t kept = std::min(length, sizeof szVersion - 1);
    std::memcpy(szVersion, text, kept);
    szVersion[kept] = '\0';
    std::memcpy(szStatus, text, std::min(length, STATUS_VERSION_CHARS));
    szStatus[std::min(length, STATUS_VERSION_CHARS)] = '\0';
    show_status();
    return 1;
}

}  // namespace telvar
