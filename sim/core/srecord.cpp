// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/srecord.h"

#include <charconv>
#include <vector>

namespace telvar::sim {

namespace {

// Address bytes by record type; 0 marks a type that does not exist.
constexpr int kAddressBytes[10] = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

std::optional<std::vector<std::uint8_t>> hex_bytes(std::string_view digits)
{
    if (digits.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t at = 0; at < digits.size(); at += 2) {
        std::uint8_t byte = 0;
        const char* first = digits.data() + at;
        const auto [end, error] = std::from_chars(first, first + 2, byte, 16);
        if (error != std::errc() || end != first + 2)
            return std::nullopt;
        bytes.push_back(byte);
    }
    return bytes;
}

}  // namespace

std::optional<SRecord> parse_srecord(std::string_view line)
{
    if (line.size() < 4 || (line[0] != 'S' && line[0] != 's') || line[1] < '0' || line[1] > '9')
        return std::nullopt;
    const int type = line[1] - '0';
    const int address_bytes = kAddressBytes[type];
    const auto bytes = hex_bytes(line.substr(2));
    if (address_bytes == 0 || !bytes || bytes->size() < static_cast<std::size_t>(address_bytes) + 2
        || (*bytes)[0] != bytes->size() - 1)
        return std::nullopt;

    std::uint32_t address = 0;
    for (int k = 1; k <= address_bytes; ++k)
        address = (address << 8) | (*bytes)[k];
    unsigned sum = 0;
    for (std::uint8_t byte : *bytes)
        sum += byte;
    return SRecord{type, address, (sum & 0xFF) == 0xFF};
}

}  // namespace telvar::sim
