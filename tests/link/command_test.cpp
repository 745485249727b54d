// SPDX-License-Identifier: GPL-3.0-or-later
// The common caller pattern: a command framed, announced, exchanged, decoded
// and judged, and what each outcome shows and stops. Against a line with
// scripted answers; the line check stands for the callers with texts of
// their own.
#include "support/controls.h"
#include "support/mock_line.h"
#include "support/link_fixture.h"

#include "link/com232.h"
#include "link/command.h"
#include "link/line_check.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

namespace telvar::test {
namespace {

using Texts = std::vector<std::string>;
using enum CommandOutcome;

constexpr unsigned short kUntouched = 0x4321;
const char* const kBusy = "Busy! Command refused, another one is running.";
const char* const kLost = "Error! Connection lost.";
const char* const kEcho = "Error! Sensor echo incorrect.";

QByteArray request_bytes(std::initializer_list<int> head)
{
    QByteArray bytes(frame::kBytes, '\0');
    int k = 0;
    for (int b : head)
        bytes[k++] = static_cast<char>(b);
    return bytes;
}

// Runs from the event loop, as an operator's click would.
void post(std::function<void()> action)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(action), Qt::QueuedConnection);
}

MockReply answer_with(int sync, int order, std::initializer_list<int> words)
{
    return MockReply{answer_frame_with_sync(sync, order, words)};
}

// Every member of the three main button groups.
constexpr int kMainGroups[] = {MAIN_CMD_RUN,  MAIN_CMD_STOP, MAIN_CMD_DATA,     MAIN_CMD_RESET,
                               MAIN_CMD_TEACH, MAIN_CMD_TRIGGER, MAIN_BTN_SEND, MAIN_BTN_GET,
                               MAIN_RADIO_RAM, MAIN_RADIO_EEPROM, MAIN_RADIO_FILE};

bool main_groups_dimmed()
{
    return std::all_of(std::begin(kMainGroups), std::end(kMainGroups), [](int c) { return dimmed(panelMAIN, c); });
}

bool main_groups_enabled()
{
    return std::none_of(std::begin(kMainGroups), std::end(kMainGroups), [](int c) { return dimmed(panelMAIN, c); });
}

class CommandTest : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        set_main_buttons(1, 1, 1);
        lower_stop_flag();  // as while a loop runs, so that a stop shows
        std::fill(std::begin(answer), std::end(answer), kUntouched);
    }

    Command reset()
    {
        return Command{.order = ORDER_RESET, .answer = answer, .announcement = "Reseting data ... ",
                       .expects_ack = true};
    }

    unsigned short answer[PNUM];
};

TEST_F(CommandTest, AcknowledgedResetCompletesItsAnnouncement)
{
    MockLine line([](const QByteArray&) { return answer_with(0x0055, ORDER_RESET, {ANSWER_ACK, 0x1234}); });
    int sent_when_events_ran = -1;
    post([&] { sent_when_events_ran = static_cast<int>(line.requests.size()); });

    EXPECT_EQ(send_command(reset()), Answered);
    ASSERT_EQ(line.requests.size(), 1);
    EXPECT_EQ(line.requests[0], request_bytes({0x00, 0x55, 0x00, 0x0D}));
    EXPECT_EQ(sent_when_events_ran, 0) << "the announcement is painted before the request goes out";
    EXPECT_EQ(statuses, (Texts{"Reseting data ... ", "Reseting data ... Success!"}));
    EXPECT_EQ(answer[1], 0x1234);
    EXPECT_EQ(order, ORDER_RESET);
    EXPECT_EQ(stop_flag, 0);
    EXPECT_TRUE(main_groups_enabled());
}

TEST_F(CommandTest, AcknowledgementAfterARetryCompletesTheAnnouncementNotTheRetryText)
{
    const FastClock fast;
    bool first = true;
    MockLine line([&first](const QByteArray& request) {
        const bool silent = std::exchange(first, false);
        return silent ? MockReply{.silent = true} : acknowledge(request);
    });
    EXPECT_EQ(send_command(reset()), Answered);
    EXPECT_EQ(statuses, (Texts{"Reseting data ... ", "Read failure! Retrying for 9 times.",
                               "Reseting data ... Success!"}));
}

