// SPDX-License-Identifier: GPL-3.0-or-later
// TCP client library of the run-time platform, on QTcpSocket. A conversation
// is a handle; results are byte counts, 0 for success, or the negative codes
// below. Data-ready and disconnect events reach the installed callback from
// the event loop.
#pragma once

#include <cstddef>

namespace telvar {

inline constexpr int kTCP_UnableToEstablishConnection = -2;
inline constexpr int kTCP_FailedToConnect = -4;
inline constexpr int kTCP_ReadFailed = -7;
inline constexpr int kTCP_WriteFailed = -8;
inline constexpr int kTCP_InvalidParameter = -9;
inline constexpr int kTCP_TimeOutErr = -11;
inline constexpr int kTCP_NoConnectionEstablished = -12;
inline constexpr int kTCP_GeneralIOErr = -13;
inline constexpr int kTCP_ConnectionClosed = -14;
inline constexpr int kTCP_NetworkSubsystemNotReady = -17;
// The system does not let the program connect there (a firewall rule, a
// broadcast address); not among the library's codes.
inline constexpr int kTCP_NoPermission = -21;

inline constexpr int TCP_DISCONNECT = 1;
inline constexpr int TCP_DATAREADY = 3;

using tcpFuncPtr = int (*)(unsigned handle, int xType, int errCode, void* callbackData);

// Connects without blocking the event loop for longer than `timeoutMs`.
int ConnectToTCPServer(unsigned* conversationHandle, unsigned portNumber, const char* serverHostName,
                       tcpFuncPtr callback, void* callbackData, unsigned timeoutMs);
int DisconnectFromTCPServer(unsigned conversationHandle);
// Writes the bytes in one write and pushes them out; the count written.
int ClientTCPWrite(unsigned conversationHandle, const void* data, std::size_t dataSize,
                   unsigned timeoutMs);
// Reads what is waiting, up to dataSize bytes; waits up to timeoutMs when
// nothing is. The count read, or a negative code when none came.
int ClientTCPRead(unsigned conversationHandle, void* buffer, std::size_t dataSize,
                  unsigned timeoutMs);

}  // namespace telvar
