// The file of recent IP addresses: up to ten records of 21 bytes, newest
// first, no header: the address in 20 bytes filled up with zero bytes (a
// longer one cut to 20, with no zero byte), then a line feed.
#pragma once

#include <string>
#include <vector>

namespace telvar {

inline constexpr int IP_HISTORY_ENTRIES = 10;
inline constexpr int IP_RECORD_TEXT = 20;
inline constexpr int IP_RECORD_SIZE = IP_RECORD_TEXT + 1;

// The non-empty entries in file order; empty when the file is missing. The
// entry count is the file size / 21, whatever the records hold.
std::vector<std::string> read_ip_history(const std::string& path);

// Writes a new file beside the old one and renames it over it, so that a
// failed write leaves the old history whole. False when it failed.
bool write_ip_history(const std::string& path, const std::vector<std::string>& entries);

// Where the history file lives: in the program's directory, or in the
// per-user data directory when the program's directory cannot be written.
std::string ip_history_location(const std::string& program_dir, const std::string& file_name);

}  // namespace telvar
