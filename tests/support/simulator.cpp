// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/simulator.h"

#include "platform/test_seams.h"

namespace telvar::test {

Simulator::Simulator(const QStringList& options) : options_(options)
{
    SetPseudoTerminalDir(dir_.path().toStdString());
    if (start(QStringList{"--tcp", "0"}))
        tcp_port_ = process_->tcp_port();
}

Simulator::~Simulator()
{
    stop();
}

bool Simulator::start(const QStringList& arguments)
{
    const QString link = dir_.filePath(QStringLiteral("ttyTELVAR0"));
    // The tests' controller answers at once; a test that wants the line's pace says so.
    process_ = std::make_unique<sim::test::SimProcess>(arguments + QStringList{"--pty", link, "--fast"} + options_);
    ready_ = process_->wait_ready();
    return ready_;
}

void Simulator::stop(int signal)
{
    if (process_)
        process_->stop(signal);
    process_.reset();
    ready_ = false;
}

bool Simulator::start_again()
{
    stop();
    return start(QStringList{"--tcp", QString::number(tcp_port_)});
}

}  // namespace telvar::test