TEST_F(CommandTest, DownloadStartCarriesItsKeyAndIsCompletedWithOk)
{
    MockLine line;
    Command start{.order = ORDER_START_DOWNLOAD, .answer = answer, .announcement = "Starting download ... ",
                  .expects_ack = true, .ack_text = "OK!"};
    for (int k = 0; k < PNUM; ++k)
        start.payload[k] = k % 2 == 0 ? 0x5555 : 0xAAAA;

    EXPECT_EQ(send_command(start), Answered);
    QByteArray expected = request_bytes({0x00, 0x55, 0x00, 0xBB});
    for (int k = 4; k < frame::kBytes; k += 4)
        expected.replace(k, 4, QByteArray::fromHex("5555AAAA"));
    ASSERT_EQ(line.requests.size(), 1);
    EXPECT_EQ(line.requests[0], expected);
    EXPECT_EQ(statuses.back(), "Starting download ... OK!");
}

TEST_F(CommandTest, AnswerToACommandWithoutAcknowledgementIsTakenWhateverItsCode)
{
    MockLine line([](const QByteArray&) { return answer_with(0x0055, 0, {1, 0x0999, 0}); });
    const Command send{.order = ORDER_WRITE_RAM, .payload = {1, 2, 3}, .answer = answer};
    EXPECT_EQ(send_command(send), Answered);
    EXPECT_EQ(line.requests[0], request_bytes({0x00, 0x55, 0x00, 0x01, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03}));
    EXPECT_EQ(answer[1], 0x0999);
    EXPECT_EQ(order, 0) << "the answer's order code is kept";
    EXPECT_TRUE(statuses.empty());
}

TEST_F(CommandTest, LostConnectionStopsTheLoopAndDimsEveryGroup)
{
    const FastClock fast;
    MockLine line([](const QByteArray&) { return MockReply{.silent = true}; });
    EXPECT_EQ(send_command(reset()), ConnectionLost);
    ASSERT_EQ(statuses.size(), 11u);
    EXPECT_EQ(statuses[9], "Read failure! Retrying for 1 times.");
    EXPECT_EQ(statuses.back(), kLost);
    EXPECT_EQ(stop_flag, 1);
    EXPECT_TRUE(main_groups_dimmed());
    EXPECT_EQ(answer[0], kUntouched);
}

TEST_F(CommandTest, WrongSyncStopsTheLoopAndDimsEveryGroup)
{
    MockLine line([](const QByteArray&) { return answer_with(0x5500, ORDER_RESET, {ANSWER_ACK}); });
    set_order(ORDER_TEACH);
    EXPECT_EQ(send_command(reset()), EchoIncorrect);
    EXPECT_EQ(statuses, (Texts{"Reseting data ... ", kEcho}));
    EXPECT_EQ(stop_flag, 1);
    EXPECT_TRUE(main_groups_dimmed());
    EXPECT_EQ(answer[0], kUntouched);
    EXPECT_EQ(order, ORDER_RESET) << "the request's code, not the unreadable answer's";
}

TEST_F(CommandTest, MissingAcknowledgementShowsTheEchoTextOnly)
{
    MockLine line([](const QByteArray&) { return answer_with(0x0055, ORDER_RESET, {0x00AB}); });
    EXPECT_EQ(send_command(reset()), NotAcknowledged);
    EXPECT_EQ(statuses, (Texts{"Reseting data ... ", kEcho}));
    EXPECT_EQ(stop_flag, 0);
    EXPECT_TRUE(main_groups_enabled());
}

// A command started from a callback that runs inside another's announcement
// or answer wait: refused without sending anything, and no failure either.
TEST_F(CommandTest, CommandStartedDuringTheAnnouncementIsRefused)
{
    MockLine line;
    CommandOutcome nested = Answered;
    post([&] {
        nested = send_command(Command{.order = ORDER_TEACH, .payload = {7}, .answer = emptyframe_answer(),
                                      .announcement = "Sending TEACH order ... ", .expects_ack = true});
    });
    EXPECT_EQ(send_command(reset()), Answered);
    EXPECT_EQ(nested, Refused);
    ASSERT_EQ(line.requests.size(), 1);
    EXPECT_EQ(line.requests[0], request_bytes({0x00, 0x55, 0x00, 0x0D}));
    EXPECT_EQ(statuses, (Texts{"Reseting data ... ", kBusy, "Reseting data ... Success!"}));
    EXPECT_EQ(stop_flag, 0);
    EXPECT_TRUE(main_groups_enabled());
}

