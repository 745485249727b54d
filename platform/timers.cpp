// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/timers.h"

#include "platform/events.h"
#include "platform/handle_table.h"

#include <QTimer>

#include <memory>

namespace telvar {

namespace {

detail::HandleTable<std::unique_ptr<QTimer>> g_timers;

}  // namespace

int NewRepeatingTimer(double seconds, std::function<void()> tick)
{
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(ScaledMilliseconds(seconds));
    QObject::connect(timer.get(), &QTimer::timeout, std::move(tick));
    timer->start();
    return g_timers.add(std::move(timer));
}

void DiscardTimer(int id)
{
    auto* kept = g_timers.find(id);
    if (!kept)
        return;
    // deleteLater: the timer may be discarded from inside its own tick.
    QTimer* timer = kept->release();
    timer->stop();
    timer->deleteLater();
    g_timers.remove(id);
}

}  // namespace telvar
