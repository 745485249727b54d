// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/controller.h"

#include <gtest/gtest.h>

#include "sim/core/answers.h"
#include "tests/sim/requests.h"

namespace telvar::sim {
namespace {

using namespace std::chrono_literals;
using test::request;

class ControllerTest : public ::testing::Test {
protected:
    Response handle(const Request& r, LinkKind link = LinkKind::serial) { return controller.handle(r, link, now); }
    frame::Answer answer(const Request& r) { return test::decoded(handle(r).bytes); }
    int memory_code(int channel, int start)
    {
        return answer(request(ORDER_DATA_MEMORY, {std::uint16_t(channel), std::uint16_t(start)})).order;
    }

    Time now{0};
    Controller controller{factory_parameters(), 7, now};
};

TEST_F(ControllerTest, CommandsAreAcknowledgedByteExactAndUnknownCodesIgnored)
{
    Bytes expected(frame::kBytes, 0);
    expected[1] = 0x55;
    expected[3] = 0x05;
    expected[5] = 0xAA;
    EXPECT_EQ(handle(request(ORDER_LINE_CHECK)).bytes, expected);
    for (int order : {ORDER_TEACH, ORDER_ENTER_TEST, ORDER_EXIT_TEST, ORDER_RESET})
        EXPECT_EQ(handle(request(order)).bytes, acknowledged(order));
    for (int order : {0, 14, 186, 0x0900, 0xFFFF})
        EXPECT_TRUE(handle(request(order)).bytes.empty()) << order;
}

TEST_F(ControllerTest, BlocksGoToRamAndTheEepromCodeSavesTheWholeSet)
{
    ParameterSet reported;
    controller.on_eeprom_written([&](const ParameterSet& set) { reported = set; });
    const frame::Words a = test::words_of({1, 11, 12, 13});
    const frame::Words b = test::words_of({2, 21, 22, 23});
    EXPECT_EQ(answer({ORDER_WRITE_RAM, a}).words, a);
    EXPECT_EQ(answer({ORDER_WRITE_RAM, b}).words, b);
    EXPECT_EQ(answer(request(ORDER_READ_EEPROM, {1})).words, factory_parameters().block(1))
        << "writing RAM leaves the EEPROM alone";

    // A send to EEPROM: channel blocks with code 1, the common block with code 3.
    const frame::Words common = controller.ram().block(3);
    EXPECT_EQ(answer({ORDER_WRITE_EEPROM, common}).words, common);
    EXPECT_EQ(answer(request(ORDER_READ_EEPROM, {1})).words, a);
    EXPECT_EQ(answer(request(ORDER_READ_EEPROM, {2})).words, b);
    EXPECT_EQ(answer(request(ORDER_READ_EEPROM, {3})).words, common);
    EXPECT_EQ(reported.block(1), a);
    EXPECT_EQ(reported.block(2), b);
}

TEST_F(ControllerTest, OwnWordAndUnknownBlockNumbersAreKeptOut)
{
    frame::Words common = factory_parameters().block(3);
    common[kOwnWordIndex - kCommonOffset] = 0x1234;
    EXPECT_EQ(answer({ORDER_WRITE_RAM, common}).words[kOwnWordIndex - kCommonOffset], kOwnWordValue);

    const ParameterSet before = controller.ram();
    for (std::uint16_t number : {0, 4, 0xFFFF}) {
        const frame::Words block = test::words_of({number, 9, 9});
        for (int order : {ORDER_WRITE_RAM, ORDER_WRITE_EEPROM, ORDER_READ_EEPROM})
            EXPECT_EQ(answer({std::uint16_t(order), block}).words, block) << "echoed unchanged";
    }
    EXPECT_EQ(controller.ram(), before);
    EXPECT_EQ(controller.eeprom(), factory_parameters());
}

TEST_F(ControllerTest, LiveSampleMovesWithTimeOnly)
{
    const frame::Answer first = answer(request(ORDER_RAWDATA, {1}));
    const Sample& s = controller.sample();
    EXPECT_EQ(first.words, test::words_of({1, s.evaluation, s.a, s.b, s.a_peak, s.b_peak, s.a_valley, s.b_valley}));
    EXPECT_EQ(answer(request(ORDER_RAWDATA, {1})).words, first.words);
    now += 200ms;
    EXPECT_NE(answer(request(ORDER_RAWDATA, {1})).words, first.words);
}

TEST_F(ControllerTest, TeachTakesTheMeasurementAsReferenceInRamAndEeprom)
{
    now += 1s;
    controller.advance_to(now);
    const Sample measured = controller.sample();
    answer(request(ORDER_TEACH));
    for (const ParameterSet* set : {&controller.ram(), &controller.eeprom()}) {
        EXPECT_EQ(set->words[6], measured.a);
        EXPECT_EQ(set->words[22], measured.b);
        EXPECT_EQ(set->words[kEvaluationReference], measured.evaluation);
    }
}

TEST_F(ControllerTest, TestDataIsAppliedOnlyInTestMode)
{
    const frame::Words panel = test::words_of({5, 6, 0x0081, 7});
    EXPECT_EQ(answer({ORDER_TEST_DATA, panel}).words, frame::Words{});
    answer(request(ORDER_ENTER_TEST));
    EXPECT_EQ(answer({ORDER_TEST_DATA, panel}).words, panel);
    answer(request(ORDER_EXIT_TEST));
    EXPECT_EQ(answer(request(ORDER_TEST_DATA)).words, frame::Words{});
}

TEST_F(ControllerTest, DownloadStartsOnlyOverSerialWithTheKey)
{
    const Response serial = handle({ORDER_START_DOWNLOAD, test::download_key()});
    EXPECT_TRUE(serial.start_boot_loader);
    EXPECT_EQ(serial.bytes, acknowledged(ORDER_START_DOWNLOAD));

    frame::Words wrong = test::download_key();
    wrong[15] = DOWNLOAD_KEY_EVEN;
    for (const Response& refused : {handle({ORDER_START_DOWNLOAD, test::download_key()}, LinkKind::tcp),
                                    handle({ORDER_START_DOWNLOAD, wrong})}) {
        EXPECT_FALSE(refused.start_boot_loader);
        EXPECT_NE(test::decoded(refused.bytes).words[0], ANSWER_ACK);
    }
}

// The factory signal crosses both trigger levels every few seconds.
TEST_F(ControllerTest, DataMemoryIsReadInEightBlocksAfterATriggerUntilReset)
{
    EXPECT_EQ(memory_code(1, 0), DATA_NO_TRIGGER) << "nothing recorded at power-on";
    now += 20s;
    EXPECT_EQ(memory_code(0, 0), DATA_NO_TRIGGER) << "channel 0 has no memory";
    EXPECT_EQ(memory_code(3, 0), ORDER_DATA_MEMORY);
    EXPECT_EQ(memory_code(1, 8), ORDER_DATA_MEMORY);
    for (int channel : {1, 2}) {
        const int offset = channel == 1 ? kChannelAOffset : kChannelBOffset;
        const int level = controller.ram().words[offset + channel_word::kTriggerLevel];
        const int pretrigger = controller.ram().words[offset + channel_word::kPretrigger];
        std::vector<std::uint16_t> samples;
        for (int start = 0; start < kMemorySamples; start += frame::kWords) {
            const frame::Answer a = answer(request(ORDER_DATA_MEMORY, {std::uint16_t(channel), std::uint16_t(start)}));
            ASSERT_EQ(a.order, DATA_BLOCK_FIRST + start) << "channel " << channel;
            samples.insert(samples.end(), a.words.begin(), a.words.end());
        }
        EXPECT_GE(samples[pretrigger], level);
        EXPECT_LT(samples[pretrigger - 1], level);
        EXPECT_EQ(memory_code(channel, 0), DATA_NO_TRIGGER);
    }
    now += 20s;
    answer(request(ORDER_RESET));
    EXPECT_EQ(memory_code(1, 0), DATA_NO_TRIGGER) << "reset clears the memories";
    EXPECT_EQ(memory_code(2, 0), DATA_NO_TRIGGER);
}

TEST_F(ControllerTest, AfterALongIdleTimeTheLatestStretchHasBeenScanned)
{
    now += std::chrono::hours(24 * 365);
    EXPECT_EQ(memory_code(1, 0), DATA_BLOCK_FIRST);
}

}  // namespace
}  // namespace telvar::sim
