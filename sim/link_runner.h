// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a LinkSession on a real line: feeds it what arrives, plays what it
// answers, and wakes it when the boot loader has work due.
#pragma once

#include <functional>

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include "sim/action_player.h"
#include "sim/core/link_session.h"

namespace telvar::sim {

class LinkRunner : public QObject {
public:
    LinkRunner(Controller& controller, LinkKind kind, const FaultOptions& faults, LinkSession::ImageSink image_sink,
               ActionPlayer::Port port, bool paced, QObject* parent = nullptr);

    void receive(const QByteArray& bytes);
    // How many bytes the line may read now; once it has been 0, on_room
    // tells when to read again.
    qsizetype room() const { return static_cast<qsizetype>(session_.room()); }
    void on_room(std::function<void()> callback) { on_room_ = std::move(callback); }
    int baud() const { return player_.baud(); }

private:
    void wake();
    void play(Actions actions);

    LinkSession session_;
    ActionPlayer player_;
    QTimer wakeup_;
    std::function<void()> on_room_;
    bool full_ = false;
};

}  // namespace telvar::sim
