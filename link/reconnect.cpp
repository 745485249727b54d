// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/reconnect.h"

#include "link/com232.h"
#include "link/command.h"
#include "link/line_table.h"
#include "link/line_watch.h"
#include "link/link_events.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "platform/events.h"
#include "platform/serial_ports.h"
#include "platform/timers.h"
#include "platform/translation.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
int reconnectAuto = 1;
}  // namespace state

const int& reconnectAuto = state::reconnectAuto;

namespace {

// The line as the operator had chosen it when it was lost.
struct LostLine {
    int protocol = 0;
    int port = 0;
    std::string device;  // a serial device named by its path; empty for the port's own
    std::string address;
    int tcp_port = 0;
    std::string text;  // as the indicator names it

    bool still_chosen() const
    {
        if (protocol != comprotocol)
            return false;
        return protocol == 0 ? port == comport && device == comdevice : address == ipBuf && tcp_port == portNum;
    }
    bool device_present() const
    {
        std::error_code error;
        return device.empty() ? ComPortPresent(port) : std::filesystem::exists(device, error);
    }
};

LostLine g_lost;
std::function<void()> g_resume;   // what goes on when the line is back
std::function<void()> g_dropped;  // what ends if it never goes on
int g_timer = 0;          // 0 while no lost line is waited for
int g_pauses = 0;
bool g_reopening = false;
std::function<bool()> g_choosing;
double g_last_attempt = 0.0;

double interval()
{
    return g_lost.protocol == 0 ? SERIAL_RECONNECT_INTERVAL : TCP_RECONNECT_INTERVAL;
}

void stop_waiting()
{
    DiscardTimer(g_timer);
    g_timer = 0;
}

// The operator took the line over: nothing goes on by itself.
void give_up()
{
    stop_waiting();
    g_resume = nullptr;
    if (auto dropped = std::exchange(g_dropped, nullptr))
        dropped();
}

int open_chosen(int mode)
{
    if (comprotocol == 0)
        return InitRS232(mode);
    return InitTCP_IP(mode);
}

// As Try and Accept: the opening with its line check and version query, then
// the groups of both panels enabled. A line that opens but fails its check is
// closed again, so that nothing is left talking to a silent controller. A
// failed attempt leaves the status line alone: the lamp says the line is
// waited for, and the next attempt would only say the same again.
void reopen()
{
    // A reconnect talks with the controller like any command: whole, or not now.
    const CommandGate gate;
    if (!gate)
        return;
    StatusHold quiet;
    g_reopening = true;
    g_last_attempt = Timer();
    const int opened = open_chosen(1);
    if (!opened)
        open_chosen(0);
    g_reopening = false;
    if (!opened) {
        if (g_timer)
            report_line_waiting(g_lost.text);
        return;
    }
    quiet.show_held();
    report_link_event(LinkEvent::LineBack);
    set_status((tr_text("Line", RECONNECTED_TEXT) + selected_line().describe()).c_str());
    // Out of the timer's tick it runs in, and after any command then running.
    g_dropped = nullptr;
    if (g_resume)
        PostDeferredCall([resume = std::exchange(g_resume, nullptr)] { after_commands(resume); });
}

void look_for_line()
{
    if (!g_timer || g_reopening || g_pauses > 0 || (g_choosing && g_choosing()) || command_running())
        return;
    if (!reconnectAuto) {
        give_up();
        report_line_lost(g_lost.text);
        return;
    }
    if (!g_lost.still_chosen()) {
        // The operator chose another line in the dialog since.
        give_up();
        report_line_closed();
        return;
    }
    if (g_lost.protocol == 0 && !g_lost.device_present())
        return;
    // A connect may take its whole time-out: the next one counts from its start.
    if (g_last_attempt > 0.0 && Timer() - g_last_attempt < interval() - 0.05)
        return;
    reopen();
}

void start_waiting(const std::string& text)
{
    g_lost = LostLine{comprotocol, comport, comdevice, ipBuf, portNum, text};
    g_last_attempt = 0.0;
    stop_waiting();
    g_timer = NewRepeatingTimer(interval(), look_for_line);
    report_line_waiting(text);
}

void follow_line(const LineState& state)
{
    switch (state.condition) {
    case LineCondition::Open:
        if (g_reopening)
            stop_waiting();
        else
            give_up();
        break;
    case LineCondition::Closed:
        // Closings of its own or of the download are not the operator's.
        if (!g_reopening && g_pauses == 0)
            give_up();
        break;
    case LineCondition::Lost:
        if (reconnectAuto && !g_timer)
            start_waiting(state.line);
        break;
    case LineCondition::Waiting:
        break;
    }
}

}  // namespace

void setup_reconnect()
{
    set_line_observer("reconnect", follow_line);
}

void set_reconnect_auto(int on)
{
    state::reconnectAuto = on;
}

void set_line_choice_check(std::function<bool()> choosing)
{
    g_choosing = std::move(choosing);
}

bool reconnect_waiting()
{
    return g_timer != 0;
}

void resume_when_back(std::function<void()> resume, std::function<void()> dropped)
{
    if (reconnect_waiting()) {
        g_resume = std::move(resume);
        g_dropped = std::move(dropped);
        return;
    }
    if (dropped)
        dropped();
}

ReconnectPause::ReconnectPause()
{
    ++g_pauses;
}

ReconnectPause::~ReconnectPause()
{
    --g_pauses;
}

}  // namespace telvar
