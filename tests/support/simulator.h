// SPDX-License-Identifier: GPL-3.0-or-later
// The controller simulator, run as its own program for the tool's tests: on
// loopback TCP and on a pseudo-terminal that the tool sees as COM port 65.
#pragma once

#include "tests/sim/sim_process.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace telvar::test {

class Simulator {
public:
    // Extra options of the simulator, such as faults.
    explicit Simulator(const QStringList& options = {});
    ~Simulator();

    bool ready() const { return ready_; }
    quint16 tcp_port() const { return tcp_port_; }
    int com_port() const { return 65; }
    QString directory() const { return dir_.path(); }

    // Ends the program with the signal, as a controller switched off
    // (SIGTERM, SIGHUP) or dead at once (SIGKILL): its line goes away.
    void stop(int signal = 15);
    // Starts it again on the same TCP port and pseudo-terminal link.
    bool start_again();

private:
    bool start(const QStringList& arguments);

    QTemporaryDir dir_;
    QStringList options_;
    std::unique_ptr<sim::test::SimProcess> process_;
    quint16 tcp_port_ = 0;
    bool ready_ = false;
};

}  // namespace telvar::test
