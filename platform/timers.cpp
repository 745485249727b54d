#include "platform/timers.h"

#include "platform/events.h"

#include <QTimer>

#include <map>
#include <memory>

namespace telvar {

namespace {

std::map<int, std::unique_ptr<QTimer>> g_timers;
int g_last_id = 0;

}  // namespace

int NewRepeatingTimer(double seconds, std::function<void()> tick)
{
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(ScaledMilliseconds(seconds));
    QObject::connect(timer.get(), &QTimer::timeout, std::move(tick));
    timer->start();
    g_timers[++g_last_id] = std::move(timer);
    return g_last_id;
}

void DiscardTimer(int id)
{
    const auto it = g_timers.find(id);
    if (it == g_timers.end())
        return;
    // deleteLater: the timer may be discarded from inside its own tick.
    QTimer* timer = it->second.release();
    timer->stop();
    timer->deleteLater();
    g_timers.erase(it);
}

}  // namespace telvar
