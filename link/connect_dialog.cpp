// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/connect_dialog.h"

#include "link/com232.h"
#include "link/error_texts.h"
#include "link/ip_history.h"
#include "link/line_table.h"
#include "link/reconnect.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "link/wait_cursor.h"
#include "platform/combobox.h"
#include "platform/events.h"
#include "platform/serial_ports.h"
#include "platform/settings_file.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
char ipComboBoxFileName[MAX_PATHNAME_LEN];
char connectionSettingsFileName[MAX_PATHNAME_LEN];
}  // namespace state

const char (&ipComboBoxFileName)[MAX_PATHNAME_LEN] = state::ipComboBoxFileName;
const char (&connectionSettingsFileName)[MAX_PATHNAME_LEN] = state::connectionSettingsFileName;

namespace {

// As the panel file describes the port number field (its German there is the same).
inline constexpr const char* PORT_FIELD_DESCRIPTION = TR_NOOP("Connection", "TCP port of the controller");

// The dialog's values when it was last opened.
int comprotocolold = 0;
int comportold = 0;
char ipBufOld[IP_TEXT_SIZE];
int portNumOld = 0;
char portNumStrOld[PORT_TEXT_SIZE];

// The ports in the selector that this user may not open.
std::vector<int> g_forbidden_ports;

// The way to the permission, under the COM port selector while it shows a
// port this user may not open.
void show_permission_fix(bool serial)
{
    int chosen = 0;
    GetCtrlVal(panelInterf, INTERF_COMPORT, &chosen);
    const bool forbidden = serial && std::ranges::find(g_forbidden_ports, chosen) != g_forbidden_ports.end();
    SetCtrlVal(panelInterf, INTERF_COMPORT_FIX, forbidden ? tr_text("Ports", COM_PORT_PERMISSION_FIX) : "");
    SetCtrlAttribute(panelInterf, INTERF_COMPORT_FIX, ATTR_VISIBLE, forbidden);
}

void show_transport_fields(int protocol)
{
    SetCtrlAttribute(panelInterf, INTERF_COMPORT, ATTR_VISIBLE, protocol == 0);
    show_permission_fix(protocol == 0);
    Combo_SetComboAttribute(panelInterf, INTERF_IPADDRESS, ATTR_VISIBLE, protocol != 0);
    SetCtrlAttribute(panelInterf, INTERF_PORTNUMBER, ATTR_VISIBLE, protocol != 0);
    if (protocol == 0)
        SetCtrlAttribute(panelInterf, INTERF_PORTNUMBER_FIX, ATTR_VISIBLE, 0);
}

void show_state(const char* text)
{
    SetCtrlVal(panelInterf, INTERF_STATE, text);
}

// The port number typed: a whole number from 1 to 65535, blanks around it
// allowed. Anything else is no port: "10077y" is not 10077.
std::optional<int> port_number_of(const char* text)
{
    const std::string_view typed(text);
    const std::size_t first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = typed.substr(first, typed.find_last_not_of(' ') + 1 - first);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < 1 || number > 65535)
        return std::nullopt;
    return number;
}

// The message beside the port number field, which a screen reader also
// hears with the field; "" takes it away.
// Accept is offered once a try has succeeded, and Enter then presses it;
// until then Enter tries.
void offer_accept(bool offered)
{
    SetCtrlAttribute(panelInterf, INTERF_ACCEPT, ATTR_DIMMED, offered ? 0 : 1);
    SetCtrlAttribute(panelInterf, offered ? INTERF_ACCEPT : INTERF_TRY, ATTR_DEFAULT_BUTTON, 1);
}

void show_port_fix(const char* text)
{
    SetCtrlVal(panelInterf, INTERF_PORTNUMBER_FIX, text);
    SetCtrlAttribute(panelInterf, INTERF_PORTNUMBER_FIX, ATTR_VISIBLE, *text != '\0');
    const std::string field = tr_text("Connection", PORT_FIELD_DESCRIPTION);
    const std::string described = *text ? field + ". " + text : field;
    SetCtrlAttribute(panelInterf, INTERF_PORTNUMBER, ATTR_DESCRIPTION, described.c_str());
}