TEST_F(CommandTest, EverythingStartedDuringTheAnswerWaitIsRefused)
{
    CommandOutcome nested = Answered;
    int raw_exchange = -1;
    int opened = -1;
    MockLine line([&](const QByteArray& request) {
        post([&] {
            nested = send_command(Command{.order = ORDER_ENTER_TEST, .answer = emptyframe_answer(), .expects_ack = true});
            const unsigned short words[PNUM] = {0xFFFF};
            FillTxBuf(ORDER_TEACH, words);
            raw_exchange = ExchangeFrame();
            opened = InitRS232(1);
        });
        return acknowledge(request);
    });
    EXPECT_EQ(send_command(reset()), Answered);
    EXPECT_EQ(nested, Refused);
    EXPECT_EQ(raw_exchange, 0);
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(line.requests.size(), 1);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(szWriteBuf), frame::kBytes), line.requests[0])
        << "the request stays the running command's";
    EXPECT_EQ(statuses, (Texts{"Reseting data ... ", kBusy, kBusy, kBusy, "Reseting data ... Success!"}));
    EXPECT_EQ(stop_flag, 0);
}

TEST_F(CommandTest, ExchangePieceJudgesWithoutShowingOrStoppingAnything)
{
    const FastClock fast;
    struct Case {
        const char* name;
        MockScript script;
        CommandOutcome outcome;
    };
    const Case cases[] = {
        {"acknowledged", acknowledge, Answered},
        {"not acknowledged", [](const QByteArray&) { return answer_with(0x0055, 13, {0}); }, NotAcknowledged},
        {"wrong sync", [](const QByteArray&) { return answer_with(0x0000, 13, {ANSWER_ACK}); }, EchoIncorrect},
        {"silent", [](const QByteArray&) { return MockReply{.silent = true}; }, ConnectionLost},
        {"write fails", [](const QByteArray&) { return MockReply{.write_fails = true}; }, ConnectionLost},
    };
    for (const Case& c : cases) {
        MockLine line(c.script);
        statuses.clear();
        EXPECT_EQ(exchange_command(reset()), c.outcome) << c.name;
        const Texts shown = statuses;
        EXPECT_TRUE(std::none_of(shown.begin(), shown.end(), [](const std::string& s) {
            return s == kLost || s == kEcho || s == kBusy || s.find("Success!") != std::string::npos;
        })) << c.name;
        EXPECT_EQ(stop_flag, 0) << c.name;
        EXPECT_TRUE(main_groups_enabled()) << c.name;
    }

    MockLine line;
    const LinkHold running;
    statuses.clear();
    EXPECT_EQ(exchange_command(reset()), Refused);
    EXPECT_TRUE(line.requests.isEmpty());
    EXPECT_TRUE(statuses.empty());
}

TEST_F(CommandTest, ReportingPieceShowsAndStopsByOutcome)
{
    struct Case {
        CommandOutcome outcome;
        bool expects_ack;
        Texts shown;
        int stop;
        bool groups_dimmed;
    };
    const Case cases[] = {
        {Answered, true, {"Entering testmode ... Success!"}, 0, false},
        {Answered, false, {}, 0, false},
        {Refused, true, {kBusy}, 0, false},
        {ConnectionLost, true, {kLost}, 1, true},
        {EchoIncorrect, false, {kEcho}, 1, true},
        {NotAcknowledged, true, {kEcho}, 0, false},
    };
    for (const Case& c : cases) {
        const int index = static_cast<int>(&c - cases);
        set_main_buttons(1, 1, 1);
        lower_stop_flag();
        statuses.clear();
        const Command enter{.order = ORDER_ENTER_TEST, .answer = answer,
                            .announcement = "Entering testmode ... ", .expects_ack = c.expects_ack};
        report_command_outcome(enter, c.outcome);
        EXPECT_EQ(statuses, c.shown) << "case " << index;
        EXPECT_EQ(stop_flag, c.stop) << "case " << index;
        EXPECT_EQ(main_groups_dimmed(), c.groups_dimmed) << "case " << index;
        EXPECT_EQ(main_groups_enabled(), !c.groups_dimmed) << "case " << index;
    }
}

