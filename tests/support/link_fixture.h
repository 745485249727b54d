// SPDX-License-Identifier: GPL-3.0-or-later
// A fixture with the tool's panels loaded, the tool's clock at real speed,
// every status text recorded, and the dialogs a test expects answered (any
// other fails it).
#pragma once

#include "support/dialogs.h"
#include "support/peers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace telvar::test {

// The tool's clock runs at real speed in these tests, so that an answer due
// within the 0.5 s answer wait has hundreds of milliseconds to spare on a
// loaded machine. Where no answer can come in time, no margin matters: a
// FastClock lets those waits pass ten times faster while it lives.
class FastClock {
public:
    FastClock();
    ~FastClock();
    FastClock(const FastClock&) = delete;
    FastClock& operator=(const FastClock&) = delete;
};

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void connect_tcp(const TcpPeer& peer);
    void open_serial(const PtyPeer& peer);
    // Frames the order with the words and exchanges it.
    int exchange(int order, std::initializer_list<int> words = {});
    // Processes events for a while of real time.
    static void pump(int ms);
    // The status texts from index `from` on, which start with `head`.
    std::vector<std::string> statuses_starting(const std::string& head) const;

    std::vector<std::string> statuses;
    ExpectedDialogs dialogs;
};

}  // namespace telvar::test