// Why the last try failed, under the state; "" takes it away.
void show_reason(const std::string& text)
{
    SetCtrlVal(panelInterf, INTERF_REASON, text.c_str());
    SetCtrlAttribute(panelInterf, INTERF_REASON, ATTR_VISIBLE, !text.empty());
}

// A TCP try goes only to a port that is one: anything else is refused
// beside the field, before the line open now is touched.
bool port_accepted()
{
    int protocol = 0;
    GetCtrlVal(panelInterf, INTERF_PROTOCOL, &protocol);
    char typed[PORT_TEXT_SIZE] = {};
    GetCtrlVal(panelInterf, INTERF_PORTNUMBER, typed);
    if (protocol == 0 || port_number_of(typed)) {
        show_port_fix("");
        return true;
    }
    show_port_fix(tr_text("Connection", PORT_NUMBER_FIX_TEXT));
    show_reason("");
    offer_accept(false);
    SetActiveCtrl(panelInterf, INTERF_PORTNUMBER);
    return false;
}

void read_dialog()
{
    int protocol = 0;
    int port = 0;
    char address[IP_TEXT_SIZE];
    char port_text[PORT_TEXT_SIZE];
    GetCtrlVal(panelInterf, INTERF_PROTOCOL, &protocol);
    GetCtrlVal(panelInterf, INTERF_COMPORT, &port);
    GetCtrlVal(panelInterf, INTERF_IPADDRESS, address);
    GetCtrlVal(panelInterf, INTERF_PORTNUMBER, port_text);
    choose_protocol(protocol);
    choose_com_port(port);
    choose_tcp_address(address, port_text, port_number_of(port_text).value_or(0));
}

// The dialog opens on the line last accepted, so that an operator who always
// uses the same line presses Try and Accept only. Nothing is opened here.
void show_last_connection()
{
    const std::string protocol = ReadSettingText(connectionSettingsFileName, LAST_PROTOCOL_KEY, "");
    if (protocol.empty())
        return;
    const int tcp = protocol == "tcp" ? 1 : 0;
    SetCtrlVal(panelInterf, INTERF_PROTOCOL, tcp);
    const int port = std::atoi(ReadSettingText(connectionSettingsFileName, LAST_COM_PORT_KEY, "0").c_str());
    if (port > 0)
        SetCtrlVal(panelInterf, INTERF_COMPORT, port);
    const std::string address = ReadSettingText(connectionSettingsFileName, LAST_ADDRESS_KEY, "");
    if (!address.empty())
        SetCtrlVal(panelInterf, INTERF_IPADDRESS, address.c_str());
    const std::string tcp_port = ReadSettingText(connectionSettingsFileName, LAST_TCP_PORT_KEY, "");
    if (!tcp_port.empty())
        SetCtrlVal(panelInterf, INTERF_PORTNUMBER, tcp_port.c_str());
    show_transport_fields(tcp);
}

void save_last_connection()
{
    const bool saved = WriteSettingTexts(connectionSettingsFileName,
                                         {{LAST_PROTOCOL_KEY, comprotocol ? "tcp" : "rs232"},
                                          {LAST_COM_PORT_KEY, std::to_string(comport)},
                                          {LAST_ADDRESS_KEY, ipBuf},
                                          {LAST_TCP_PORT_KEY, portNumStr}});
    if (!saved)
        set_status(tr_text("Connection", "Error! Connection settings not saved."));
}

// A TCP connect that failed says why under the state (refused, timed out,
// unknown host, no permission); the status line keeps the library's text.
void show_outcome(int connected)
{
    offer_accept(connected != 0);
    show_state(connected ? tr_text("Connection", "CONNECTING SUCCEEDED") : tr_text("Connection", "CONNECTING FAILED"));
    show_reason(!connected && comprotocol != 0 ? tcp_connect_reason(last_connect_result(), ipBuf, portNum) : "");
}

// Opens the transport in comprotocol, closing the other one first when asked;
// the flag of the opened transport.
int connect_chosen(bool close_other)
{
    if (comprotocol == 0) {
        if (close_other)
            InitTCP_IP(0);
        return InitRS232(1);
    }
    if (close_other)
        InitRS232(0);
    return InitTCP_IP(1);
}

