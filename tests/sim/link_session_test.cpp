// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/link_session.h"

#include <gtest/gtest.h>

#include "tests/sim/requests.h"
#include "tests/sim/srecords.h"

namespace telvar::sim {
namespace {

using namespace std::chrono_literals;
using test::request_bytes;

class LinkSessionTest : public ::testing::Test {
protected:
    LinkSession session(const FaultOptions& faults = {})
    {
        return LinkSession(controller, LinkKind::serial, faults, [this](const std::string& i) { images.push_back(i); });
    }

    // Starts a download with the given S-record text; what the line sent.
    Actions download(LinkSession& link, const std::string& image)
    {
        Actions out = link.receive(request_bytes(ORDER_START_DOWNLOAD, test::download_key()), now);
        const Actions more = link.receive(test::text_bytes(image), now);
        out.insert(out.end(), more.begin(), more.end());
        while (const auto due = link.next_wakeup()) {
            const Actions later = link.tick(now = *due);
            out.insert(out.end(), later.begin(), later.end());
        }
        return out;
    }

    bool answers_line_check(LinkSession& link)
    {
        const Bytes answer = test::sent_bytes(link.receive(request_bytes(ORDER_LINE_CHECK), now += 200ms));
        return answer.size() == std::size_t(frame::kBytes) && test::decoded(answer).words[0] == ANSWER_ACK;
    }

    Time now{0};
    Controller controller{factory_parameters(), 1, now};
    std::vector<std::string> images;
};

TEST_F(LinkSessionTest, SerialDownloadRunsThroughTheBootLoaderAndBack)
{
    LinkSession link = session();
    const std::string image = test::firmware_image(5);
    const Actions out = download(link, image);
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(test::decoded(std::get<Send>(out[0]).bytes).words[0], ANSWER_ACK);
    EXPECT_EQ(std::get<SwitchBaud>(out[1]).baud, BOOTLOADER_BAUD);
    EXPECT_EQ(std::get<Send>(out[2]).pause, kPromptDelay);
    EXPECT_NE(test::sent_text(out).find(kStartMessage), std::string::npos);
    EXPECT_EQ(std::get<SwitchBaud>(out.back()).baud, PROTOCOL_BAUD);
    EXPECT_EQ(images, std::vector<std::string>{image});
    EXPECT_TRUE(answers_line_check(link));
}

TEST_F(LinkSessionTest, BootLoaderFaultsStillEndInTheProtocol)
{
    LinkSession silent = session({.no_prompt = true});
    const Actions unprompted = download(silent, "");
    EXPECT_EQ(test::sent_text(unprompted).find(kPrompt), std::string::npos);
    EXPECT_EQ(std::get<SwitchBaud>(unprompted.back()).baud, PROTOCOL_BAUD) << "gave up waiting";
    EXPECT_TRUE(images.empty());
    EXPECT_TRUE(answers_line_check(silent));

    LinkSession quiet = session({.no_start_message = true});
    const Actions unannounced = download(quiet, test::firmware_image(2));
    EXPECT_EQ(test::sent_text(unannounced).find(kStartMessage), std::string::npos);
    EXPECT_EQ(images.size(), 1u);
    EXPECT_TRUE(answers_line_check(quiet));
}

TEST_F(LinkSessionTest, ArbitraryBytesInEitherModeLeaveTheLineUsable)
{
    std::uint32_t state = 99;
    auto noise = [&state](std::size_t size) {
        Bytes bytes(size);
        for (auto& byte : bytes)
            byte = static_cast<std::uint8_t>((state = state * 1664525 + 1013904223) >> 24);
        return bytes;
    };
    LinkSession link = session();
    for (std::size_t size : {1u, 35u, 36u, 37u, 5000u}) {
        link.receive(noise(size), now);
        EXPECT_TRUE(answers_line_check(link)) << size;
    }
    std::string garbage;
    for (int k = 0; k < 50; ++k) {
        const Bytes piece = noise(300);
        garbage.append(piece.begin(), piece.end());
    }
    download(link, garbage.substr(0, kBootBufferSize));
    EXPECT_FALSE(link.in_boot_loader());
    EXPECT_TRUE(answers_line_check(link));
}

}  // namespace
}  // namespace telvar::sim
