// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator program run by a test: started with arguments, awaited
// until it reports ready, stopped with SIGTERM.
#pragma once

#include <chrono>

#include <QProcess>
#include <QStringList>

namespace telvar::sim::test {

class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments);
    ~SimProcess();

    bool wait_ready(std::chrono::milliseconds limit = std::chrono::seconds(5));
    quint16 tcp_port() const;
    // Sends the signal; the exit code as wait_finished() gives it.
    int stop(int signal = 15);
    // The exit code, or -1 after a crash or when it does not end in time.
    int wait_finished();
    QString output() const { return output_; }

private:
    QProcess process_;
    QString output_;
};

}  // namespace telvar::sim::test
