// SPDX-License-Identifier: GPL-3.0-or-later
// The controller's serial side on a pseudo-terminal, reachable through a
// symbolic link at a chosen path (the tool opens the link as its port).
//
// The simulator keeps the terminal's own end open as well, so the line
// stays usable while no tool has it open. A hang-up closes the terminal
// and puts a fresh one under the same link.
#pragma once

#include <memory>

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include "sim/core/controller.h"
#include "sim/core/faults.h"
#include "sim/core/link_session.h"
#include "sim/link_runner.h"

namespace telvar::sim {

class PtyLink : public QObject {
public:
    PtyLink(Controller& controller, const FaultOptions& faults, bool paced, LinkSession::ImageSink image_sink);
    ~PtyLink() override;

    bool open(const QString& link_path, QString& error);
    QString terminal_name() const { return terminal_.name; }

private:
    struct Terminal {
        int master = -1;
        int own_end = -1;  // kept open so the line works while no tool has it
        QString name;
    };

    static bool open_terminal(Terminal& terminal, QString& error);
    static void close_terminal(Terminal& terminal);
    void attach(const Terminal& terminal);
    void detach();
    void hang_up();
    void read();
    void read_paced();
    // Reads at most `most` bytes into the session; the count read.
    qsizetype take(qsizetype most);
    void write(const QByteArray& bytes);
    void flush();

    Controller& controller_;
    FaultOptions faults_;
    bool paced_;
    LinkSession::ImageSink image_sink_;
    QString link_path_;
    Terminal terminal_;
    std::unique_ptr<QSocketNotifier> read_notifier_;
    std::unique_ptr<QSocketNotifier> write_notifier_;
    std::unique_ptr<LinkRunner> runner_;
    QByteArray unsent_;
    // Paced reading: a burst of request bytes reaches the session no faster
    // than the wire would bring it, counted from the burst's start.
    QTimer receive_timer_;
    QElapsedTimer burst_clock_;
    qint64 burst_taken_ = 0;
    bool in_burst_ = false;
};

}  // namespace telvar::sim
