// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/srecord.h"

#include "firmware/text_lines.h"
#include "platform/translation.h"

namespace telvar {

namespace {

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

int hex_byte(std::string_view text, std::size_t at)
{
    if (at + 1 >= text.size())
        return -1;
    const int high = hex_digit(text[at]);
    const int low = hex_digit(text[at + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

int address_bytes(int type)
{
    switch (type) {
    case 0: case 1: case 5: case 9: return 2;
    case 2: case 6: case 8: return 3;
    case 3: case 7: return 4;
    default: return 0;
    }
}

bool ends_image(int type)
{
    return type >= 7 && type <= 9;
}

std::uint8_t record_checksum(const std::vector<std::uint8_t>& bytes)
{
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

RecordError check_record(std::string_view line, Record* record)
{
    if (line.size() < 2 || line[0] != 'S' || line[1] < '0' || line[1] > '9')
        return RecordError::NotARecord;
    const int type = line[1] - '0';
    const int address_size = address_bytes(type);
    if (address_size == 0)
        return RecordError::BadType;
    for (std::size_t k = 2; k < line.size(); ++k)
        if (hex_digit(line[k]) < 0)
            return RecordError::BadDigits;
    const int count = hex_byte(line, 2);
    if (count < 0 || line.size() != 4 + 2 * static_cast<std::size_t>(count))
        return RecordError::BadLength;
    if (count < address_size + 1)
        return RecordError::BadLength;
    std::vector<std::uint8_t> bytes;
    for (int k = 0; k <= count; ++k)
        bytes.push_back(static_cast<std::uint8_t>(hex_byte(line, 2 + 2 * k)));
    const std::uint8_t checksum = bytes.back();
    bytes.pop_back();
    if (record_checksum(bytes) != checksum)
        return RecordError::BadChecksum;
    if (record) {
        record->type = type;
        record->address = 0;
        for (int k = 0; k < address_size; ++k)
            record->address = record->address << 8 | bytes[1 + k];
        record->data.assign(bytes.begin() + 1 + address_size, bytes.end());
    }
    return RecordError::None;
}

ImageCheck check_image(std::string_view text)
{
    ImageCheck check;
    const std::vector<std::string> all = split_lines(text);
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (all[k].empty())
            continue;  // S-record files carry none; the rest is still sent
        if (const RecordError e = check_record(all[k]); e != RecordError::None) {
            check.lines.clear();
            check.error = e;
            check.bad_line = k + 1;
            return check;
        }
        check.lines.push_back(all[k]);
    }
    return check;
}

const char* record_error_text(RecordError error)
{
    switch (error) {
    case RecordError::None: return tr_text("FirmwareUpdate", "a good record");
    case RecordError::NotARecord: return tr_text("FirmwareUpdate", "not an S-record");
    case RecordError::BadType: return tr_text("FirmwareUpdate", "an unknown record type");
    case RecordError::BadDigits: return tr_text("FirmwareUpdate", "a character that is no hexadecimal digit");
    case RecordError::BadLength: return tr_text("FirmwareUpdate", "a byte count that does not match the line");
    case RecordError::BadChecksum: return tr_text("FirmwareUpdate", "a wrong checksum");
    }
    return "";
}

}  // namespace telvar