std::vector<std::string> history_entries()
{
    int count = 0;
    Combo_GetNumComboItems(panelInterf, INTERF_IPADDRESS, &count);
    std::vector<std::string> entries;
    for (int k = 0; k < count; ++k) {
        char value[IP_TEXT_SIZE];
        if (Combo_GetValueFromIndex(panelInterf, INTERF_IPADDRESS, k, value, sizeof value) == 0)
            entries.emplace_back(value);
    }
    return entries;
}

// A port the system does not show now: nothing is known of it.
ComPortInfo unlisted_port(int port)
{
    ComPortInfo info;
    info.port = port;
    info.device = ComDevice(port);
    return info;
}

// The port list must also hold the port the line uses, even when its device is gone.
std::vector<ComPortInfo> ports_to_offer()
{
    std::vector<ComPortInfo> ports = DescribeComPorts();
    for (int port : {comport, comportold})
        if (port > 0 && std::ranges::find(ports, port, &ComPortInfo::port) == ports.end())
            ports.push_back(unlisted_port(port));
    if (ports.empty())
        ports.push_back(unlisted_port(COM_FIRST));
    std::ranges::sort(ports, {}, &ComPortInfo::port);
    return ports;
}

}  // namespace

void set_connection_files(const std::string& history, const std::string& settings)
{
    std::snprintf(state::ipComboBoxFileName, sizeof state::ipComboBoxFileName, "%s", history.c_str());
    std::snprintf(state::connectionSettingsFileName, sizeof state::connectionSettingsFileName, "%s", settings.c_str());
}

void setup_connection_dialog()
{
    Combo_NewComboBox(panelInterf, INTERF_IPADDRESS);
    Combo_SetComboAttribute(panelInterf, INTERF_IPADDRESS, ATTR_TEXT_BGCOLOR, HISTORY_TEXT_COLOR);
    Combo_SetComboAttribute(panelInterf, INTERF_IPADDRESS, ATTR_VISIBLE, 0);
    SetCtrlAttribute(panelInterf, INTERF_PORTNUMBER, ATTR_VISIBLE, 0);
    fill_com_port_selector();
    choose_protocol(0);
    set_line_choice_check([] {
        int visible = 0;
        GetPanelAttribute(panelInterf, ATTR_VISIBLE, &visible);
        return visible != 0;
    });
}

void load_ip_history()
{
    for (const std::string& entry : read_ip_history(ipComboBoxFileName))
        Combo_InsertComboItem(panelInterf, INTERF_IPADDRESS, -1, entry.c_str(), entry.c_str());
}

void fill_com_port_selector()
{
    int chosen = 0;
    GetCtrlVal(panelInterf, INTERF_COMPORT, &chosen);
    ClearListCtrl(panelInterf, INTERF_COMPORT);
    g_forbidden_ports.clear();
    const std::vector<ComPortInfo> ports = ports_to_offer();
    for (const ComPortInfo& info : ports) {
        InsertListItem(panelInterf, INTERF_COMPORT, -1, ComPortLabel(info).c_str(), info.port);
        if (!info.accessible)
            g_forbidden_ports.push_back(info.port);
    }
    if (SetCtrlVal(panelInterf, INTERF_COMPORT, chosen) != 0)
        SetCtrlVal(panelInterf, INTERF_COMPORT, ports.front().port);
    int protocol = 0;
    GetCtrlVal(panelInterf, INTERF_PROTOCOL, &protocol);
    show_permission_fix(protocol == 0);
}

int CBF_ChooseComPort(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        show_permission_fix(true);
    return 0;
}

int CC_CMD_CONNECT(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    fill_com_port_selector();
    show_state(rs232con > 0 || tcpcon > 0 ? tr_text("Connection", "CONNECTION ESTABLISHED")
                                         : tr_text("Connection", "NO CONNECTION ESTABLISHED"));
    GetCtrlVal(panelInterf, INTERF_PROTOCOL, &comprotocolold);
    GetCtrlVal(panelInterf, INTERF_COMPORT, &comportold);
    GetCtrlVal(panelInterf, INTERF_IPADDRESS, ipBufOld);
    GetCtrlVal(panelInterf, INTERF_PORTNUMBER, portNumStrOld);
    portNumOld = port_number_of(portNumStrOld).value_or(0);
    offer_accept(false);
    show_port_fix("");
    show_reason("");
    DisplayPanel(panelInterf);
    return 0;
}

