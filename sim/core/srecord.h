// SPDX-License-Identifier: GPL-3.0-or-later
// One line of a Motorola S-record file, as the boot loader checks it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace telvar::sim {

struct SRecord {
    int type;               // the digit after the S
    std::uint32_t address;  // for S7, S8 and S9 the start address
    bool checksum_ok;

    bool ends_download() const { return type >= 7; }
};

// Empty when the line is no S-record at all: wrong type, odd or non-hex
// digits, or a byte count that does not match the line.
std::optional<SRecord> parse_srecord(std::string_view line);

}  // namespace telvar::sim
