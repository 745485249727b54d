// SPDX-License-Identifier: GPL-3.0-or-later
// The condition texts of the selector groups, byte for byte.
#include "params/labels.h"
#include "params/parameter_names.h"
#include "params/record.h"

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
        EXPECT_EQ(condition_event(Group::MaxValue, bit), events[bit]);
        if (bit < 8) {
            EXPECT_EQ(condition_label(Group::Reset, word), std::string("RESET VALUE ON: ") + events[bit]);
            EXPECT_EQ(condition_label(Group::Snapshot, word), std::string("STORE ON: ") + snapshots[bit]);
            EXPECT_EQ(condition_event(Group::Snapshot, bit), snapshots[bit]);
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

namespace telvar {
namespace {

// The words as the comparison table and the report name and show them.
TEST(ParameterNames, NameEachWordByItsPageAndShowItAsThePageDoes)
{
    struct NameCase {
        int index;
        std::uint16_t word;
        const char* page;
        const char* caption;
        const char* shown;
    };
    const NameCase cases[] = {
        {CH_LASER_POWER, 57, "Channel A: limits", "Laser power", "57"},
        {BLOCK_B + CH_LOW_TOLERANCE, 100, "Channel B: limits", "Low tolerance", "-100"},
        {BLOCK_B + CH_MAX_MODE, 0x0010, "Channel B: data and conditions", "Acquire max value",
         "AQUIRE MAX VALUE ON: CHANNEL A POS. EDGE"},
        {BLOCK_B + CH_DATA_MODE, 2, "Channel B: data and conditions", "Data format", "2"},
        {CH_FILTER, 0, "Channel A: data and conditions", "Data filter", "DATA FILTER: DIRECT"},
        {BLOCK_B + CH_HYSTERESIS, 12, "", "Trigger hysteresis", "12"},
        {EVAL_LOW_TOLERANCE, 250, "Evaluation: limits", "Low tolerance", "-250"},
        {EVAL_MODE, 1, "Evaluation and scanning", "Evaluation mode", "Mean of A and B"},
        {SCAN_FREQUENCY, 4, "Evaluation and scanning", "Scan frequency", "500 Hz"},
        {SCAN_FREQUENCY, 5, "Evaluation and scanning", "Scan frequency", "5"},
        {TEACH_MODE, 0x1234, "Evaluation and scanning", "Teach settings 1 and 2", "52 / 18"},
        {output_config_word(1), 0x0007, "Switching outputs and analog output", "Output 1 configuration",
         "flag 1, value 6"},
        {output_mode_word(2), 0x4009, "Switching outputs and analog output", "Output 2 mode bits", "bits 0, 3, 14"},
        {output_mode_word(0), 0, "Switching outputs and analog output", "Output 0 mode bits", "no bit"},
    };
    for (const NameCase& c : cases) {
        const ParameterName name = parameter_name(c.index);
        EXPECT_STREQ(name.page, c.page) << c.index;
        EXPECT_STREQ(name.caption, c.caption) << c.index;
        EXPECT_EQ(shown_text(c.index, c.word), c.shown) << c.index;
    }
}

}  // namespace
}  // namespace telvar
