// SPDX-License-Identifier: GPL-3.0-or-later
// The connection dialog: the operator chooses RS-232 or TCP/IP with port,
// address and port number, tries the connection, and accepts it or goes back
// to the settings the dialog was opened with. The address field keeps the
// history of recent addresses.
#pragma once

#include "link/tcp_line.h"
#include "platform/translation.h"
#include "platform/userint.h"

#include <string>

namespace telvar {

inline constexpr int HISTORY_TEXT_COLOR = 0xE0E0E0;

// Beside the port number field when what it holds is no port; shown as
// tr_text("Connection", PORT_NUMBER_FIX_TEXT).
inline constexpr const char* PORT_NUMBER_FIX_TEXT =
    TR_NOOP("Connection", "The port number is a whole number from 1 to 65535.");

inline constexpr const char* IP_HISTORY_FILE = "if_history.ipa";
inline constexpr const char* CONNECTION_SETTINGS_FILE = "connection.ini";
inline constexpr const char* RECONNECT_KEY = "reconnect";
// The line last accepted.
inline constexpr const char* LAST_PROTOCOL_KEY = "last/transport";  // "rs232" or "tcp"
inline constexpr const char* LAST_COM_PORT_KEY = "last/com_port";
inline constexpr const char* LAST_ADDRESS_KEY = "last/address";
inline constexpr const char* LAST_TCP_PORT_KEY = "last/port";

extern const char (&ipComboBoxFileName)[MAX_PATHNAME_LEN];  // the address history file
extern const char (&connectionSettingsFileName)[MAX_PATHNAME_LEN];  // beside it, the dialog's other choices
void set_connection_files(const std::string& history, const std::string& settings);

// Start-up: makes the address field a combo box, grey and hidden (the
// default transport is RS-232), fills the COM port selector, and loads the
// address history into the combo's list.
void setup_connection_dialog();
void load_ip_history();
// The saved choice of reconnecting, into the check box and reconnectAuto,
// and the line last accepted, into the dialog's fields.
void load_connection_settings();
// Offers every COM port the machine has, each with the device it stands for
// and what the system knows of it; a port this user may not open says so.
void fill_com_port_selector();

CtrlCallback CC_CMD_CONNECT;
// Choosing a port this user may not open shows how to get the permission.
CtrlCallback CBF_ChooseComPort;
CtrlCallback CBF_EditCommunicationProtocol;
CtrlCallback CBF_StringIpAdress;
// The check box "Reconnect automatically": takes effect at once and is saved.
CtrlCallback CBF_CheckReconnect;
CtrlCallback CBF_ButtonTryToConnect;
CtrlCallback CBF_ButtonAccept;
CtrlCallback CBF_ButtonDiscard;

}  // namespace telvar
