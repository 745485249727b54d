// SPDX-License-Identifier: GPL-3.0-or-later
// The condition texts of the selector groups, byte for byte.
#include "params/labels.h"

#include <gtest/gtest.h>

namespace telvar {
namespace {

struct Case {
    Group group;
    std::uint16_t word;
    const char* text;
};

TEST(ConditionLabel, NamesTheHighestEventAndSaysWhenThereAreMore)
{
    const Case cases[] = {
        {Group::ResultValid, 0x0000, "RESULT VALID: NEVER"},
        {Group::MaxValue, 0xFFFF, "AQUIRE MAX VALUE ON: EVERY SAMPLE"},
        {Group::ResultValid, 0xFFFF, "RESULT VALID ON: EVERY SAMPLE"},
        {Group::ResultValid, (1 << 13) | (1 << 0), "RESULT VALID ON: CHANNEL A HIGH STATE, ..."},
        {Group::Reset, 1 << 7, "RESET VALUE ON: CHANNEL IN1 NEG. EDGE"},
        {Group::Reset, 0, "RESET VALUE: NEVER"},
        {Group::Snapshot, 1 << 2, "STORE ON: INPUT 0 POS. EDGE"},
        {Group::Snapshot, 1 << 5, "STORE ON: CHAN. A NEG. EDGE"},
        {Group::MaxValue, 0x0010, "AQUIRE MAX VALUE ON: CHANNEL A POS. EDGE"},
        {Group::MaxValue, 0x0001, "AQUIRE MAX VALUE ON: CHANNEL B POS. EDGE"},
        {Group::ResultValid, 0x0003, "RESULT VALID ON: CHANNEL B NEG. EDGE, ..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(condition_label(c.group, c.word), c.text) << std::hex << c.word;
}

TEST(ConditionLabel, EveryBitHasItsFragment)
{
    const char* events[16] = {
        "CHANNEL B POS. EDGE",   "CHANNEL B NEG. EDGE",   "CHANNEL IN0 POS. EDGE",  "CHANNEL IN0 NEG. EDGE",
        "CHANNEL A POS. EDGE",   "CHANNEL A NEG. EDGE",   "CHANNEL IN1 POS. EDGE",  "CHANNEL IN1 NEG. EDGE",
        "CHANNEL B LOW STATE",   "CHANNEL B HIGH STATE",  "CHANNEL IN0 LOW STATE",  "CHANNEL IN0 HIGH STATE",
        "CHANNEL A LOW STATE",   "CHANNEL A HIGH STATE",  "CHANNEL IN1 LOW STATE",  "CHANNEL IN1 HIGH STATE",
    };
    const char* snapshots[8] = {
        "CHAN. B POS. EDGE", "CHAN. B NEG. EDGE", "INPUT 0 POS. EDGE", "INPUT 0 NEG. EDGE",
        "CHAN. A POS. EDGE", "CHAN. A NEG. EDGE", "INPUT 1 POS. EDGE", "INPUT 1 NEG. EDGE",
    };
    for (int bit = 0; bit < 16; ++bit) {
        const auto word = static_cast<std::uint16_t>(1u << bit);
        EXPECT_EQ(condition_label(Group::ResultValid, word), std::string("RESULT VALID ON: ") + events[bit]);
        if (bit < 8) {
            EXPECT_EQ(condition_label(Group::Reset, word), std::string("RESET VALUE ON: ") + events[bit]);
            EXPECT_EQ(condition_label(Group::Snapshot, word), std::string("STORE ON: ") + snapshots[bit]);
        }
    }
}

TEST(FilterLabel, MinimumWinsOverMaximum)
{
    EXPECT_EQ(filter_label(0), "DATA FILTER: DIRECT");
    EXPECT_EQ(filter_label(1), "DATA FILTER: MAX");
    EXPECT_EQ(filter_label(2), "DATA FILTER: MIN");
    EXPECT_EQ(filter_label(3), "DATA FILTER: MIN");
}

}  // namespace
}  // namespace telvar
