// SPDX-License-Identifier: GPL-3.0-or-later
// Frames byte for byte, as the controller expects them.
#include "link/com232.h"
#include "link/frame.h"
#include "link/orders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace telvar {
namespace {

std::vector<unsigned char> request(int code, std::initializer_list<int> words)
{
    unsigned short payload[PNUM] = {};
    int k = 0;
    for (int w : words)
        payload[k++] = static_cast<unsigned short>(w);
    set_sync(0x55);
    FillTxBuf(code, payload);
    return {szWriteBuf, szWriteBuf + frame::kBytes};
}

std::vector<unsigned char> bytes(std::initializer_list<int> head)
{
    std::vector<unsigned char> out(frame::kBytes, 0);
    int k = 0;
    for (int b : head)
        out[k++] = static_cast<unsigned char>(b);
    return out;
}

TEST(Frame, RequestsAreBigEndianWithSyncAndOrderFirst)
{
    EXPECT_EQ(request(ORDER_RAWDATA, {1}), bytes({0x00, 0x55, 0x00, 0x08, 0x00, 0x01}));
    EXPECT_EQ(request(ORDER_RESET, {}), bytes({0x00, 0x55, 0x00, 0x0D}));
    EXPECT_EQ(request(ORDER_DATA_MEMORY, {2, 48}), bytes({0x00, 0x55, 0x00, 0x09, 0x00, 0x02, 0x00, 0x30}));
    EXPECT_EQ(request(0x1ABCD, {0xFFFF}), bytes({0x00, 0x55, 0xAB, 0xCD, 0xFF, 0xFF}))
        << "only the low 16 bits of the order code are sent";
}

TEST(Frame, DownloadStartCarriesEightKeyPairs)
{
    std::vector<int> key;
    for (int k = 0; k < 8; ++k) {
        key.push_back(DOWNLOAD_KEY_EVEN);
        key.push_back(DOWNLOAD_KEY_ODD);
    }
    unsigned short payload[PNUM];
    for (int k = 0; k < PNUM; ++k)
        payload[k] = static_cast<unsigned short>(key[k]);
    FillTxBuf(ORDER_START_DOWNLOAD, payload);
    std::vector<unsigned char> expected = {0x00, 0x55, 0x00, 0xBB};
    for (int k = 0; k < 8; ++k)
        expected.insert(expected.end(), {0x55, 0x55, 0xAA, 0xAA});
    EXPECT_EQ(std::vector<unsigned char>(szWriteBuf, szWriteBuf + frame::kBytes), expected);
}

TEST(Frame, AnswersDecodeOrRefuseAWrongSync)
{
    unsigned short words[PNUM] = {};
    std::memset(answer_bytes(), 0, frame::kBytes);

    set_order(5);
    answer_bytes()[0] = 0x55;  // sync bytes swapped
    answer_bytes()[1] = 0x00;
    EXPECT_EQ(GetRxBuf(words), -1);
    EXPECT_EQ(order, 5) << "a refused answer leaves the order code alone";

    answer_bytes()[0] = 0x00;
    answer_bytes()[1] = 0x55;
    answer_bytes()[2] = 0x09;
    answer_bytes()[3] = 0xFF;
    answer_bytes()[4] = 0x12;
    answer_bytes()[5] = 0x34;
    answer_bytes()[35] = 0x7F;
    EXPECT_EQ(GetRxBuf(words), 0x09FF);
    EXPECT_EQ(order, 2559);
    EXPECT_EQ(words[0], 0x1234);
    EXPECT_EQ(words[15], 0x007F);
}

// Reads from a peer's bytes, at most `room` at a time, the way a socket gives what has arrived.
struct Peer {
    std::vector<unsigned char> bytes;
    std::vector<int> rooms;

    int read(unsigned char* at, int room)
    {
        rooms.push_back(room);
        const int n = std::min(room, static_cast<int>(bytes.size()));
        std::copy_n(bytes.begin(), n, at);
        bytes.erase(bytes.begin(), bytes.begin() + n);
        return n;
    }
};

TEST(Frame, AnAnswerInPiecesIsAssembledInPlaceAndNothingBeyondItIsTaken)
{
    std::vector<unsigned char> answer(frame::kBytes);
    for (int k = 0; k < frame::kBytes; ++k)
        answer[k] = static_cast<unsigned char>(k + 1);
    unsigned char buffer[frame::kBytes + 4] = {};
    Peer peer{{answer.begin(), answer.begin() + 10}, {}};
    const auto read = [&peer](unsigned char* at, int room) { return peer.read(at, room); };

    int missing = frame::read_missing_part(buffer, frame::kBytes, read);
    EXPECT_EQ(missing, 26);
    EXPECT_EQ(frame::read_missing_part(buffer, missing, [](unsigned char*, int) { return -1; }), 26)
        << "a failed read takes nothing";
    peer.bytes.assign(answer.begin() + 10, answer.end());
    peer.bytes.insert(peer.bytes.end(), {0xEE, 0xEE, 0xEE, 0xEE});  // the start of a late answer
    missing = frame::read_missing_part(buffer, missing, read);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(peer.rooms, (std::vector<int>{36, 26})) << "each read is offered the missing part only";
    EXPECT_EQ(std::vector<unsigned char>(buffer, buffer + frame::kBytes), answer);
    EXPECT_EQ(buffer[frame::kBytes], 0) << "nothing is written past the frame";
    EXPECT_EQ(peer.bytes.size(), 4u);

    for (int outside : {0, -3, frame::kBytes + 1})
        EXPECT_EQ(frame::read_missing_part(buffer, outside, read), outside);
    EXPECT_EQ(peer.rooms.size(), 2u) << "no read without missing bytes within the frame";
}

TEST(Frame, SyncIsComparedWithTheConstantNotTheSetting)
{
    std::memset(answer_bytes(), 0, frame::kBytes);
    answer_bytes()[1] = 0x55;
    set_sync(0x66);
    unsigned short words[PNUM];
    EXPECT_EQ(GetRxBuf(words), 0);
    set_sync(0x55);
}

}  // namespace
}  // namespace telvar
