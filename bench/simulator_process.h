// SPDX-License-Identifier: GPL-3.0-or-later
// The controller simulator for a benchmark: started as its own program with
// a pseudo-terminal link that the tool sees as COM port 65 and a loopback TCP
// port, awaited until it says ready, stopped when the benchmark ends.
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace telvar::bench {

class SimulatorProcess {
public:
    static constexpr int kComPort = 65;

    // How it answers over TCP: at once, or at the pace of the controller's line.
    enum class Tcp { Fast, Paced };

    // Extra options, such as --baud-pacing; a TCP port of 0 picks a free one.
    // Throws when it does not start.
    explicit SimulatorProcess(const QStringList& options = {}, quint16 tcp_port = 0, Tcp tcp = Tcp::Fast);
    ~SimulatorProcess();

    quint16 tcp_port() const { return tcp_port_; }

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 tcp_port_ = 0;
};

}  // namespace telvar::bench
