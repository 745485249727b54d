// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a link's actions in order: pauses, sends, speed changes, hang-ups.
// With pacing, bytes leave no faster than the line's baud rate at 10 bits a
// byte, each once it would have been fully on the wire.
#pragma once

#include <deque>
#include <functional>

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "sim/core/actions.h"

namespace telvar::sim {

// 8N1: start bit, 8 data bits, stop bit.
inline constexpr int kBitsPerByte = 10;

class ActionPlayer : public QObject {
public:
    struct Port {
        std::function<void(const QByteArray&)> write;
        std::function<void(int baud)> set_baud;  // called after all earlier bytes were written
        std::function<void()> close;             // must not destroy the player at once
    };

    ActionPlayer(Port port, bool paced, QObject* parent = nullptr);

    void play(Actions actions);
    // The line's speed now: 19200, or 115200 in the boot loader.
    int baud() const { return baud_; }

private:
    void next();
    void transmit();
    void pace();
    void sent();

    Port port_;
    bool paced_;
    int baud_;
    std::deque<Action> queue_;
    bool busy_ = false;
    QByteArray sending_;
    qsizetype written_ = 0;
    QElapsedTimer clock_;
    QTimer pause_timer_;
    QTimer pace_timer_;
};

}  // namespace telvar::sim
