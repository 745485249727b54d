// SPDX-License-Identifier: GPL-3.0-or-later
// Checking S-record lines: what a good record is, and each way one is bad.
#include "firmware/srecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace telvar {
namespace {

TEST(SRecord, AGoodRecordGivesItsTypeAddressAndData)
{
    Record r;
    ASSERT_EQ(check_record("S1130000285F245F2212226A000424290008237C2A", &r), RecordError::None);
    EXPECT_EQ(r.type, 1);
    EXPECT_EQ(r.address, 0x0000u);
    EXPECT_EQ(r.data.size(), 16u);
    EXPECT_EQ(r.data[0], 0x28);
    ASSERT_EQ(check_record("S30900001000ABCDEF007F", &r), RecordError::None);
    EXPECT_EQ(r.address, 0x00001000u);
    EXPECT_EQ(check_record("s5030003f9"), RecordError::NotARecord) << "the S is upper case";
    EXPECT_EQ(check_record("S5030003f9"), RecordError::None) << "digits of either case";
    EXPECT_EQ(check_record("S9030000FC"), RecordError::None);
}

TEST(SRecord, EachFaultIsNamed)
{
    EXPECT_EQ(check_record(""), RecordError::NotARecord);
    EXPECT_EQ(check_record("X1130000"), RecordError::NotARecord);
    EXPECT_EQ(check_record("S4030000FC"), RecordError::BadType);
    EXPECT_EQ(check_record("S9030000FG"), RecordError::BadDigits);
    EXPECT_EQ(check_record("S9030000FC "), RecordError::BadDigits);
    EXPECT_EQ(check_record("S9040000FC"), RecordError::BadLength);
    EXPECT_EQ(check_record("S9030000"), RecordError::BadLength);
    EXPECT_EQ(check_record("S9030000FD"), RecordError::BadChecksum);
    EXPECT_EQ(check_record("S30400001000"), RecordError::BadLength) << "too short for its address";
}

TEST(SRecord, ChecksumIsTheComplementOfTheLowByteOfTheSum)
{
    EXPECT_EQ(record_checksum({0x03, 0x00, 0x00}), 0xFC);
    EXPECT_EQ(record_checksum({0x80, 0x80}), 0xFF);
    EXPECT_EQ(hex_byte("S3", 0), -1);
    EXPECT_EQ(hex_byte("7f", 0), 0x7F);
}

TEST(SRecordImage, EveryNonEmptyLineIsARecordOrTheCheckStopsAtTheFirstBadOne)
{
    const ImageCheck good = check_image("S5030003F9\r\n\r\nS9030000FC\rS5030003f9\n");
    EXPECT_EQ(good.error, RecordError::None);
    EXPECT_EQ(good.lines, (std::vector<std::string>{"S5030003F9", "S9030000FC", "S5030003f9"}))
        << "empty lines dropped, every line end style";

    const ImageCheck bad = check_image("S5030003F9\n\nS9030000FD\nS4030000FC\n");
    EXPECT_EQ(bad.error, RecordError::BadChecksum);
    EXPECT_EQ(bad.bad_line, 3u) << "empty lines are counted";
    EXPECT_TRUE(bad.lines.empty()) << "nothing is left to send";

    EXPECT_EQ(check_image("S5030003F9\r\nS9030000FC ").error, RecordError::BadDigits) << "the last line counts too";
    EXPECT_TRUE(check_image("\r\n\n").lines.empty());
}

}  // namespace
}  // namespace telvar
