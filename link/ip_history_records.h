// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of the file of recent IP addresses: up to ten records of 21
// bytes, newest first, no header: the address in 20 bytes filled up with
// zero bytes (a longer one cut to 20, with no zero byte), then a line feed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telvar {

inline constexpr int IP_HISTORY_ENTRIES = 10;
inline constexpr int IP_RECORD_TEXT = 20;
inline constexpr int IP_RECORD_SIZE = IP_RECORD_TEXT + 1;

// The non-empty entries in file order. The entry count is the size / 21,
// whatever the records hold: that many lines are read, each cut to 20
// characters and ended early by a zero byte.
std::vector<std::string> ip_history_entries(std::string_view bytes);

// The records of the entries, in list order.
std::string ip_history_records(const std::vector<std::string>& entries);

}  // namespace telvar
