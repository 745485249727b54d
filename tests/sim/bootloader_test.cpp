// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/bootloader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/sim/requests.h"
#include "tests/sim/srecords.h"

namespace telvar::sim {
namespace {

using namespace std::chrono_literals;
using test::sent_text;
using test::text_bytes;

class BootLoaderTest : public ::testing::Test {
protected:
    void append(const Actions& more) { out.insert(out.end(), more.begin(), more.end()); }

    // Hands the text over as a sender with XON/XOFF would: in small pieces
    // while the loader has room and has not held it off; then lets it work.
    void send(const std::string& text)
    {
        constexpr std::size_t kPiece = 64;
        std::size_t at = 0;
        for (int guard = 0; guard < 100000 && loader.outcome() == BootLoader::Outcome::running; ++guard) {
            const std::size_t piece = std::min({loader.room(), text.size() - at, kPiece});
            if (held_off() || piece == 0) {
                if (!loader.next_wakeup() || (at == text.size() && *loader.next_wakeup() >= kIdleTimeout))
                    return;
                now = *loader.next_wakeup();
                append(loader.process(now));
            } else {
                append(loader.receive(text_bytes(text.substr(at, piece)), now));
                at += piece;
            }
        }
    }

    std::string text() const { return sent_text(out); }
    int count(char byte) const
    {
        const std::string all = text();
        return static_cast<int>(std::count(all.begin(), all.end(), byte));
    }
    bool held_off() const
    {
        const std::string all = text();
        const std::size_t last = all.find_last_of("\x11\x13");
        return last != std::string::npos && all[last] == '\x13';
    }

    Time now{0};
    BootLoader loader{BootLoaderSettings{}, now};
    Actions out;
};

TEST_F(BootLoaderTest, GoodImageStartsTheApplicationAndIsKeptAsReceived)
{
    const std::string image = test::firmware_image(3, 0x02000400);
    send(image + "\r\n" + test::srecord(1, 0) + "\n");
    EXPECT_EQ(loader.outcome(), BootLoader::Outcome::started);
    EXPECT_EQ(text(), std::string(kStartMessage) + "0x02000400\r\n");
    EXPECT_EQ(loader.image(), image) << "nothing after the termination record";
    EXPECT_EQ(now, 4 * kRecordTime) << "header and three data records programmed before the start record";
}

TEST_F(BootLoaderTest, BadRecordsAreReportedAndTheApplicationDoesNotStart)
{
    std::string bad = test::srecord(1, 0x100, {1, 2, 3});
    bad.back() = bad.back() == '0' ? '1' : '0';
    send(test::srecord(1, 0x0, {9}) + "\n" + bad + "\r\nhello\r\n" + std::string(kMaxLineLength + 1, 'S') +
         "\r\n" + test::srecord(9, 0) + "\r\n");
    EXPECT_NE(text().find("Checksum error in record 2."), std::string::npos) << text();
    EXPECT_NE(text().find("Invalid record 3."), std::string::npos) << text();
    EXPECT_NE(text().find("Invalid record 4."), std::string::npos) << "overlong line: " << text();
    EXPECT_EQ(text().find(kStartMessage), std::string::npos);
    EXPECT_EQ(loader.outcome(), BootLoader::Outcome::rejected);
}

TEST_F(BootLoaderTest, FastSenderIsHeldOffUntilTheBufferDrains)
{
    send(test::firmware_image(100));
    EXPECT_GE(count('\x13'), 2);
    EXPECT_EQ(count('\x11'), count('\x13'));
    EXPECT_EQ(loader.outcome(), BootLoader::Outcome::started) << "nothing lost while held off";
}

TEST_F(BootLoaderTest, BytesBeyondTheBufferAreAnOverrun)
{
    append(loader.receive(text_bytes(test::firmware_image(100)), now));
    send("\r\n" + test::srecord(9, 0) + "\r\n");
    EXPECT_NE(text().find("Receive buffer overrun."), std::string::npos);
    EXPECT_EQ(loader.outcome(), BootLoader::Outcome::rejected);
}

TEST_F(BootLoaderTest, GivesUpWithoutGoodRecords)
{
    send("S1garbage\r\n");
    append(loader.process(kPromptDelay + kIdleTimeout - 1us));
    EXPECT_EQ(loader.outcome(), BootLoader::Outcome::running);
    append(loader.process(kPromptDelay + kIdleTimeout));
    EXPECT_EQ(loader.outcome(), BootLoader::Outcome::timed_out);
    EXPECT_NE(text().find("Download timed out."), std::string::npos);
}

}  // namespace
}  // namespace telvar::sim
