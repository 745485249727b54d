// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/merge.h"

#include "firmware/srecord.h"
#include "platform/counted.h"
#include "platform/translation.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

namespace telvar {

namespace {

inline constexpr std::size_t TABLE_LINE_CHARS = 15;

std::string values_text(long long count)
{
    return counted(count, tr_text("FirmwareUpdate", "value"), tr_text("FirmwareUpdate", "values"));
}

// Takes the table values of one channel, two lines a value.
class TableReader {
public:
    explicit TableReader(const LinearisationTable& table) : table_(table) {}

    bool wants_more() const { return table_.used && used_lines_ < TABLE_LINES; }
    int values() const { return used_lines_ / 2; }
    // The values the merge takes from the table when the window has room.
    int whole() const
    {
        return table_.used ? static_cast<int>(std::min<std::size_t>(table_.lines.size(), TABLE_LINES) / 2) : 0;
    }
    bool taken_whole() const { return values() >= whole(); }
    const std::string& name() const { return table_.name; }

    bool next(std::int16_t* value, std::string* error)
    {
        const std::size_t line = static_cast<std::size_t>(used_lines_) + 1;
        used_lines_ += 2;
        if (line >= table_.lines.size()) {
            const std::size_t held = table_.lines.size() / 2;
            *error = with_args(
                tr_text("FirmwareUpdate", "The linearisation data of %1 hold %2, fewer than the window needs."),
                {table_.name, values_text(static_cast<long long>(held))});
            return false;
        }
        if (!parse_table_value(table_.lines[line], value)) {
            *error = with_args(
                tr_text("FirmwareUpdate", "Line %1 of the linearisation data of %2 holds no value of 16 bits."),
                {std::to_string(line + 1), table_.name});
            return false;
        }
        return true;
    }

private:
    const LinearisationTable& table_;
    int used_lines_ = 0;
};

void put_hex_byte(std::string& line, std::size_t at, unsigned byte)
{
    static const char digits[] = "0123456789ABCDEF";
    line[at] = digits[(byte >> 4) & 0xF];
    line[at + 1] = digits[byte & 0xF];
}

int words_of(std::string_view line)
{
    return (hex_byte(line, 2) - 5) / 2;
}

// Whether an S3 record lies inside the window, counting its words.
bool in_window(std::string_view line, std::int64_t start, std::int64_t end)
{
    if (line.substr(0, 2) != "S3")
        return false;
    std::uint32_t address = 0;
    for (int k = 0; k < 4; ++k)
        address = address << 8 | static_cast<std::uint32_t>(hex_byte(line, 4 + 2 * k));
    const auto signed_address = static_cast<std::int64_t>(static_cast<std::int32_t>(address));
    return signed_address >= start && signed_address + words_of(line) <= end;
}

// A window bound as the address fields show it.
std::string address_text(std::int64_t address)
{
    char text[24];
    std::snprintf(text, sizeof text, "%s0x%llX", address < 0 ? "-" : "",
                  static_cast<unsigned long long>(address < 0 ? -address : address));
    return text;
}

// A table cut short by the window would leave that channel's sensor partly
// unlinearised in an image that looks merged: refused instead.
std::string refusal(std::int64_t window_words, const TableReader& a, const TableReader& b)
{
    std::string names;
    for (const TableReader* table : {&a, &b}) {
        if (table->taken_whole())
            continue;
        names = names.empty() ? table->name()
                              : with_args(tr_text("FirmwareUpdate", "%1 and %2"), {names, table->name()});
    }
    return with_args(tr_text("FirmwareUpdate", "The linearisation data of %1 do not fit into the window whole: the "
                                               "window holds %2, the checked tables have %3."),
                     {names, values_text(static_cast<long long>(window_words)), std::to_string(a.whole() + b.whole())});
}

// The bytes the tables' values went to, as ranges [first, end) by their
// first byte. They never overlap: a record over them is refused.
class TableBytes {
public:
    void add(std::int64_t first, std::int64_t end)
    {
        if (first < end)
            ranges_[first] = end;
    }
    bool overlap(std::int64_t first, std::int64_t end) const
    {
        auto before = ranges_.lower_bound(end);
        if (before == ranges_.begin())
            return false;
        --before;  // the last range to start before `end`, the one that ends last
        return before->second > first;
    }

private:
    std::map<std::int64_t, std::int64_t> ranges_;
};

// A record's address as the window compares it: signed 32 bits.
std::int64_t signed_address(const Record& record)
{
    return static_cast<std::int32_t>(record.address);
}

// The record with its words replaced by table values while the tables last.
bool patch(std::string& line, TableReader& a, TableReader& b, std::string* error)
{
    const int count = hex_byte(line, 2);
    const int words = words_of(line);
    unsigned sum = static_cast<unsigned>(count);
    for (int k = 0; k < 4; ++k)
        sum += static_cast<unsigned>(hex_byte(line, 4 + 2 * k));
    for (int i = 0; i < words; ++i) {
        const std::size_t at = 12 + 4 * static_cast<std::size_t>(i);
        TableReader* table = a.wants_more() ? &a : b.wants_more() ? &b : nullptr;
        unsigned first;
        unsigned second;
        if (table) {
            std::int16_t value = 0;
            if (!table->next(&value, error))
                return false;
            const auto bits = static_cast<std::uint16_t>(value);
            first = bits & 0xFF;  // low byte first
            second = bits >> 8;
            put_hex_byte(line, at, first);
            put_hex_byte(line, at + 2, second);
        } else {
            first = static_cast<unsigned>(hex_byte(line, at));
            second = static_cast<unsigned>(hex_byte(line, at + 2));
        }
        sum += first + second;
    }
    // A record with an odd number of data bytes keeps its last byte whole.
    std::size_t checksum_at = 12 + 4 * static_cast<std::size_t>(words);
    if ((count - 5) % 2 != 0) {
        sum += static_cast<unsigned>(hex_byte(line, checksum_at));
        checksum_at += 2;
    }
    put_hex_byte(line, checksum_at, 0xFF - (sum & 0xFF));
    for (char& c : line)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return true;
}

}  // namespace

bool parse_table_value(std::string_view line, std::int16_t* value)
{
    std::string_view s = line.substr(0, TABLE_LINE_CHARS);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return false;
    long magnitude = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 32768)
            return false;
    }
    const long result = negative ? -magnitude : magnitude;
    if (result > 32767)
        return false;
    *value = static_cast<std::int16_t>(result);
    return true;
}