// The line check judges by texts of its own and never touches stop_flag.
TEST_F(CommandTest, LineCheckOutcomes)
{
    const FastClock fast;
    struct Case {
        const char* name;
        MockScript script;
        int result;
        Texts shown;
        bool groups_dimmed_before;
        bool groups_dimmed_after;
    };
    const Case cases[] = {
        {"acknowledged", acknowledge, 1, {"Connection found. Line OK."}, true, false},
        {"refused", [](const QByteArray&) { return answer_with(0x0055, 5, {0x00AB}); }, 0,
         {"Answer incorrect. Check Sensor."}, false, true},
        {"wrong sync", [](const QByteArray&) { return answer_with(0x5500, 5, {ANSWER_ACK}); }, 0, {}, false, false},
        {"wrong sync, dimmed", [](const QByteArray&) { return answer_with(0x5500, 5, {ANSWER_ACK}); }, 0, {}, true, true},
        {"silent", [](const QByteArray&) { return MockReply{.silent = true}; }, 0,
         {"Error! No connection found."}, false, true},
    };
    for (const Case& c : cases) {
        MockLine line(c.script);
        const int before = c.groups_dimmed_before ? 0 : 1;
        set_main_buttons(before, before, before);
        statuses.clear();
        EXPECT_EQ(CheckComLine(), c.result) << c.name;
        EXPECT_EQ(line.requests.first(), request_bytes({0x00, 0x55, 0x00, 0x05})) << c.name;
        EXPECT_EQ(statuses.empty() ? Texts{} : Texts{statuses.back()}, c.shown) << c.name;
        EXPECT_EQ(main_groups_dimmed(), c.groups_dimmed_after) << c.name;
        EXPECT_EQ(stop_flag, 0) << c.name;
    }

    MockLine line;
    const LinkHold running;
    set_main_buttons(1, 1, 1);
    statuses.clear();
    EXPECT_EQ(CheckComLine(), 0);
    EXPECT_TRUE(line.requests.isEmpty());
    EXPECT_EQ(statuses, Texts{kBusy});
    EXPECT_TRUE(main_groups_enabled());
}

TEST_F(CommandTest, VersionQueryTakesTheAnswerAsTextWithoutItsSyncWord)
{
    MockLine line([](const QByteArray&) {
        QByteArray text("K20 FW 3.04");
        text.resize(frame::kBytes, '\0');
        return MockReply{text};
    });
    set_main_buttons(0, 0, 0);
    EXPECT_EQ(GetVERSIONInfo(), 1);
    EXPECT_EQ(line.requests[0], request_bytes({0x00, 0x55, 0x00, 0x07}));
    EXPECT_EQ(statuses, Texts{"K20 FW 3.04"});
    EXPECT_STREQ(szVersion, "K20 FW 3.04");
    EXPECT_TRUE(main_groups_enabled());

    const FastClock fast;
    line.script = [](const QByteArray&) { return MockReply{.silent = true}; };
    EXPECT_EQ(GetVERSIONInfo(), 0);
    EXPECT_EQ(statuses.back(), kLost);
    EXPECT_TRUE(main_groups_dimmed());
    EXPECT_EQ(stop_flag, 0) << "the version query leaves it as it is";
}

// The status text holds 127 bytes of English, as ever, and as many
// characters of a translation, cut between characters: half an umlaut would
// turn the whole text into other letters.
TEST(StatusText, Holds127CharactersAndCutsOnlyBetweenThem)
{
    const std::string english = "Parameters saved to /home/service/line 3/" + std::string(120, 'x') + ".ini";
    set_status(english.c_str());
    EXPECT_EQ(std::string(status_text()), english.substr(0, 127)) << "the English line is as it was";
    const std::string latin1 = std::string(126, 'a') + "\xB7\xB7\xB7";
    set_status(latin1.c_str());
    EXPECT_EQ(std::string(status_text()), latin1.substr(0, 127)) << "a Latin-1 text: bytes";

    // Characters of two, three and four bytes.
    for (const std::string character : {"\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x94\x8C"}) {
        std::string text;
        for (int k = 0; k < 130; ++k)
            text += character;
        set_status(text.c_str());
        EXPECT_EQ(std::string(status_text()), text.substr(0, 127 * character.size()));

        set_status(std::string(100, 'a').c_str());
        append_status(text.c_str());
        EXPECT_EQ(std::string(status_text()), std::string(100, 'a') + text.substr(0, 27 * character.size()))
            << "appended: 127 characters in all";
    }
}

}  // namespace
}  // namespace telvar::test
