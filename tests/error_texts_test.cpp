#include "link/error_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace telvar {
namespace {

TEST(ErrorTexts, SerialCodesHaveTheirTextsAndOthersAFallback)
{
    EXPECT_STREQ(rs232_error_text(-2), "Invalid port number");
    EXPECT_STREQ(rs232_error_text(-4), "Unknown I/0 error");
    EXPECT_STREQ(rs232_error_text(-7), "Cannot open port");
    EXPECT_STREQ(rs232_error_text(-99), "Timeout");
    EXPECT_STREQ(rs232_error_text(-5), "RS-232 error!");
    EXPECT_STREQ(rs232_error_text(-100), "RS-232 error!");
}

TEST(ErrorTexts, TcpTextsKeepTheirTrailingBlanks)
{
    EXPECT_STREQ(tcp_error_text(-1), "Unable to register service");
    EXPECT_STREQ(tcp_error_text(-11), "Time out error ");
    EXPECT_STREQ(tcp_error_text(-12), "No connection established ");
    EXPECT_STREQ(tcp_error_text(-17), "Network subsystem not ready ");
    EXPECT_STREQ(tcp_error_text(-20), "Info not available");
    EXPECT_STREQ(tcp_error_text(-21), "Connection to server failed");
    EXPECT_STREQ(tcp_error_text(-3000), "Connection to server failed");
}

}  // namespace
}  // namespace telvar
