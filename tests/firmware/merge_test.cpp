// SPDX-License-Identifier: GPL-3.0-or-later
// Merging linearisation tables into an S-record image inside a window.
#include "firmware/merge.h"
#include "firmware/merge_files.h"
#include "firmware/srecord.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace telvar {
namespace {

// An S3 record of `words` 16-bit words at `address`, word k = 0x1000 + k.
std::string s3(std::uint32_t address, int words, int odd_byte = -1)
{
    std::vector<std::uint8_t> bytes;
    const int data = 2 * words + (odd_byte >= 0 ? 1 : 0);
    bytes.push_back(static_cast<std::uint8_t>(4 + data + 1));
    for (int k = 3; k >= 0; --k)
        bytes.push_back(static_cast<std::uint8_t>(address >> (8 * k)));
    for (int k = 0; k < words; ++k) {
        bytes.push_back(0x10);
        bytes.push_back(static_cast<std::uint8_t>(k));
    }
    if (odd_byte >= 0)
        bytes.push_back(static_cast<std::uint8_t>(odd_byte));
    std::string line = "S3";
    char hex[3];
    for (std::uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        line += hex;
    }
    std::snprintf(hex, sizeof hex, "%02X", record_checksum(bytes));
    return line + hex;
}

// The end record an image closes with.
const std::string kEnd = "S70500000000FA";

// A table file of the values: a comment line and a value line each.
LinearisationTable table(const std::string& name, std::vector<int> values)
{
    LinearisationTable t{true, name, {}};
    for (int v : values) {
        t.lines.push_back("point");
        t.lines.push_back("  " + std::to_string(v));
    }
    return t;
}

std::vector<int> counting(int from, int count)
{
    std::vector<int> v;
    for (int k = 0; k < count; ++k)
        v.push_back(from + k);
    return v;
}

std::string word_at(const std::string& line, int word)
{
    return line.substr(12 + 4 * word, 4);
}

TEST(Merge, ARecordInTheWindowTakesTheNextValuesLowByteFirst)
{
    MergeRequest r;
    r.firmware = {"S00F000068656C6C6F202020202000003C", s3(0x2000100, 8), kEnd};
    r.a = table("channel A", counting(1000, 8));
    r.start = 0x100;
    r.end = 0x200;
    const MergeOutcome out = merge_linearisation(r);
    ASSERT_TRUE(out.ok()) << out.error;
    ASSERT_EQ(out.lines.size(), 3u);
    EXPECT_EQ(word_at(out.lines[1], 0), "E803") << "1000 is 03E8, written low byte first";
    EXPECT_EQ(word_at(out.lines[1], 7), "EF03");
    EXPECT_EQ(check_record(out.lines[1]), RecordError::None) << "a fresh checksum";
    EXPECT_EQ(out.lines[0], r.firmware[0]);
    EXPECT_EQ(out.values_a, 8);
}

TEST(Merge, TheWindowCountsWordsNotBytes)
{
    MergeRequest r;
    r.start = 0x100;
    r.end = 0x200;
    r.a = table("channel A", counting(1, 8));
    r.firmware = {s3(0x2000200 - 7, 8), s3(0x2000200 - 8, 8), kEnd};
    const MergeOutcome out = merge_linearisation(r);
    ASSERT_TRUE(out.ok()) << out.error;
    EXPECT_EQ(out.lines[0], r.firmware[0]) << "end - 7 lies outside";
    EXPECT_EQ(word_at(out.lines[1], 0), "0100") << "end - 8 lies inside";
}

TEST(Merge, WithOnlyChannelBItsValuesStartTheWindow)
{
    MergeRequest r;
    r.start = 0x100;
    r.end = 0x200;
    r.b = table("channel B", {-2, 7});
    r.firmware = {s3(0x2000100, 2), kEnd};
    const MergeOutcome out = merge_linearisation(r);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(word_at(out.lines[0], 0), "FEFF") << "-2";
    EXPECT_EQ(word_at(out.lines[0], 1), "0700");
    EXPECT_EQ(out.values_a, 0);
    EXPECT_EQ(out.values_b, 2);
    EXPECT_EQ(merged_text({.error = "", .values_a = 1, .values_b = out.values_b}),
              "Merged 1 value of channel A and 2 values of channel B.");
}

TEST(Merge, BeyondTheTablesTheFirmwareKeepsItsWords)
{
    MergeRequest r;
    r.start = 0;
    r.end = 0x10000;
    r.a = table("channel A", counting(0, 1024));
    r.b = table("channel B", counting(2000, 1024));
    for (std::uint32_t k = 0; k < 129; ++k)
        r.firmware.push_back(s3(0x2000000 + 32 * k, 16));
    r.firmware.push_back(kEnd);
    const MergeOutcome out = merge_linearisation(r);
    ASSERT_TRUE(out.ok()) << out.error;
    EXPECT_EQ(out.values_a, 1024);
    EXPECT_EQ(out.values_b, 1024);
    EXPECT_EQ(word_at(out.lines[63], 15), "FF03") << "A's last value, 1023";
    EXPECT_EQ(word_at(out.lines[64], 0), "D007") << "B's first value, 2000";
    EXPECT_EQ(out.lines[128], r.firmware[128]) << "the words after 2048 are the firmware's";
}

TEST(Merge, CaseChangesInsideTheWindowOnlyAndKeptWordsKeepTheirChecksum)
{
    MergeRequest r;
    r.start = 0x100;
    r.end = 0x200;
    std::string inside = s3(0x2000100, 4);
    std::string outside = s3(0x2000300, 4);
    for (char& c : inside)
        c = static_cast<char>(std::tolower(c));
    inside[0] = 'S';
    for (char& c : outside)
        c = static_cast<char>(std::tolower(c));
    outside[0] = 'S';
    r.firmware = {inside, outside, kEnd};
    const MergeOutcome out = merge_linearisation(r);
    ASSERT_TRUE(out.ok()) << out.error;
    EXPECT_EQ(out.lines[0], s3(0x2000100, 4)) << "upper case, same words, same checksum";
    EXPECT_EQ(out.lines[1], outside);
}

TEST(Merge, AnOddRecordKeepsItsLastByteAndAGoodChecksum)
{
    MergeRequest r;
    r.start = 0x100;
    r.end = 0x200;
    r.a = table("channel A", {5, 6});
    r.firmware = {s3(0x2000100, 2, 0xAB), kEnd};
    const MergeOutcome out = merge_linearisation(r);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(word_at(out.lines[0], 0), "0500");
    EXPECT_EQ(out.lines[0].substr(20, 2), "AB");
    EXPECT_EQ(check_record(out.lines[0]), RecordError::None);
}

TEST(Merge, OtherRecordTypesAndEmptyLinesAreNotPatched)
{
    MergeRequest r;
    r.start = 0;
    r.end = 0x10000;
    r.a = table("channel A", {1});
    // An S1 record whose bytes would read as an address inside the window.
    r.firmware = {"S1050200000AEE", "", s3(0x2000000, 1), "S9030000FC"};
    ASSERT_EQ(check_record(r.firmware[0]), RecordError::None);
    const MergeOutcome out = merge_linearisation(r);
    ASSERT_TRUE(out.ok()) << out.error;
    ASSERT_EQ(out.lines.size(), 3u);
    EXPECT_EQ(out.lines[0], r.firmware[0]);
    EXPECT_EQ(word_at(out.lines[1], 0), "0100");
}

TEST(Merge, BadInputStopsTheMergeWithAMessage)
{
    MergeRequest r;
    r.start = 0x100;
    r.end = 0x200;
    r.a = table("channel A", {1, 2});
    r.firmware = {s3(0x2000100, 4)};
    MergeOutcome out = merge_linearisation(r);
    EXPECT_FALSE(out.ok());
    EXPECT_TRUE(out.lines.empty());
    EXPECT_EQ(out.error, "The linearisation data of channel A hold 2 values, fewer than the window needs.");
    r.a = table("channel A", {1});
    EXPECT_EQ(merge_linearisation(r).error,
              "The linearisation data of channel A hold 1 value, fewer than the window needs.");
    MergeRequest one_word = r;
    one_word.end = 0x102;
    one_word.a = table("channel A", {1, 2});
    one_word.firmware = {s3(0x2000100, 1), kEnd};
    EXPECT_EQ(merge_linearisation(one_word).error,
              "The linearisation data of channel A do not fit into the window whole: the window holds 1 value, the "
              "checked tables have 2.");

    r.a = table("channel A", {1, 2, 3, 4});
    r.a.lines[3] = "12x";
    out = merge_linearisation(r);
    EXPECT_NE(out.error.find("Line 4"), std::string::npos) << out.error;

    r.a = table("channel A", {1, 2, 3, 4});
    std::string damaged = s3(0x2000100, 4);
    damaged[14] = damaged[14] == '0' ? '1' : '0';
    r.firmware = {s3(0x2000000, 1), damaged};
    out = merge_linearisation(r);
    EXPECT_NE(out.error.find("Line 2 of the firmware file has a wrong checksum"), std::string::npos) << out.error;

    // An image cut short loses its end record, or ends with data after it.
    const std::string no_end = "The firmware file does not end with an end record (S7, S8 or S9).";
    for (const std::vector<std::string>& firmware : {std::vector<std::string>{s3(0x2000100, 4)},
                                                     std::vector<std::string>{s3(0x2000100, 4), kEnd, s3(0x2000300, 4)}}) {
        r.firmware = firmware;
        out = merge_linearisation(r);
        EXPECT_EQ(out.error, no_end);
        EXPECT_TRUE(out.lines.empty());
    }
}

// The controller programs the records in file order: a data record after
// the tables over any of their bytes would replace them.
TEST(Merge, ARecordThatWouldOverwriteTheTablesIsRefused)
{
    struct Case {
        const char* what;
        std::vector<std::string> firmware;  // the end record follows
        std::string error;
    };
    // The window holds one record of eight words at 0x2000100: the tables
    // take its bytes 0x100-0x10F, as addresses count bytes.
    const Case cases[] = {
        {"the same record again", {s3(0x2000100, 8), s3(0x2000100, 8)},
         "Line 2 of the firmware file writes at 0x2000100 over the linearisation data."},
        {"just past the tables, then from their last byte on", {s3(0x2000100, 8), s3(0x2000110, 4), s3(0x200010F, 1)},
         "Line 3 of the firmware file writes at 0x200010F over the linearisation data."},
        {"over the tables' bytes before them, then after them", {s3(0x20000F8, 8), s3(0x2000100, 8), s3(0x20000F8, 8)},
         "Line 3 of the firmware file writes at 0x20000F8 over the linearisation data."},
    };
    for (const Case& c : cases) {
        MergeRequest r;
        r.start = 0x100;
        r.end = 0x108;
        r.a = table("channel A", counting(1, 8));
        r.firmware = c.firmware;
        r.firmware.push_back(kEnd);
        const MergeOutcome out = merge_linearisation(r);
        EXPECT_EQ(out.error, c.error) << c.what;
        EXPECT_TRUE(out.lines.empty()) << c.what;
    }
}

// An image that leaves out values of a checked table would look merged while
// that channel measures unlinearised: such a merge is refused.
TEST(Merge, AWindowThatCannotTakeTheCheckedTablesWholeIsRefused)
{
    struct Case {
        const char* what;
        std::int64_t start;
        std::int64_t end;
        int a_values;  // -1: the channel is unchecked
        int b_values;
        std::string error;  // empty: merged, with 1024 values of A
    };
    // 256 records of eight words every 16 bytes: a window of 2 KiB holds 1024 words.
    std::vector<std::string> firmware;
    for (std::uint32_t k = 0; k < 256; ++k)
        firmware.push_back(s3(0x2000000 + 16 * k, 8));
    firmware.push_back(kEnd);
    const Case cases[] = {
        {"2 KiB, both tables", 0, 0x800, 1024, 1024,
         "The linearisation data of channel B do not fit into the window whole: the window holds 1024 values, the "
         "checked tables have 2048."},
        {"1 KiB, A too long and B left out", 0x0, 0x400, 1024, 10,
         "The linearisation data of channel A and channel B do not fit into the window whole: the window holds 512 "
         "values, the checked tables have 1034."},
        {"1 KiB, only B checked", 0x0, 0x400, -1, 513,
         "The linearisation data of channel B do not fit into the window whole: the window holds 512 values, the "
         "checked tables have 513."},
        {"values past 1024 are never used", 0, 0x800, 1100, -1, ""},
        {"start equal to end", 0x800, 0x800, 8, -1,
         "The window's start address 0x800 is not below its end address 0x800."},
        {"start above end", 0x11000, 0x10000, 8, -1,
         "The window's start address 0x11000 is not below its end address 0x10000."},
        {"no record inside", 0x2000, 0x3000, 8, -1,
         "The window from 0x2000 to 0x3000 holds no data of the firmware file."},
    };
    for (const Case& c : cases) {
        MergeRequest r;
        r.firmware = firmware;
        r.start = c.start;
        r.end = c.end;
        if (c.a_values >= 0)
            r.a = table("channel A", counting(0, c.a_values));
        if (c.b_values >= 0)
            r.b = table("channel B", counting(0, c.b_values));
        const MergeOutcome out = merge_linearisation(r);
        EXPECT_EQ(out.error, c.error) << c.what;
        if (c.error.empty()) {
            EXPECT_EQ(out.values_a, 1024) << c.what;
            EXPECT_EQ(out.lines.size(), firmware.size()) << c.what;
        } else {
            EXPECT_TRUE(out.lines.empty()) << c.what;
        }
    }
}

TEST(TableValue, SignedSixteenBitsInTheFirst15Characters)
{
    std::int16_t v = 0;
    EXPECT_TRUE(parse_table_value("  -2", &v));
    EXPECT_EQ(v, -2);
    EXPECT_TRUE(parse_table_value("+32767\r", &v));
    EXPECT_EQ(v, 32767);
    EXPECT_TRUE(parse_table_value("-32768", &v));
    EXPECT_EQ(v, -32768);
    EXPECT_FALSE(parse_table_value("32768", &v));
    EXPECT_FALSE(parse_table_value("0x10", &v));
    EXPECT_FALSE(parse_table_value("", &v));
    EXPECT_FALSE(parse_table_value("-", &v));
    EXPECT_TRUE(parse_table_value("            12345678", &v)) << "only 15 characters are read";
    EXPECT_EQ(v, 123);
}

}  // namespace
}  // namespace telvar
