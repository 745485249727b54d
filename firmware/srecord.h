// SPDX-License-Identifier: GPL-3.0-or-later
// Motorola S-record lines: "S", a type digit, the byte count, the address,
// the data and a checksum, all in hexadecimal digits. The byte count counts
// address, data and checksum; the checksum is the one's complement of the
// low byte of the sum of every byte from the count on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telvar {

enum class RecordError {
    None,
    NotARecord,   // does not start with "S" and a digit
    BadType,      // S4, or a type that carries no address of the kind it claims
    BadDigits,    // a character that is not a hexadecimal digit
    BadLength,    // the byte count does not match the line's length
    BadChecksum,
};

struct Record {
    int type = 0;                      // 0 to 9
    std::uint32_t address = 0;
    std::vector<std::uint8_t> data;    // the bytes after the address, without the checksum
};

// The number of address bytes a record type carries (S0, S1, S5, S9: 2; S2, S6, S8: 3; S3, S7: 4).
int address_bytes(int type);

// Whether a record of this type ends an image (S7, S8, S9): the boot loader
// starts the application on it, and an image without it was cut short.
bool ends_image(int type);

// Checks a line as one record; None when it is a well-formed record.
RecordError check_record(std::string_view line, Record* record = nullptr);

// An image's text checked record by record before any of it is sent.
struct ImageCheck {
    std::vector<std::string> lines;   // the records, empty lines dropped; empty after an error
    RecordError error = RecordError::None;
    std::size_t bad_line = 0;         // 1-based number of the first bad line
};

// Every non-empty line must be a sound record; the first that is not stops the check.
ImageCheck check_image(std::string_view text);

// Words that say what is wrong with a record, for the operator, in the
// window's language; each completes "line N of FILE has ...".
const char* record_error_text(RecordError error);

// The checksum byte of `bytes` (count, address and data).
std::uint8_t record_checksum(const std::vector<std::uint8_t>& bytes);

// The value of two hexadecimal digits at `at`; -1 when they are not both digits.
int hex_byte(std::string_view text, std::size_t at);

}  // namespace telvar
