// SPDX-License-Identifier: GPL-3.0-or-later
// The TCP connection to the controller, with the PC as client.
#pragma once

namespace telvar {

inline constexpr int IP_TEXT_SIZE = 256;
inline constexpr int PORT_TEXT_SIZE = 32;

extern const int& tcpcon;           // 1 while connected and the line passed its check
extern const int& g_hconversation;  // handle of the open conversation, 0 for none
extern const char (&ipBuf)[IP_TEXT_SIZE];  // controller address as typed
extern const int& portNum;               // controller port number
extern const char (&portNumStr)[PORT_TEXT_SIZE];
extern const int& bytesToRead;  // bytes of the expected answer still missing

// Mode 0 disconnects: 0 when done, 1 when it failed. Mode 1 reconnects to
// ipBuf:portNum and checks the line: 1 when connected and checked, else 0.
// The result is tcpcon's new value.
int InitTCP_IP(int mode);
// The library's code of the last connect, 0 when it succeeded: what the
// connection dialog explains.
int last_connect_result();
int ClientTCPCB(unsigned handle, int xType, int errCode, void* callbackData);

}  // namespace telvar
