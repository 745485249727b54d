// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/action_player.h"

#include <algorithm>
#include <iterator>

#include "link/orders.h"

namespace telvar::sim {

namespace {

constexpr int kPaceTickMs = 0;  // checked on every pass of the event loop: timers of 1 ms would add up to a millisecond per burst

}  // namespace

ActionPlayer::ActionPlayer(Port port, bool paced, QObject* parent)
    : QObject(parent), port_(std::move(port)), paced_(paced), baud_(PROTOCOL_BAUD)
{
    pause_timer_.setSingleShot(true);
    pause_timer_.setTimerType(Qt::PreciseTimer);
    connect(&pause_timer_, &QTimer::timeout, this, &ActionPlayer::transmit);
    pace_timer_.setInterval(kPaceTickMs);
    pace_timer_.setTimerType(Qt::PreciseTimer);
    connect(&pace_timer_, &QTimer::timeout, this, &ActionPlayer::pace);
}

void ActionPlayer::play(Actions actions)
{
    std::move(actions.begin(), actions.end(), std::back_inserter(queue_));
    next();
}

void ActionPlayer::next()
{
    while (!busy_ && !queue_.empty()) {
        const Action& action = queue_.front();
        if (const auto* send = std::get_if<Send>(&action)) {
            busy_ = true;
            sending_ = QByteArray(reinterpret_cast<const char*>(send->bytes.data()),
                                  static_cast<qsizetype>(send->bytes.size()));
            const auto pause = send->pause;
            queue_.pop_front();
            if (pause.count() > 0)
                pause_timer_.start(pause);
            else
                transmit();
        } else if (const auto* speed = std::get_if<SwitchBaud>(&action)) {
            baud_ = speed->baud;
            queue_.pop_front();
            port_.set_baud(baud_);
        } else {
            queue_.clear();
            port_.close();
        }
    }
}

void ActionPlayer::transmit()
{
    if (!paced_) {
        port_.write(sending_);
        sent();
        return;
    }
    written_ = 0;
    clock_.start();
    pace_timer_.start();
}

void ActionPlayer::pace()
{
    const qint64 due = std::min<qint64>(sending_.size(), clock_.nsecsElapsed() * baud_ / kBitsPerByte / 1000000000);
    if (due > written_) {
        port_.write(sending_.mid(written_, due - written_));
        written_ = due;
    }
    if (written_ == sending_.size()) {
        pace_timer_.stop();
        sent();
    }
}

void ActionPlayer::sent()
{
    busy_ = false;
    next();
}

}  // namespace telvar::sim
