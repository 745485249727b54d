// SPDX-License-Identifier: GPL-3.0-or-later
// The boot loader's side of a firmware download: it prompts, takes S-record
// lines (CR LF or LF ended), checks each record, and ends on the
// termination record (S7, S8 or S9).
//
// Programming a record takes time, so a fast sender fills the receive
// buffer: the boot loader then sends XOFF, and XON once the buffer has
// drained. A download with a bad record, or with bytes lost to a full
// buffer, does not start: the previous application runs on. Without a good
// record for kIdleTimeout the boot loader gives up the same way.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sim/core/actions.h"
#include "sim/core/time.h"

namespace telvar::sim {

inline constexpr std::string_view kPrompt = "Waiting for application S-Record.";
inline constexpr std::string_view kStartMessage = "Application started from address ";

inline constexpr std::uint8_t kXon = 0x11;
inline constexpr std::uint8_t kXoff = 0x13;
inline constexpr std::size_t kBootBufferSize = 2048;
inline constexpr std::size_t kXoffLevel = 1536;
inline constexpr std::size_t kXonLevel = 512;
inline constexpr std::size_t kMaxLineLength = 600;

// The line needs a moment after the switch of speed before the sender listens.
inline constexpr std::chrono::milliseconds kPromptDelay{1000};
inline constexpr Time kIdleTimeout = std::chrono::seconds(10);
// Well under the line time of a record at 115200 baud (about 4 ms for 44
// characters), so a pseudo-terminal, which delivers faster than any line,
// still hears the start message soon after the last record.
inline constexpr Time kRecordTime = std::chrono::milliseconds(1);

struct BootLoaderSettings {
    bool prompts = true;
    bool announces_start = true;
    Time record_time = kRecordTime;
};

class BootLoader {
public:
    enum class Outcome { running, started, rejected, timed_out };

    BootLoader(const BootLoaderSettings& settings, Time now);

    Actions start() const;
    Actions receive(std::span<const std::uint8_t> bytes, Time now);
    // Programs the records whose time has come.
    Actions process(Time now);

    std::optional<Time> next_wakeup() const;
    std::size_t room() const { return kBootBufferSize - buffer_.size(); }
    Outcome outcome() const { return outcome_; }
    // Every record line as received, each ended by CR LF.
    const std::string& image() const { return image_; }

private:
    bool has_line() const;
    std::optional<std::string> next_line();
    Actions take_record(const std::string& line, Time now);
    Actions finish(std::uint32_t start_address);

    BootLoaderSettings settings_;
    std::string buffer_;
    std::string image_;
    Time busy_until_;
    Time deadline_;
    bool paused_ = false;
    bool overrun_ = false;
    int records_ = 0;
    int bad_records_ = 0;
    Outcome outcome_ = Outcome::running;
};

}  // namespace telvar::sim