MergeOutcome merge_linearisation(const MergeRequest& request)
{
    MergeOutcome outcome;
    const std::int64_t start = request.start + WINDOW_OFFSET;
    const std::int64_t end = request.end + WINDOW_OFFSET;
    if (start >= end) {
        outcome.error = with_args(
            tr_text("FirmwareUpdate", "The window's start address %1 is not below its end address %2."),
            {address_text(request.start), address_text(request.end)});
        return outcome;
    }
    TableReader a(request.a);
    TableReader b(request.b);
    TableBytes table_bytes;
    std::int64_t window_words = 0;
    int last_type = -1;
    for (std::size_t k = 0; k < request.firmware.size(); ++k) {
        std::string line = request.firmware[k];
        if (line.empty())
            continue;  // S-record files carry none; the reading goes on
        // A record the merge would patch with a fresh checksum must be sound
        // before: a damaged image is refused, not repaired.
        Record record;
        if (const RecordError e = check_record(line, &record); e != RecordError::None) {
            outcome.error = with_args(tr_text("FirmwareUpdate", "Line %1 of the firmware file has %2."),
                                      {std::to_string(k + 1), record_error_text(e)});
            outcome.lines.clear();
            return outcome;
        }
        last_type = record.type;
        // Programmed in file order, a later record's bytes replace the tables'.
        const std::int64_t first = signed_address(record);
        const bool data = record.type >= 1 && record.type <= 3;
        if (data && table_bytes.overlap(first, first + static_cast<std::int64_t>(record.data.size()))) {
            outcome.error = with_args(
                tr_text("FirmwareUpdate", "Line %1 of the firmware file writes at %2 over the linearisation data."),
                {std::to_string(k + 1), address_text(record.address)});
            outcome.lines.clear();
            return outcome;
        }
        if (in_window(line, start, end)) {
            window_words += words_of(line);
            const int values_before = a.values() + b.values();
            if (!patch(line, a, b, &outcome.error)) {
                outcome.lines.clear();
                return outcome;
            }
            table_bytes.add(first, first + 2 * (a.values() + b.values() - values_before));
        }
        outcome.lines.push_back(line);
    }
    if (!ends_image(last_type))
        outcome.error = tr_text("FirmwareUpdate", "The firmware file does not end with an end record (S7, S8 or S9).");
    else if (window_words == 0)
        outcome.error = with_args(
            tr_text("FirmwareUpdate", "The window from %1 to %2 holds no data of the firmware file."),
            {address_text(request.start), address_text(request.end)});
    else if (!a.taken_whole() || !b.taken_whole())
        outcome.error = refusal(window_words, a, b);
    if (!outcome.ok()) {
        outcome.lines.clear();
        return outcome;
    }
    outcome.values_a = a.values();
    outcome.values_b = b.values();
    return outcome;
}

}  // namespace telvar
