// SPDX-License-Identifier: GPL-3.0-or-later
// Order codes of the controller protocol and the answer values that judge
// them. Shared by the tool and the controller simulator.
#pragma once

namespace telvar {

inline constexpr int ORDER_WRITE_RAM = 1;
inline constexpr int ORDER_READ_RAM = 2;
inline constexpr int ORDER_WRITE_EEPROM = 3;
inline constexpr int ORDER_READ_EEPROM = 4;
inline constexpr int ORDER_LINE_CHECK = 5;
inline constexpr int ORDER_TEACH = 6;
inline constexpr int ORDER_VERSION = 7;
inline constexpr int ORDER_RAWDATA = 8;
inline constexpr int ORDER_DATA_MEMORY = 9;
inline constexpr int ORDER_ENTER_TEST = 10;
inline constexpr int ORDER_EXIT_TEST = 11;
inline constexpr int ORDER_TEST_DATA = 12;
inline constexpr int ORDER_RESET = 13;
inline constexpr int ORDER_START_DOWNLOAD = 187;

// Each order code under its name, and whether the controller acknowledges
// it with ANSWER_ACK in answer word 0.
struct OrderName {
    int code;
    const char* name;
    bool acknowledged;
};

inline constexpr OrderName ORDER_NAMES[] = {
    {ORDER_WRITE_RAM, "WRITE_RAM", false},
    {ORDER_READ_RAM, "READ_RAM", false},
    {ORDER_WRITE_EEPROM, "WRITE_EEPROM", false},
    {ORDER_READ_EEPROM, "READ_EEPROM", false},
    {ORDER_LINE_CHECK, "LINE_CHECK", true},
    {ORDER_TEACH, "TEACH", true},
    {ORDER_VERSION, "VERSION", false},
    {ORDER_RAWDATA, "RAWDATA", false},
    {ORDER_DATA_MEMORY, "DATA_MEMORY", false},
    {ORDER_ENTER_TEST, "ENTER_TEST", true},
    {ORDER_EXIT_TEST, "EXIT_TEST", true},
    {ORDER_TEST_DATA, "TEST_DATA", false},
    {ORDER_RESET, "RESET", true},
    {ORDER_START_DOWNLOAD, "START_DOWNLOAD", true},
};

// Payload word 0 of an accepted command.
inline constexpr int ANSWER_ACK = 0x00AA;
// Answer order code of a data-memory request when nothing new was triggered.
inline constexpr int DATA_NO_TRIGGER = 0x09FF;
// Answer order codes of a data-memory block: 0x0900 + start index.
inline constexpr int DATA_BLOCK_FIRST = 0x0900;
inline constexpr int DATA_BLOCK_LAST = 0x0970;
// Payload of ORDER_START_DOWNLOAD: these two words alternate, eight pairs.
inline constexpr int DOWNLOAD_KEY_EVEN = 0x5555;
inline constexpr int DOWNLOAD_KEY_ODD = 0xAAAA;

// Line settings of the normal protocol and of the boot loader.
inline constexpr int PROTOCOL_BAUD = 19200;
inline constexpr int BOOTLOADER_BAUD = 115200;
// TCP port the connection dialog offers first; the simulator listens on it.
inline constexpr int DEFAULT_TCP_PORT = 10001;

}  // namespace telvar
