// SPDX-License-Identifier: GPL-3.0-or-later
// The linearisation merge on any firmware and table files together. The
// input is the window ("START END"), the firmware text and the tables of
// channel A and B, apart by "~"; a table left out or empty is an unchecked
// channel.
// A merge succeeds exactly when the window's start lies below its end, every
// record is sound, the last is an end record, the window holds a word, the
// tables hold the values the window needs, the window takes every value of
// each checked table (at most 1024) and no data record after the tables lies
// over their bytes; then the records outside the window come out
// as they went in, those inside take the tables' values in order, low byte
// first, and every record is sound.
#include "firmware/merge.h"
#include "firmware/srecord.h"
#include "firmware/text_lines.h"
#include "fuzz/property.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace telvar;

constexpr int kTableValues = TABLE_LINES / 2;

std::vector<std::string_view> parts_of(std::string_view input)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = input.find('~', start)) != std::string_view::npos; start = end + 1)
        parts.push_back(input.substr(start, end - start));
    parts.push_back(input.substr(start));
    return parts;
}

// The window's bounds as the fields would hold them: 32-bit integers.
void window_of(std::string_view text, MergeRequest& request)
{
    const std::string s(text);
    char* end = nullptr;
    const auto clamp = [](long long v) {
        return std::clamp<long long>(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    };
    request.start = clamp(std::strtoll(s.c_str(), &end, 0));
    request.end = clamp(std::strtoll(end, nullptr, 0));
}

LinearisationTable table_of(const std::vector<std::string_view>& parts, std::size_t k, const char* name)
{
    if (k >= parts.size() || parts[k].empty())
        return {false, name, {}};
    return {true, name, split_lines(parts[k])};
}

// The values a checked table gives when the window has room for them.
int whole(const LinearisationTable& t)
{
    return t.used ? static_cast<int>(std::min<std::size_t>(t.lines.size(), TABLE_LINES) / 2) : 0;
}

int words_of(const std::string& line)
{
    return (hex_byte(line, 2) - 5) / 2;
}

bool inside(const std::string& line, const MergeRequest& r)
{
    if (line.rfind("S3", 0) != 0)
        return false;
    std::uint32_t address = 0;
    for (int k = 0; k < 4; ++k)
        address = address << 8 | static_cast<std::uint32_t>(hex_byte(line, 4 + 2 * k));
    const std::int64_t at = static_cast<std::int32_t>(address);
    return at >= r.start + WINDOW_OFFSET && at + words_of(line) <= r.end + WINDOW_OFFSET;
}

// The table's first `count` values, or fewer when a line is missing or bad.
std::vector<std::int16_t> values_of(const LinearisationTable& t, int count)
{
    std::vector<std::int16_t> values;
    for (int k = 0; k < count; ++k) {
        const std::size_t line = 2 * static_cast<std::size_t>(k) + 1;
        std::int16_t v = 0;
        if (line >= t.lines.size() || !parse_table_value(t.lines[line], &v))
            break;
        values.push_back(v);
    }
    return values;
}

bool ends(const std::vector<std::string>& records)
{
    return !records.empty() && ends_image(records.back()[1] - '0');
}

// Whether a data record lies over bytes the tables' values went to before it:
// each record inside the window takes values from its first word on.
bool overwrites_tables(const std::vector<std::string>& records, const MergeRequest& r, int values)
{
    std::vector<std::pair<std::int64_t, std::int64_t>> taken;
    for (const std::string& line : records) {
        Record record;
        check_record(line, &record);
        const std::int64_t at = static_cast<std::int32_t>(record.address);
        const auto end = at + static_cast<std::int64_t>(record.data.size());
        if (record.type >= 1 && record.type <= 3)
            for (const auto& [first, last] : taken)
                if (at < last && first < end)
                    return true;
        if (inside(line, r)) {
            const int words = std::min(words_of(line), values);
            values -= words;
            if (words > 0)
                taken.emplace_back(at, at + 2 * words);
        }
    }
    return false;
}

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string low_byte_first(std::int16_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    const auto bits = static_cast<std::uint16_t>(value);
    return {digits[(bits >> 4) & 0xF], digits[bits & 0xF], digits[(bits >> 12) & 0xF], digits[(bits >> 8) & 0xF]};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using fuzz::require;
    const std::vector<std::string_view> parts = parts_of({reinterpret_cast<const char*>(data), size});
    MergeRequest request;
    window_of(parts[0], request);
    if (parts.size() > 1)
        request.firmware = split_lines(parts[1]);
    request.a = table_of(parts, 2, "channel A");
    request.b = table_of(parts, 3, "channel B");

    std::vector<std::string> records;
    bool sound = true;
    int window_words = 0;
    for (const std::string& line : request.firmware) {
        if (line.empty())
            continue;
        sound = sound && check_record(line) == RecordError::None;
        if (sound && inside(line, request))
            window_words += words_of(line);
        records.push_back(line);
    }
    const int wanted_a = request.a.used ? std::min(kTableValues, window_words) : 0;
    const int wanted_b = request.b.used ? std::min(kTableValues, window_words - wanted_a) : 0;
    const std::vector<std::int16_t> a = values_of(request.a, wanted_a);
    const std::vector<std::int16_t> b = values_of(request.b, wanted_b);
    const bool can_merge = request.start < request.end && sound && ends(records) && window_words > 0
        && !overwrites_tables(records, request, wanted_a + wanted_b)
        && static_cast<int>(a.size()) == wanted_a && static_cast<int>(b.size()) == wanted_b
        && whole(request.a) <= wanted_a && whole(request.b) <= wanted_b;

    const MergeOutcome out = merge_linearisation(request);
    require(out.ok() == can_merge, "a merge succeeds exactly when records and tables allow it");
    if (!out.ok()) {
        require(out.lines.empty(), "a stopped merge gives no image");
        return 0;
    }
    require(out.values_a == wanted_a && out.values_b == wanted_b, "the values the window takes, A's first");
    require(out.lines.size() == records.size(), "one record out for each in");
    std::vector<std::int16_t> values = a;
    values.insert(values.end(), b.begin(), b.end());
    std::size_t next = 0;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const std::string& in = records[k];
        const std::string& merged = out.lines[k];
        require(check_record(merged) == RecordError::None, "every record out is sound");
        if (!inside(in, request)) {
            require(merged == in, "a record outside the window is unchanged");
            continue;
        }
        require(merged.size() == in.size() && merged.substr(0, 12) == upper(in.substr(0, 12)),
                "a patched record keeps its type, count and address");
        for (int w = 0; w < words_of(in); ++w, ++next) {
            const std::string word = merged.substr(12 + 4 * static_cast<std::size_t>(w), 4);
            const std::string kept = upper(in.substr(12 + 4 * static_cast<std::size_t>(w), 4));
            require(word == (next < values.size() ? low_byte_first(values[next]) : kept),
                    "the window's words take the values in order, then keep their own");
        }
    }
    return 0;
}
