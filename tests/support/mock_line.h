// SPDX-License-Identifier: GPL-3.0-or-later
// A line in the line table's place whose faults the test scripts: a write
// that fails, an answer that never comes, a read that comes up short. Cases
// no real peer produces. Its answers are announced from the event loop, as a
// real line's receive callback is.
#pragma once

#include "link/line_table.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <optional>

namespace telvar::test {

struct MockReply {
    QByteArray answer{};       // what the read hands over; fewer than 36 bytes is a short read
    bool write_fails = false;  // the request does not go out
    bool silent = false;       // no answer is announced
};

using MockScript = std::function<MockReply(const QByteArray& request)>;

// Acknowledges every request with its own order code.
MockReply acknowledge(const QByteArray& request);

// Takes the selected line's place while it lives; one at a time.
class MockLine {
public:
    explicit MockLine(MockScript script = acknowledge);
    ~MockLine();
    MockLine(const MockLine&) = delete;
    MockLine& operator=(const MockLine&) = delete;

    MockScript script;
    QList<QByteArray> requests;  // every request that went out
    int flushes = 0;
    bool open = true;
    int open_code = 0;   // what opening returns
    int close_code = 0;  // what closing returns; a failed close leaves the line open
    std::optional<LineSettings> opened_with;

    static const LineFunctions functions;

private:
    friend struct MockRow;
    QByteArray pending_;  // the answer the next read hands over
};

}  // namespace telvar::test
