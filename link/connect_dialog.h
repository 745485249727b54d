// The connection dialog: the operator chooses RS-232 or TCP/IP with port,
// address and port number, tries the connection, and accepts it or goes back
// to the settings the dialog was opened with. The address field keeps the
// history of recent addresses.
#pragma once

#include "link/tcp_line.h"
#include "platform/userint.h"

namespace telvar {

inline constexpr int HISTORY_TEXT_COLOR = 0xE0E0E0;

inline constexpr const char* IP_HISTORY_FILE = "if_history.ipa";
inline constexpr const char* CONNECTION_SETTINGS_FILE = "connection.ini";
inline constexpr const char* RECONNECT_KEY = "reconnect";

extern char ipComboBoxFileName[MAX_PATHNAME_LEN];  // the address history file
extern char connectionSettingsFileName[MAX_PATHNAME_LEN];  // beside it, the dialog's other choices

extern int comprotocolold;  // the dialog's values when it was last opened
extern int comportold;
extern char ipBufOld[IP_TEXT_SIZE];
extern int portNumOld;
extern char portNumStrOld[PORT_TEXT_SIZE];

// Start-up: makes the address field a combo box, grey and hidden (the
// default transport is RS-232), fills the COM port selector, and loads the
// address history into the combo's list.
void setup_connection_dialog();
void load_ip_history();
// The saved choice of reconnecting, into the check box and reconnectAuto.
void load_connection_settings();
// Offers every COM port the machine has, each with the device it stands for
// and what the system knows of it; a port this user may not open says so.
void fill_com_port_selector();

int CC_CMD_CONNECT(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
// Choosing a port this user may not open shows how to get the permission.
int CBF_ChooseComPort(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int CBF_EditCommunicationProtocol(int panel, int control, int event, void* callbackData,
                                  int eventData1, int eventData2);
int CBF_StringIpAdress(int panel, int control, int event, void* callbackData, int eventData1,
                       int eventData2);
// The check box "Reconnect automatically": takes effect at once and is saved.
int CBF_CheckReconnect(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int CBF_ButtonTryToConnect(int panel, int control, int event, void* callbackData, int eventData1,
                           int eventData2);
int CBF_ButtonAccept(int panel, int control, int event, void* callbackData, int eventData1,
                     int eventData2);
int CBF_ButtonDiscard(int panel, int control, int event, void* callbackData, int eventData1,
                      int eventData2);

}  // namespace telvar
