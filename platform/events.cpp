// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/events.h"

#include "platform/test_seams.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <thread>
#include <cmath>
#include <vector>

namespace telvar {

namespace {

double g_time_scale = 1.0;
// Where the clock stood when its speed last changed: it runs on from there
// without a jump, so that a wait under way keeps what it has waited.
double g_scaled_at_change = 0.0;
qint64 g_real_ns_at_change = 0;
// Waits may nest: a callback run inside one wait can wait itself.
std::vector<QEventLoop*> g_waiting;
int g_depth = 0;

// Counts one level of event processing while it lives.
struct Nested {
    Nested() { ++g_depth; }
    ~Nested() { --g_depth; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;
};

QElapsedTimer& clock()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}

}  // namespace

void ProcessSystemEvents()
{
    const Nested nested;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(std::max(1, ScaledMilliseconds(milliseconds / 1000.0)));
    g_waiting.push_back(&loop);
    const Nested nested;
    loop.exec();
    g_waiting.erase(std::find(g_waiting.begin(), g_waiting.end(), &loop));
}

void WakeWaiters()
{
    for (QEventLoop* loop : g_waiting)
        loop->quit();
}

int EventProcessingDepth()
{
    return g_depth;
}

void PostDeferredCall(std::function<void()> call)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(call), Qt::QueuedConnection);
}

void Delay(double seconds)
{
    std::this_thread::sleep_for(std::chrono::microseconds(std::lround(seconds * 1e6 / g_time_scale)));
}

double Timer()
{
    return g_scaled_at_change + (clock().nsecsElapsed() - g_real_ns_at_change) / 1e9 * g_time_scale;
}

void SetTimeScale(double factor)
{
    g_scaled_at_change = Timer();
    g_real_ns_at_change = clock().nsecsElapsed();
    g_time_scale = factor > 0 ? factor : 1.0;
}

int ScaledMilliseconds(double seconds)
{
    return static_cast<int>(std::lround(seconds * 1000.0 / g_time_scale));
}

}  // namespace telvar
