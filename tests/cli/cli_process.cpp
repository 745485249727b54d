// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/cli/cli_process.h"

#include "sim/core/parameters.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>

#include <gtest/gtest.h>

namespace telvar::test {

namespace {

void start(QProcess& process, const QStringList& arguments, const Simulator* sim, const CliSurroundings& surroundings = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (sim)
        environment.insert(QStringLiteral("TELVAR_PTY_DIR"), sim->directory());
    for (const QString& setting : surroundings.environment)
        environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    // In the child, between fork and exec: calls that are safe there only.
    process.setChildProcessModifier([closed = surroundings.output_closed, limit = surroundings.file_size_limit] {
        if (closed) {
            int ends[2];
            if (::pipe(ends) == 0) {
                ::close(ends[0]);
                ::dup2(ends[1], STDOUT_FILENO);
                ::close(ends[1]);
            }
        }
        if (limit > 0) {
            const rlimit size{rlim_t(limit), rlim_t(limit)};
            ::setrlimit(RLIMIT_FSIZE, &size);
        }
    });
    process.start(QStringLiteral(TELVAR_CLI_PROGRAM), arguments);
    process.waitForStarted();
}

CliResult finished(QProcess& process, std::string out, int limit_ms)
{
    CliResult result;
    if (!process.waitForFinished(limit_ms)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        result.code = process.exitCode();
    }
    result.out = out + process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

}  // namespace

CliResult run_cli(const QStringList& arguments, const Simulator* sim, int limit_ms)
{
    QProcess process;
    start(process, arguments, sim);
    return finished(process, {}, limit_ms);
}

CliResult run_cli(const QStringList& arguments, const Simulator* sim, const CliSurroundings& surroundings)
{
    QProcess process;
    start(process, arguments, sim, surroundings);
    return finished(process, {}, 30000);
}

CliProcess::CliProcess(const QStringList& arguments, const Simulator* sim)
{
    start(process_, arguments, sim);
}

CliProcess::~CliProcess()
{
    process_.kill();
    process_.waitForFinished();
}

bool CliProcess::wait_output(std::size_t bytes, int limit_ms)
{
    QDeadlineTimer deadline(limit_ms);
    while (out_.size() < bytes && !deadline.hasExpired() && process_.state() == QProcess::Running) {
        process_.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        out_ += process_.readAllStandardOutput().toStdString();
    }
    return out_.size() >= bytes;
}

CliResult CliProcess::stop(int signal)
{
    ::kill(pid_t(process_.processId()), signal);
    return finished(process_, out_, 10000);
}

QStringList tcp_line(const Simulator& sim)
{
    return {"--tcp", QStringLiteral("127.0.0.1:%1").arg(sim.tcp_port())};
}

QStringList com_line(const Simulator& sim)
{
    return {"--com", QString::number(sim.com_port())};
}

QStringList device_line(const Simulator& sim)
{
    return {"--device", device_path(sim)};
}

QString device_path(const Simulator& sim)
{
    return QDir(sim.directory()).filePath(QStringLiteral("ttyTELVAR0"));
}

Words factory_words()
{
    return sim::factory_parameters().words;
}

QStringList eeprom_options(const QString& eeprom, const Words& words)
{
    std::string text;
    for (std::size_t k = 0; k < words.size(); ++k)
        text += std::to_string(words[k]) + ((k + 1) % 16 == 0 ? "\n" : " ");
    write_file(eeprom, text);
    return {"--eeprom", eeprom};
}

Words read_eeprom(const QString& eeprom)
{
    const QStringList fields = QString::fromStdString(read_file(eeprom))
                                   .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    Words words{};
    EXPECT_EQ(fields.size(), int(words.size())) << "an EEPROM file of 48 words";
    for (int k = 0; k < std::min<int>(fields.size(), int(words.size())); ++k)
        words[k] = static_cast<std::uint16_t>(fields[k].toUInt());
    return words;
}

std::string read_file(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void write_file(const QString& path, const std::string& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content.data(), qint64(content.size()));
}

void make_fifo(const QString& path)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
}

void make_sparse_file(const QString& path, qint64 bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(bytes)) << path.toStdString();
}

QString full_device(const QString& dir)
{
    constexpr unsigned kFullMajor = 1;
    constexpr unsigned kFullMinor = 7;
    struct stat status {};
    if (::stat("/dev/full", &status) == 0 && S_ISCHR(status.st_mode))
        return QStringLiteral("/dev/full");
    const QString made = QDir(dir).filePath(QStringLiteral("full"));
    const bool ok = ::mknod(QFile::encodeName(made).constData(), S_IFCHR | 0666, makedev(kFullMajor, kFullMinor)) == 0;
    return ok ? made : QString();
}

}  // namespace telvar::test
