// The frame exchange with the controller: one request, one answer, with
// retries. Every command frames with FillTxBuf, exchanges with ExchangeFrame
// and decodes with GetRxBuf.
#pragma once

#include "link/frame.h"

namespace telvar {

inline constexpr int PNUM = frame::kWords;
inline constexpr int BUFFER_BYTES = 1024;
// Answer wait of one attempt, and how many attempts an exchange makes.
inline constexpr double ANSWER_TIMEOUT = 0.5;
inline constexpr int EXCHANGE_ATTEMPTS = 9;
inline constexpr int POLL_MS = 20;

extern int sync;           // sync value written into requests
extern int order;          // order code of the frame being built or last answered
extern int rx_flag;        // 1 once a complete answer is in
extern int comprotocol;    // 0 = RS-232, anything else = TCP/IP
extern unsigned char szWriteBuf[BUFFER_BYTES];
extern unsigned char szReadBuf[BUFFER_BYTES];  // bytes past the answer stay zero
extern unsigned short emptyframe[PNUM];        // payload and answer of data-less commands
extern int nBytesW;
extern int nBytesR;
extern double tstart;
extern double tdiff;

void FillTxBuf(int order, const unsigned short* words);
// The answer's order code, or -1 when its sync word is wrong.
int GetRxBuf(unsigned short* words);
// Attempts left (9 .. 1) on success, 0 when every attempt failed.
int ExchangeFrame();
void RX_Receive_Function(int portNumber, int eventMask, void* callbackData);

// A command started from a callback that runs inside another exchange's wait
// would overwrite the frame buffers: such a command calls this first, and
// when it returns 1 gives up without sending anything.
int exchange_refused();
inline constexpr const char* BUSY_TEXT = "Busy! Command refused, another one is running.";

}  // namespace telvar
