// SPDX-License-Identifier: GPL-3.0-or-later
// RS-232 library of the run-time platform, on QSerialPort. Ports are
// addressed by number (see serial_ports.h); results are byte counts, 0 for
// success, or one of the negative codes below.
#pragma once

namespace telvar {

inline constexpr int kRS_UnknownSysError = -1;
inline constexpr int kRS_InvalidPortNum = -2;
inline constexpr int kRS_PortNotOpen = -3;
inline constexpr int kRS_UnknownIOError = -4;
inline constexpr int kRS_NoPortFound = -6;
inline constexpr int kRS_CannotOpenPort = -7;
inline constexpr int kRS_InvalidParameter = -13;
inline constexpr int kRS_Timeout = -99;

// Events of the receive callback.
inline constexpr int LWRS_RXFLAG = 0x0002;   // the event character arrived
inline constexpr int LWRS_TXEMPTY = 0x0004;  // the output queue ran empty
inline constexpr int LWRS_RECEIVE = 0x8000;  // notify-count bytes are waiting

inline constexpr int LWRS_HWHANDSHAKE_OFF = 0;

using ComCallbackPtr = void (*)(int portNumber, int eventMask, void* callbackData);

// parity 0 = none, 1 = odd, 2 = even. deviceName may be empty: the number
// alone then selects the device.
int OpenComConfig(int port, const char* deviceName, long baudRate, int parity, int dataBits,
                  int stopBits, int inputQueueSize, int outputQueueSize);
int CloseCom(int port);
int SetComTime(int port, double timeoutSeconds);
int SetCTSMode(int port, int mode);
// 1 switches XON/XOFF flow control on, 0 off.
int SetXMode(int port, int mode);
int FlushInQ(int port);
int FlushOutQ(int port);
// The callback runs from the event loop; notifyCount applies to LWRS_RECEIVE.
int InstallComCallback(int port, int eventMask, int notifyCount, int eventCharacter,
                       ComCallbackPtr callback, void* callbackData);
// Queues the bytes and starts sending; the count queued or a negative code.
int ComWrt(int port, const char* buffer, int count);
// Called once, from the event loop, when the port's device is gone or broke
// (unplugged, or the other end of a pseudo-terminal closed). Nothing passes
// the port any more; it stays open for CloseCom.
using ComLostCallbackPtr = void (*)(int portNumber);
int InstallComLostCallback(int port, ComLostCallbackPtr callback);
// Reads `count` bytes, waiting up to the port's time-out; the count read.
int ComRd(int port, char* buffer, int count);
// As ComRd, but stops after the termination byte (which is not stored).
int ComRdTerm(int port, char* buffer, int count, int terminationByte);
int GetInQLen(int port);
int GetOutQLen(int port);

}  // namespace telvar
