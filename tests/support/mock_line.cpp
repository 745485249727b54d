// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/mock_line.h"

#include "link/com232.h"
#include "link/error_texts.h"
#include "link/orders.h"
#include "platform/events.h"
#include "platform/rs232.h"
#include "support/peers.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <cstring>

namespace telvar::test {

namespace {

MockLine* g_line = nullptr;

void announce_answer()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            answer_came();
            WakeWaiters();
        },
        Qt::QueuedConnection);
}

}  // namespace

MockReply acknowledge(const QByteArray& request)
{
    return MockReply{answer_frame(static_cast<unsigned char>(request[3]), {ANSWER_ACK})};
}

struct MockRow {
    static int open(const LineSettings& settings)
    {
        g_line->opened_with = settings;
        if (g_line->open_code < 0)
            return g_line->open_code;
        g_line->open = true;
        return 0;
    }
    static int close()
    {
        if (g_line->close_code >= 0)
            g_line->open = false;
        return g_line->close_code;
    }
    static bool is_open() { return g_line->open; }
    static void flush()
    {
        ++g_line->flushes;
        g_line->pending_.clear();
    }
    static int write(const unsigned char* bytes, int count)
    {
        if (!g_line->open)
            return kRS_PortNotOpen;
        const QByteArray request(reinterpret_cast<const char*>(bytes), count);
        const MockReply reply = g_line->script(request);
        if (reply.write_fails)
            return kRS_UnknownIOError;
        g_line->requests.append(request);
        g_line->pending_ = reply.answer;
        if (!reply.silent)
            announce_answer();
        return count;
    }
    static int bytes_waiting() { return static_cast<int>(g_line->pending_.size()); }
    static int read(unsigned char* into, int count)
    {
        const int taken = std::min(count, static_cast<int>(g_line->pending_.size()));
        std::memcpy(into, g_line->pending_.constData(), static_cast<std::size_t>(taken));
        g_line->pending_.remove(0, taken);
        return taken;
    }
    static std::string describe() { return "MOCK line"; }
};

const LineFunctions MockLine::functions{
    .open = MockRow::open,
    .close = MockRow::close,
    .is_open = MockRow::is_open,
    .flush = MockRow::flush,
    .write = MockRow::write,
    .bytes_waiting = MockRow::bytes_waiting,
    .read = MockRow::read,
    .error_text = rs232_error_text,
    .describe = MockRow::describe,
};

MockLine::MockLine(MockScript s) : script(std::move(s))
{
    g_line = this;
    substitute_line(&functions);
}

MockLine::~MockLine()
{
    substitute_line(nullptr);
    g_line = nullptr;
}

}  // namespace telvar::test
