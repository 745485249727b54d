// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware download: the running firmware is asked to start its boot
// loader, the serial port is reopened in the boot loader's settings, the
// image goes out line by line as text, and the port returns to the normal
// protocol. Serial lines only. The dialogue is shown through a view: the
// update page's log and progress, or the command line's. The operator's texts
// here are English; the window shows tr_text("FirmwareUpdate", text).
#pragma once

#include "platform/translation.h"

#include <functional>
#include <string>
#include <vector>

namespace telvar {

inline constexpr const char* SERIAL_ONLY_TEXT =
    TR_NOOP("FirmwareUpdate",
            "To upgrade the controller you need to establish a connection\r\n"
            "using a RS232 COM port or an RS232-to-USB converter emulating\r\n"
            "an virtual COM port. Upgrade is not supported using TCP/IP.");
inline constexpr const char* BOOTLOADER_PROMPT = "Waiting for application S-Record.";
inline constexpr const char* APPLICATION_STARTED = "Application started from address";
// Set off from the log by an empty line.
inline constexpr const char* DOWNLOAD_SUCCESS_TEXT = TR_NOOP("FirmwareUpdate", "Firmwareupdate was successful!");

// Time limits, in seconds.
inline constexpr double PROMPT_WAIT = 5.0;
inline constexpr double LINE_DRAIN_WAIT = 0.5;
inline constexpr double START_MESSAGE_WAIT = 2.0;

struct DownloadView {
    std::function<void(const std::string& text)> replace_log;  // the whole log anew
    std::function<void(const std::string& text)> append_log;
    std::function<void(int percent)> progress;                  // of the lines sent
    // Asked while the boot loader is waited for and between lines: true
    // ends the download there. Without it the download runs to its end.
    std::function<bool()> stop_requested = {};
};

enum class DownloadOutcome {
    NotEntered,  // the boot loader entry failed; reported as a failed command
    NoPrompt,    // the boot loader never prompted; the port stays in its settings
    Stopped,     // stop_requested after the entry; the port stays in the boot loader's settings
    Cut,         // the line failed before every line went out: the boot loader waits for the rest
    Sent,        // every line went out, but no start message came
    Started,     // the new application reported its start
};

// The message of an image that cannot be read, its reason after it; it names
// no file.
inline constexpr const char* IMAGE_OPEN_FAILED_TEXT = TR_NOOP("FirmwareUpdate", "Could not open file!");

// Reads the image and checks every record, the last an end record; the lines
// to send (empty lines dropped), or the operator's message of why it is not
// sent.
bool read_image(const std::string& path, std::vector<std::string>* lines, std::string* error);

// The boot-loader dialogue with the image's lines on the serial line open as
// the protocol line; afterwards the protocol line is open again unless the
// boot loader never prompted.
DownloadOutcome download_image(const std::vector<std::string>& lines, const DownloadView& view);

}  // namespace telvar
