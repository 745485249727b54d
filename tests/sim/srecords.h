// SPDX-License-Identifier: GPL-3.0-or-later
// S-record text for the boot-loader tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace telvar::sim::test {

// One record of the given type with a correct checksum, no line end.
inline std::string srecord(int type, std::uint32_t address, const std::vector<std::uint8_t>& data = {})
{
    const int address_bytes = (type == 2 || type == 8) ? 3 : (type == 3 || type == 7) ? 4 : 2;
    std::vector<std::uint8_t> bytes;
    bytes.push_back(static_cast<std::uint8_t>(address_bytes + data.size() + 1));
    for (int k = address_bytes - 1; k >= 0; --k)
        bytes.push_back(static_cast<std::uint8_t>(address >> (8 * k)));
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (std::uint8_t byte : bytes)
        sum += byte;
    bytes.push_back(static_cast<std::uint8_t>(0xFF - (sum & 0xFF)));

    std::string line = "S" + std::to_string(type);
    char hex[3];
    for (std::uint8_t byte : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", byte);
        line += hex;
    }
    return line;
}

// A firmware image of data records at 0x02000000 on, sixteen bytes each,
// with a header and an S7 start record; every line ends CR LF.
inline std::string firmware_image(int data_records, std::uint32_t start = 0x02000400)
{
    std::string image = srecord(0, 0, {'T', 'E', 'S', 'T'}) + "\r\n";
    for (int k = 0; k < data_records; ++k) {
        std::vector<std::uint8_t> data(16);
        for (int b = 0; b < 16; ++b)
            data[b] = static_cast<std::uint8_t>(k * 16 + b);
        image += srecord(3, 0x02000000u + 16u * k, data) + "\r\n";
    }
    return image + srecord(7, start) + "\r\n";
}

}  // namespace telvar::sim::test
