// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/data_memory.h"

#include <gtest/gtest.h>

namespace telvar::sim {
namespace {

constexpr int kLevel = 1000;

class DataMemoryTest : public ::testing::Test {
protected:
    void feed(int value, int count = 1, int pretrigger = 32)
    {
        for (int k = 0; k < count; ++k)
            memory.record(static_cast<std::uint16_t>(value), {kLevel, 10, pretrigger});
    }

    // Scans 0, 1, ... below the level, then one above: values tell scans apart.
    void trigger_after(int scans, int pretrigger = 32)
    {
        for (int k = 0; k < scans; ++k)
            feed(k, 1, pretrigger);
        feed(kLevel + 1, 1, pretrigger);
    }

    std::vector<std::uint16_t> read_all()
    {
        std::vector<std::uint16_t> samples;
        for (int start = 0; start < kMemorySamples; start += frame::kWords) {
            const auto block = memory.read_block(start);
            if (!block)
                return {};
            samples.insert(samples.end(), block->begin(), block->end());
        }
        return samples;
    }

    DataMemory memory;
};

TEST_F(DataMemoryTest, RecordsThePretriggerScansBeforeTheTrigger)
{
    trigger_after(200);
    feed(kLevel + 5, kMemorySamples - 32 - 2);
    EXPECT_FALSE(memory.read_block(0)) << "one scan short of complete";
    feed(kLevel + 6);
    const auto samples = read_all();
    ASSERT_EQ(samples.size(), std::size_t(kMemorySamples));
    EXPECT_EQ(samples[0], 200 - 32);
    EXPECT_EQ(samples[31], 199);
    EXPECT_EQ(samples[32], kLevel + 1);
    EXPECT_EQ(samples[127], kLevel + 6);

    trigger_after(300, 500);
    EXPECT_EQ(read_all().back(), 299) << "a pretrigger beyond the memory keeps only what came before";
}

TEST_F(DataMemoryTest, NewUntilReadInFullWithRepeatsAllowed)
{
    trigger_after(100);
    feed(kLevel + 5, kMemorySamples);
    for (int start : {0, 16, 16, 0, 32, 48, 64, 80, 96, 112})
        EXPECT_TRUE(memory.read_block(start)) << start;
    EXPECT_FALSE(memory.read_block(0)) << "read in full, nothing new";
}

TEST_F(DataMemoryTest, EventFinishedDuringAReadWaitsForItsEnd)
{
    trigger_after(100);
    feed(kLevel + 5, kMemorySamples);
    ASSERT_TRUE(memory.read_block(0));

    feed(10, 50);
    feed(kLevel + 2);
    feed(kLevel + 7, kMemorySamples);
    for (int start = 32; start < kMemorySamples; start += frame::kWords)
        EXPECT_EQ((*memory.read_block(start))[15], kLevel + 5) << "still the first event at " << start;
    ASSERT_TRUE(memory.read_block(16));
    const auto second = read_all();
    ASSERT_FALSE(second.empty()) << "the second event is new now";
    EXPECT_EQ(second[32], kLevel + 2);
}

TEST_F(DataMemoryTest, RearmsOnlyBelowTheHysteresis)
{
    trigger_after(50);
    for (int k = 0; k < kMemorySamples; ++k)
        feed(k % 2 == 0 ? kLevel - 5 : kLevel + 5);
    ASSERT_FALSE(read_all().empty());
    EXPECT_TRUE(read_all().empty()) << "chatter inside the hysteresis is no new trigger";

    feed(kLevel - 20);
    feed(kLevel + 1);
    feed(kLevel + 5, kMemorySamples);
    EXPECT_FALSE(read_all().empty());
}

TEST_F(DataMemoryTest, ADipDuringARecordingStartsNoEventAfterIt)
{
    trigger_after(50);
    feed(kLevel - 20);  // well below the hysteresis, but while recording
    feed(kLevel + 5, kMemorySamples);
    ASSERT_FALSE(read_all().empty());
    feed(kLevel + 5, 2 * kMemorySamples);
    EXPECT_TRUE(read_all().empty()) << "the signal stayed high after the recording: no crossing";
}

}  // namespace
}  // namespace telvar::sim
