// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/link_runner.h"

#include <algorithm>
#include <chrono>
#include <span>

#include "sim/real_time.h"

namespace telvar::sim {

LinkRunner::LinkRunner(Controller& controller, LinkKind kind, const FaultOptions& faults,
                       LinkSession::ImageSink image_sink, ActionPlayer::Port port, bool paced, QObject* parent)
    : QObject(parent), session_(controller, kind, faults, std::move(image_sink)), player_(std::move(port), paced, this)
{
    wakeup_.setSingleShot(true);
    wakeup_.setTimerType(Qt::PreciseTimer);
    connect(&wakeup_, &QTimer::timeout, this, &LinkRunner::wake);
}

void LinkRunner::receive(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    play(session_.receive(std::span(data, static_cast<std::size_t>(bytes.size())), real_now()));
}

void LinkRunner::wake()
{
    play(session_.tick(real_now()));
}

void LinkRunner::play(Actions actions)
{
    player_.play(std::move(actions));
    if (const auto due = session_.next_wakeup()) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - real_now());
        wakeup_.start(std::max(wait, std::chrono::milliseconds(0)));
    } else {
        wakeup_.stop();
    }
    if (room() == 0) {
        full_ = true;
    } else if (full_) {
        full_ = false;
        if (on_room_)
            on_room_();
    }
}

}  // namespace telvar::sim
