// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/sim/sim_process.h"

#include <csignal>

#include <QDeadlineTimer>
#include <QRegularExpression>

namespace telvar::sim::test {

SimProcess::SimProcess(const QStringList& arguments)
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(TELVAR_SIM_PROGRAM), arguments);
    process_.waitForStarted();
}

SimProcess::~SimProcess()
{
    process_.kill();
    process_.waitForFinished();
}

bool SimProcess::wait_ready(std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    while (!output_.split(QLatin1Char('\n')).contains(QStringLiteral("ready"))) {
        if (deadline.hasExpired() || process_.state() != QProcess::Running)
            return false;
        process_.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
    }
    return true;
}

quint16 SimProcess::tcp_port() const
{
    const auto match = QRegularExpression(QStringLiteral("tcp 127\\.0\\.0\\.1:(\\d+)")).match(output_);
    return quint16(match.captured(1).toUInt());
}

int SimProcess::stop(int signal)
{
    if (process_.state() == QProcess::Running)
        ::kill(pid_t(process_.processId()), signal);
    return wait_finished();
}

int SimProcess::wait_finished()
{
    process_.waitForFinished(5000);
    if (process_.state() != QProcess::NotRunning)
        return -1;
    output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

}  // namespace telvar::sim::test
