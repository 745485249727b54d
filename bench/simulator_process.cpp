// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/simulator_process.h"

#include "platform/test_seams.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

#include <stdexcept>

namespace telvar::bench {

SimulatorProcess::SimulatorProcess(const QStringList& options, quint16 tcp_port, Tcp tcp)
{
    const QString link = dir_.filePath(QStringLiteral("ttyTELVAR0"));
    QStringList arguments{"--tcp", QString::number(tcp_port), "--pty", link};
    if (tcp == Tcp::Fast)
        arguments << QStringLiteral("--fast");
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(TELVAR_SIM_PROGRAM), arguments + options);
    QString output;
    const QDeadlineTimer deadline(5000);
    while (!output.contains(QStringLiteral("\nready"))) {
        if (deadline.hasExpired() || !process_.waitForReadyRead(int(deadline.remainingTime())))
            throw std::runtime_error("the simulator did not start");
        output += QString::fromLocal8Bit(process_.readAllStandardOutput());
    }
    tcp_port_ = quint16(QRegularExpression(QStringLiteral("tcp 127\\.0\\.0\\.1:(\\d+)")).match(output).captured(1).toUInt());
    SetPseudoTerminalDir(dir_.path().toStdString());
}

SimulatorProcess::~SimulatorProcess()
{
    process_.terminate();
    process_.waitForFinished(5000);
}

}  // namespace telvar::bench
