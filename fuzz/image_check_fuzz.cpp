// SPDX-License-Identifier: GPL-3.0-or-later
// The image check before a download, on any text: it takes exactly the
// non-empty lines when all are sound records, or stops at the first that is
// not; a record it accepts has a checksum that recomputes and is written
// again, field by field, as the line itself.
#include "firmware/srecord.h"
#include "firmware/text_lines.h"
#include "fuzz/property.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace telvar;

std::string hex(std::uint32_t value, int bytes)
{
    std::string out;
    char digits[3];
    for (int k = bytes - 1; k >= 0; --k) {
        std::snprintf(digits, sizeof digits, "%02X", (value >> (8 * k)) & 0xFF);
        out += digits;
    }
    return out;
}

// The record written from its fields, with a checksum computed afresh.
std::string written(const Record& r)
{
    const int size = address_bytes(r.type);
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(size + r.data.size() + 1)};
    for (int k = size - 1; k >= 0; --k)
        bytes.push_back(static_cast<std::uint8_t>(r.address >> (8 * k)));
    bytes.insert(bytes.end(), r.data.begin(), r.data.end());
    std::string line = "S" + std::to_string(r.type);
    for (std::uint8_t b : bytes)
        line += hex(b, 1);
    return line + hex(record_checksum(bytes), 1);
}

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using fuzz::require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ImageCheck check = check_image(text);
    const std::vector<std::string> all = split_lines(text);

    std::vector<std::string> sound;
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (all[k].empty())
            continue;
        Record record;
        const RecordError e = check_record(all[k], &record);
        if (e != RecordError::None) {
            require(check.error == e && check.bad_line == k + 1, "the check stops at the first bad line");
            require(check.lines.empty(), "nothing is kept to send");
            return 0;
        }
        require(written(record) == upper(all[k]), "an accepted record has a checksum that recomputes");
        sound.push_back(all[k]);
    }
    require(check.error == RecordError::None, "all sound, none refused");
    require(check.lines == sound, "every non-empty line is taken, in order");
    return 0;
}
