// SPDX-License-Identifier: GPL-3.0-or-later
// The status-line texts for the negative results of the RS-232 and TCP
// libraries, code by code, with their trailing blanks.
#include "link/error_texts.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace telvar {
namespace {

struct Row {
    int code;
    const char* text;
};

const Row kRs232[] = {
    {-1, "Unknown system error"},
    {-2, "Invalid port number"},
    {-3, "Port is not open"},
    {-4, "Unknown I/0 error"},
    {-6, "No serial port found"},
    {-7, "Cannot open port"},
    {-13, "Invalid parameter"},
    {-99, "Timeout"},
    // Any other negative code.
    {-5, "RS-232 error!"},
    {-8, "RS-232 error!"},
    {-12, "RS-232 error!"},
    {-14, "RS-232 error!"},
    {-98, "RS-232 error!"},
    {-100, "RS-232 error!"},
    {INT_MIN, "RS-232 error!"},
};

const Row kTcp[] = {
    {-1, "Unable to register service"},
    {-2, "Unable to establish connection"},
    {-3, "Existing server"},
    {-4, "Failed to connect"},
    {-5, "Server not registered"},
    {-6, "Too many conversations"},
    {-7, "Read failed"},
    {-8, "Write failed"},
    {-9, "Invalid parameter"},
    {-10, "Out of memory"},
    {-11, "Time out error "},
    {-12, "No connection established "},
    {-13, "General IO err"},
    {-14, "Connection closed"},
    {-15, "Unable to load WinsockDLL"},
    {-16, "Incorrect WinsockDLL version"},
    {-17, "Network subsystem not ready "},
    {-18, "Connections still open"},
    {-19, "Disconnect pending"},
    {-20, "Info not available"},
    // Any other negative code.
    {-21, "Connection to server failed"},
    {-99, "Connection to server failed"},
    {-3000, "Connection to server failed"},
    {INT_MIN, "Connection to server failed"},
};

// Why a connect failed, where the code tells it; nothing where it does not.
const Row kConnectReasons[] = {
    {-4, "Refused: nothing at 10.0.0.5 accepts connections on port 10001."},
    {-11, "Timed out: no answer from 10.0.0.5 on port 10001."},
    {-2, "Unknown host: no address is known for 10.0.0.5."},
    {-21, "No permission: the system does not let this program connect to 10.0.0.5 on port 10001."},
    {-13, ""},
    {-9, ""},
    {0, ""},
};

TEST(ErrorTexts, EverySerialCodeHasItsText)
{
    for (const Row& row : kRs232)
        EXPECT_EQ(std::string(rs232_error_text(row.code)), row.text) << "code " << row.code;
}

TEST(ErrorTexts, EveryTcpCodeHasItsText)
{
    for (const Row& row : kTcp)
        EXPECT_EQ(std::string(tcp_error_text(row.code)), row.text) << "code " << row.code;
}

TEST(ErrorTexts, ConnectFailuresSayWhy)
{
    for (const Row& row : kConnectReasons)
        EXPECT_EQ(tcp_connect_reason(row.code, "10.0.0.5", 10001), row.text) << "code " << row.code;
}

}  // namespace
}  // namespace telvar
