// SPDX-License-Identifier: GPL-3.0-or-later
// The fault options as a line meets them: through a session.
#include "sim/core/faults.h"

#include <gtest/gtest.h>

#include "sim/core/answers.h"
#include "sim/core/link_session.h"
#include "tests/sim/requests.h"

namespace telvar::sim {
namespace {

using namespace std::chrono_literals;
using test::request_bytes;

class FaultsTest : public ::testing::Test {
protected:
    Actions ask(const FaultOptions& faults, int order, int times = 1)
    {
        LinkSession session(controller, LinkKind::serial, faults);
        Actions last;
        for (int k = 0; k < times; ++k)
            last = session.receive(request_bytes(order), now += 1ms);
        return last;
    }

    Time now{0};
    Controller controller{factory_parameters(), 1, now};
};

TEST_F(FaultsTest, SilenceForAllEveryNthOrChosenCodesAndNothingIsDone)
{
    EXPECT_TRUE(ask({.silent = true}, ORDER_LINE_CHECK).empty());
    EXPECT_TRUE(ask({.silent_codes = {ORDER_ENTER_TEST}}, ORDER_ENTER_TEST).empty());
    EXPECT_FALSE(controller.in_test_mode());
    EXPECT_FALSE(ask({.silent_codes = {ORDER_ENTER_TEST}}, ORDER_LINE_CHECK).empty());

    LinkSession session(controller, LinkKind::serial, {.silent_every = 3});
    std::vector<bool> answered;
    for (int k = 0; k < 6; ++k)
        answered.push_back(!session.receive(request_bytes(ORDER_LINE_CHECK), now += 1ms).empty());
    EXPECT_EQ(answered, (std::vector<bool>{true, true, false, true, true, false}));
}

TEST_F(FaultsTest, WrongSyncAndShortAnswerBendTheBytes)
{
    const Bytes good = acknowledged(ORDER_LINE_CHECK);
    Bytes swapped = good;
    std::swap(swapped[0], swapped[1]);
    EXPECT_EQ(test::sent_bytes(ask({.wrong_sync = true}, ORDER_LINE_CHECK)), swapped);
    EXPECT_EQ(test::sent_bytes(ask({.short_answer = true}, ORDER_LINE_CHECK)), Bytes(good.begin(), good.end() - 1));
}

TEST_F(FaultsTest, DelayGarbageAndSplitShapeTheSends)
{
    const Actions actions = ask({.split_pause = 40ms, .delay = 300ms, .garbage = 5}, ORDER_LINE_CHECK);
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(std::get<Send>(actions[0]).pause, 300ms);
    EXPECT_EQ(std::get<Send>(actions[0]).bytes.size(), 5u + 20u);
    EXPECT_EQ(std::get<Send>(actions[1]).pause, 40ms);
    const Bytes joined = test::sent_bytes(actions);
    EXPECT_EQ(Bytes(joined.begin() + 5, joined.end()), acknowledged(ORDER_LINE_CHECK));
}

TEST_F(FaultsTest, HangsUpAfterTheChosenNumberOfAnswers)
{
    LinkSession session(controller, LinkKind::serial, {.close_after = 2});
    EXPECT_EQ(session.receive(request_bytes(ORDER_LINE_CHECK), now).size(), 1u);
    session.receive(request_bytes(99), now += 200ms);  // unanswered, not counted
    const Actions second = session.receive(request_bytes(ORDER_LINE_CHECK), now += 200ms);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_TRUE(std::holds_alternative<Close>(second.back()));
    EXPECT_TRUE(session.receive(request_bytes(ORDER_LINE_CHECK), now += 200ms).empty());
}

TEST_F(FaultsTest, RefusedCodesAreNotCarriedOut)
{
    const FaultOptions faults{.refused_codes = {ORDER_ENTER_TEST, ORDER_START_DOWNLOAD}};
    const frame::Answer answer = test::decoded(test::sent_bytes(ask(faults, ORDER_ENTER_TEST)));
    EXPECT_EQ(answer.order, ORDER_ENTER_TEST);
    EXPECT_NE(answer.words[0], ANSWER_ACK);
    EXPECT_FALSE(controller.in_test_mode());

    LinkSession session(controller, LinkKind::serial, faults);
    session.receive(request_bytes(ORDER_START_DOWNLOAD, test::download_key()), now);
    EXPECT_FALSE(session.in_boot_loader());
}

TEST_F(FaultsTest, FaultsAfterSparesTheFirstRequestsOfAConnection)
{
    LinkSession session(controller, LinkKind::serial, {.wrong_sync = true, .faults_after = 2});
    const Bytes good = acknowledged(ORDER_LINE_CHECK);
    Bytes swapped = good;
    std::swap(swapped[0], swapped[1]);
    EXPECT_EQ(test::sent_bytes(session.receive(request_bytes(ORDER_LINE_CHECK), now += 1ms)), good);
    EXPECT_EQ(test::sent_bytes(session.receive(request_bytes(ORDER_LINE_CHECK), now += 1ms)), good);
    EXPECT_EQ(test::sent_bytes(session.receive(request_bytes(ORDER_LINE_CHECK), now += 1ms)), swapped);

    LinkSession silent(controller, LinkKind::serial, {.silent = true, .faults_after = 1});
    EXPECT_FALSE(silent.receive(request_bytes(ORDER_LINE_CHECK), now += 1ms).empty());
    EXPECT_TRUE(silent.receive(request_bytes(ORDER_LINE_CHECK), now += 1ms).empty());
}

}  // namespace
}  // namespace telvar::sim