int CBF_EditCommunicationProtocol(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    int protocol = 0;
    GetCtrlVal(panelInterf, INTERF_PROTOCOL, &protocol);
    choose_protocol(protocol);
    show_transport_fields(comprotocol);
    return 0;
}

int CBF_StringIpAdress(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    offer_accept(false);
    char address[IP_TEXT_SIZE];
    GetCtrlVal(panelInterf, INTERF_IPADDRESS, address);
    choose_tcp_address(address, portNumStr, portNum);

    int index = -1;
    Combo_GetIndexFromValue(panelInterf, INTERF_IPADDRESS, &index, ipBuf);
    if (index >= 0)
        Combo_DeleteComboItem(panelInterf, INTERF_IPADDRESS, index, 1);
    Combo_InsertComboItem(panelInterf, INTERF_IPADDRESS, 0, ipBuf, ipBuf);
    int count = 0;
    Combo_GetNumComboItems(panelInterf, INTERF_IPADDRESS, &count);
    if (count > IP_HISTORY_ENTRIES)
        Combo_DeleteComboItem(panelInterf, INTERF_IPADDRESS, IP_HISTORY_ENTRIES, -1);

    if (!write_ip_history(ipComboBoxFileName, history_entries()))
        set_status(tr_text("Connection", "Error! IP address history not saved."));
    return 0;
}

void load_connection_settings()
{
    set_reconnect_auto(ReadSettingFlag(connectionSettingsFileName, RECONNECT_KEY, true) ? 1 : 0);
    SetCtrlVal(panelInterf, INTERF_RECONNECT, reconnectAuto);
    show_last_connection();
}

int CBF_CheckReconnect(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    int reconnect = 0;
    GetCtrlVal(panelInterf, INTERF_RECONNECT, &reconnect);
    set_reconnect_auto(reconnect);
    if (!WriteSettingFlag(connectionSettingsFileName, RECONNECT_KEY, reconnectAuto != 0))
        set_status(tr_text("Connection", "Error! Connection settings not saved."));
    return 0;
}

int CBF_ButtonTryToConnect(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    if (!port_accepted())
        return 0;
    // Opening, line check and version query take a while: Try looks busy.
    const WaitCursor busy;
    SetCtrlAttribute(panelInterf, INTERF_TRY, ATTR_DIMMED, 1);
    show_state(tr_text("Connection", "TRYING TO CONNECT"));
    ProcessSystemEvents();
    read_dialog();
    // Only the transport the dialog was opened with is closed first.
    show_outcome(connect_chosen(comprotocolold != comprotocol));
    SetCtrlAttribute(panelInterf, INTERF_TRY, ATTR_DIMMED, 0);
    return 0;
}

int CBF_ButtonAccept(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    const bool connected = rs232con != 0 || tcpcon != 0;
    set_buttons_for_line(connected);
    if (connected)
        save_last_connection();
    HidePanel(panelInterf);
    return 0;
}

int CBF_ButtonDiscard(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    SetCtrlVal(panelInterf, INTERF_PROTOCOL, comprotocolold);
    SetCtrlVal(panelInterf, INTERF_COMPORT, comportold);
    SetCtrlVal(panelInterf, INTERF_IPADDRESS, ipBufOld);
    SetCtrlVal(panelInterf, INTERF_PORTNUMBER, portNumStrOld);
    read_dialog();
    show_transport_fields(comprotocol);
    show_outcome(connect_chosen(true));
    const int connected = rs232con != 0 || tcpcon != 0;
    // The line is new: test mode counts as off, as after Accept.
    set_test_panel_controls(-1, 0);
    set_main_buttons(connected, connected, connected);
    HidePanel(panelInterf);
    return 0;
}

}  // namespace telvar
