// The firmware download: the running firmware is asked to start its boot
// loader, the serial port is reopened in the boot loader's settings, the
// image goes out line by line as text, and the port returns to the normal
// protocol. Serial lines only; the update page's log shows the dialogue.
#pragma once

namespace telvar {

inline constexpr const char* SERIAL_ONLY_TEXT =
    "To upgrade the controller you need to establish a connection\r\n"
    "using a RS232 COM port or an RS232-to-USB converter emulating\r\n"
    "an virtual COM port. Upgrade is not supported using TCP/IP.";
inline constexpr const char* BOOTLOADER_PROMPT = "Waiting for application S-Record.";
inline constexpr const char* APPLICATION_STARTED = "Application started from address";

// Time limits, in seconds.
inline constexpr double PROMPT_WAIT = 5.0;
inline constexpr double LINE_DRAIN_WAIT = 0.5;
inline constexpr double START_MESSAGE_WAIT = 2.0;

int CC_CMD_PROGRAM(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);

}  // namespace telvar
