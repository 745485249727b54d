// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter file's bytes, written out here by hand, and what reading a
// file gives the record.
#include "params/record.h"
#include "storage/ini_reader.h"
#include "storage/parameter_text.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace telvar {
namespace {

using Record = std::array<std::uint16_t, PARAMETER_WORDS>;

const char* const kChannelKeys[] = {
    "Decay Time Constant", "Max Value Aquisition", "Data Snapshot Mode", "Pretrigger Value",
    "Laser Power Setting", "Reference Value",      "High Tolerance",     "Low Tolerance",
    "Data Averaging",      "Trigger Hysteresis",   "Trigger Level",      "Value Filter",
    "Reset Mode",          "Data Mode",            "Result Valid Mode",
};
const int kChannelIndex[] = {1, 2, 3, 4, 5, 6, 8, 7, 9, 10, 11, 12, 13, 14, 15};
const char* const kCommonKeys[] = {
    "Evaluation Mode",        "Scanfrequency",          "Analog Output Mode",     "Evaluation Averaging",
    "Output 0 Mode",          "Output 0 Configuration", "Output 1 Mode",          "Output 1 Configuration",
    "Output 2 Mode",          "Output 2 Configuration", "Reference Value",        "High Tolerance",
    "Low Tolerance",          "Teachmode Parameter",
};
const int kCommonIndex[] = {33, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 46, 45, 47};

// The file as it must be, spelled out key by key.
std::string expected_file(const Record& r)
{
    std::string text;
    for (int block : {0, 16}) {
        text += block == 0 ? "[CHANNEL A]\r\n" : "[CHANNEL B]\r\n";
        for (int k = 0; k < 15; ++k)
            text += std::string(kChannelKeys[k]) + " = " + std::to_string(r[block + kChannelIndex[k]]) + "\r\n";
        text += "\r\n";
    }
    text += "[COMMON SETTINGS]\r\n";
    for (int k = 0; k < 14; ++k)
        text += std::string(kCommonKeys[k]) + " = " + std::to_string(r[kCommonIndex[k]]) + "\r\n";
    return text + "\r\n";
}

TEST(ParameterFile, AllZeroRecordIsFiftyLines)
{
    const Record zero{};
    const std::string text = parameter_file_text(zero.data());
    EXPECT_EQ(text, expected_file(zero));
    int lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 50);
    EXPECT_EQ(text.substr(0, 36), "[CHANNEL A]\r\nDecay Time Constant = 0");
    EXPECT_EQ(text.substr(text.size() - 27), "Teachmode Parameter = 0\r\n\r\n");
}

TEST(ParameterFile, WordsAreWrittenUnsignedAndNeverNegative)
{
    Record r{};
    r.fill(65535);
    EXPECT_EQ(parameter_file_text(r.data()), expected_file(r));
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        for (auto& w : r)
            w = static_cast<std::uint16_t>(random());
        EXPECT_EQ(parameter_file_text(r.data()), expected_file(r));
    }
}

TEST(ParameterFile, SavedAndReadAgainGivesTheStoredWordsAndLeavesTheOthers)
{
    std::mt19937 random(11);
    Record saved{};
    for (auto& w : saved)
        w = static_cast<std::uint16_t>(random());
    Record loaded{};
    for (auto& w : loaded)
        w = static_cast<std::uint16_t>(random());
    const Record before = loaded;
    EXPECT_EQ(take_parameter_file(read_ini(parameter_file_text(saved.data())), loaded.data()), 44);
    for (int index = 0; index < PARAMETER_WORDS; ++index) {
        const bool unstored = index == 0 || index == 16 || index == 32 || index == 34;
        EXPECT_EQ(loaded[index], unstored ? before[index] : saved[index]) << index;
    }
}

TEST(ParameterFile, ReadingTakesOnlyValidItemsAndWrapsTo16Bits)
{
    Record r{};
    r.fill(9);
    const std::string file =
        "[channel a]\n"
        "Decay Time Constant=7\n"          // case and missing blanks do not matter
        "Data Mode = 3x\n"                 // not an integer: index 14 stays
        "Reset Mode = 65537\n"             // wraps to 1
        "Pretrigger Value = -1\n"          // wraps to 65535
        "[CHANNEL B]\n"
        "Reference Value = 100\n";         // no "Trigger Level": index 27 stays
    EXPECT_EQ(take_parameter_file(read_ini(file), r.data()), 4);
    EXPECT_EQ(r[1], 7);
    EXPECT_EQ(r[14], 9);
    EXPECT_EQ(r[13], 1);
    EXPECT_EQ(r[4], 65535);
    EXPECT_EQ(r[22], 100);
    EXPECT_EQ(r[27], 9);

    Record unrelated{};
    unrelated.fill(5);
    EXPECT_EQ(take_parameter_file(read_ini("just some text\nwith = lines\n"), unrelated.data()), 0);
    Record fives{};
    fives.fill(5);
    EXPECT_EQ(unrelated, fives);
}

}  // namespace
}  // namespace telvar
