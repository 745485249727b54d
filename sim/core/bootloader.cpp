// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/bootloader.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "sim/core/srecord.h"

namespace telvar::sim {

namespace {

Send text(const std::string& line)
{
    return Send{std::chrono::milliseconds(0), Bytes(line.begin(), line.end())};
}

std::string numbered(const char* format, int number)
{
    char line[96];
    std::snprintf(line, sizeof line, format, number);
    return line;
}

}  // namespace

BootLoader::BootLoader(const BootLoaderSettings& settings, Time now)
    : settings_(settings), busy_until_(now), deadline_(now + kPromptDelay + kIdleTimeout)
{
}

Actions BootLoader::start() const
{
    if (!settings_.prompts)
        return {};
    const std::string banner = "\r\nTELVAR-K20 Boot Loader V1.0\r\n" + std::string(kPrompt) + "\r\n";
    return {Send{kPromptDelay, Bytes(banner.begin(), banner.end())}};
}

Actions BootLoader::receive(std::span<const std::uint8_t> bytes, Time now)
{
    Actions out = process(now);
    if (outcome_ != Outcome::running)
        return out;
    busy_until_ = std::max(busy_until_, now);
    bool lost = false;
    for (std::uint8_t byte : bytes) {
        if (byte == kXon || byte == kXoff)
            continue;
        if (buffer_.size() < kBootBufferSize)
            buffer_.push_back(static_cast<char>(byte));
        else
            lost = true;
    }
    if (lost && !overrun_)
        out.push_back(text("Receive buffer overrun.\r\n"));
    overrun_ = overrun_ || lost;
    append(out, process(now));
    if (!paused_ && outcome_ == Outcome::running && buffer_.size() >= kXoffLevel) {
        paused_ = true;
        out.push_back(Send{std::chrono::milliseconds(0), {kXoff}});
    }
    return out;
}

Actions BootLoader::process(Time now)
{
    Actions out;
    while (outcome_ == Outcome::running && busy_until_ <= now) {
        const auto line = next_line();
        if (!line)
            break;
        if (line->empty())
            continue;
        busy_until_ += settings_.record_time;
        append(out, take_record(*line, now));
    }
    if (outcome_ == Outcome::running && now >= deadline_) {
        outcome_ = Outcome::timed_out;
        out.push_back(text("Download timed out.\r\n"));
    }
    if (paused_ && (outcome_ != Outcome::running || buffer_.size() <= kXonLevel)) {
        paused_ = false;
        out.push_back(Send{std::chrono::milliseconds(0), {kXon}});
    }
    return out;
}

std::optional<Time> BootLoader::next_wakeup() const
{
    if (outcome_ != Outcome::running)
        return std::nullopt;
    return has_line() ? std::min(busy_until_, deadline_) : deadline_;
}

bool BootLoader::has_line() const
{
    return buffer_.find('\n') != std::string::npos || buffer_.size() > kMaxLineLength;
}

// A line too long for any record is taken as it stands, to be reported.
std::optional<std::string> BootLoader::next_line()
{
    const std::size_t end = buffer_.find('\n');
    if (end == std::string::npos) {
        if (buffer_.size() <= kMaxLineLength)
            return std::nullopt;
        return std::exchange(buffer_, {});
    }
    std::string line = buffer_.substr(0, end);
    buffer_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

Actions BootLoader::take_record(const std::string& line, Time now)
{
    ++records_;
    image_ += line + "\r\n";
    const auto record = parse_srecord(line);
    if (!record || !record->checksum_ok) {
        ++bad_records_;
        return {text(numbered(record ? "Checksum error in record %d.\r\n" : "Invalid record %d.\r\n", records_))};
    }
    deadline_ = now + kIdleTimeout;
    return record->ends_download() ? finish(record->address) : Actions{};
}

Actions BootLoader::finish(std::uint32_t start_address)
{
    if (overrun_) {
        outcome_ = Outcome::rejected;
        return {text("Download failed: receive buffer overrun. Application not started.\r\n")};
    }
    if (bad_records_ > 0) {
        outcome_ = Outcome::rejected;
        return {text(numbered("Download failed: %d bad records. Application not started.\r\n", bad_records_))};
    }
    outcome_ = Outcome::started;
    if (!settings_.announces_start)
        return {};
    char address[16];
    std::snprintf(address, sizeof address, "0x%08X", static_cast<unsigned>(start_address));
    return {text(std::string(kStartMessage) + address + "\r\n")};
}

}  // namespace telvar::sim
