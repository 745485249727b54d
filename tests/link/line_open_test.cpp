// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing a line, the steps every transport shares, against a
// line whose open and close results the test chooses.
#include "support/mock_line.h"
#include "support/link_fixture.h"

#include "link/com232.h"
#include "link/frame.h"
#include "link/line_check.h"
#include "link/line_open.h"
#include "link/line_watch.h"
#include "link/orders.h"

namespace telvar::test {
namespace {

using Texts = std::vector<std::string>;

MockReply controller(const QByteArray& request)
{
    if (order_of(request) != ORDER_VERSION)
        return acknowledge(request);
    QByteArray text("K20 FW 1.2");
    text.resize(frame::kBytes, '\0');
    return MockReply{text};
}

class LineOpen : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        set_line_observer("test", [this](const LineState& state) { reports.push_back(state); });
        line.open = false;
    }
    void TearDown() override
    {
        set_line_observer("test", nullptr);
        LinkTest::TearDown();
    }

    MockLine line{controller};
    std::vector<LineState> reports;
};

TEST_F(LineOpen, CheckedLineIsCheckedQueriedAndReported)
{
    EXPECT_EQ(init_line(MockLine::functions, PROTOCOL_LINE, 1), 1);
    ASSERT_TRUE(line.opened_with.has_value());
    EXPECT_EQ(line.opened_with->baud, 19200);
    EXPECT_FALSE(line.opened_with->xon_xoff);
    EXPECT_TRUE(line.opened_with->receive_callback);
    ASSERT_EQ(line.requests.size(), 2);
    EXPECT_EQ(order_of(line.requests[0]), ORDER_LINE_CHECK);
    EXPECT_EQ(order_of(line.requests[1]), ORDER_VERSION);
    EXPECT_EQ(statuses, (Texts{"Connection found. Line OK.", "K20 FW 1.2"}));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].open());
    EXPECT_EQ(reports[0].line, "MOCK line");
    EXPECT_EQ(reports[0].version, "K20 FW 1.2");

    EXPECT_EQ(init_line(MockLine::functions, PROTOCOL_LINE, 0), 0);
    EXPECT_FALSE(line.open);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_FALSE(reports[1].open());
}

TEST_F(LineOpen, BootLoaderLineOpensWithoutACheck)
{
    EXPECT_EQ(init_line(MockLine::functions, BOOTLOADER_LINE, 1), 1);
    ASSERT_TRUE(line.opened_with.has_value());
    EXPECT_EQ(line.opened_with->baud, 115200);
    EXPECT_TRUE(line.opened_with->xon_xoff);
    EXPECT_FALSE(line.opened_with->receive_callback);
    EXPECT_TRUE(line.requests.isEmpty());
    EXPECT_TRUE(statuses.empty());
    EXPECT_TRUE(reports.empty()) << "only a checked line counts as open";
}

TEST_F(LineOpen, FailedOpenShowsItsTextAndChecksNothing)
{
    line.open_code = -7;
    EXPECT_EQ(init_line(MockLine::functions, PROTOCOL_LINE, 1), 0);
    EXPECT_EQ(statuses, Texts{"Cannot open port"});
    EXPECT_TRUE(line.requests.isEmpty());
    EXPECT_TRUE(reports.empty());
}

TEST_F(LineOpen, ClosingWhatIsNotOpenDoesNothing)
{
    EXPECT_EQ(init_line(MockLine::functions, PROTOCOL_LINE, 0), 0);
    EXPECT_FALSE(line.opened_with.has_value());
    EXPECT_TRUE(statuses.empty());
    EXPECT_TRUE(reports.empty());
}

TEST_F(LineOpen, FailedCloseShowsItsTextYetTheLineOpensAgain)
{
    line.open = true;
    line.close_code = -3;
    EXPECT_EQ(init_line(MockLine::functions, PROTOCOL_LINE, 0), 1) << "the flag stays set";
    EXPECT_EQ(statuses, Texts{"Port is not open"});
    EXPECT_TRUE(reports.empty()) << "a line that did not close is not reported closed";

    statuses.clear();
    EXPECT_EQ(init_line(MockLine::functions, PROTOCOL_LINE, 1), 1);
    EXPECT_EQ(statuses.front(), "Port is not open");
    EXPECT_EQ(statuses.back(), "K20 FW 1.2");
}

TEST_F(LineOpen, OpeningWhileACommandHoldsTheLinkIsRefused)
{
    line.open = true;
    const LinkHold running;
    EXPECT_EQ(init_line(MockLine::functions, PROTOCOL_LINE, 1), 0);
    EXPECT_TRUE(line.open) << "the line of the running command stays open";
    EXPECT_FALSE(line.opened_with.has_value());
    EXPECT_EQ(statuses, Texts{"Busy! Command refused, another one is running."});
}

}  // namespace
}  // namespace telvar::test
