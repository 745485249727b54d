// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator program as the tool meets it: started, talked to with raw
// frames over TCP and a pseudo-terminal, stopped with SIGTERM.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <vector>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "sim/core/bootloader.h"
#include "tests/sim/requests.h"
#include "tests/sim/sim_process.h"
#include "tests/sim/srecords.h"
#include "telvar_version.h"

namespace telvar::sim {
namespace {

using namespace std::chrono_literals;
using test::request_bytes;
using test::SimProcess;

// One answer of the size given, or what came within two seconds.
Bytes ask(QTcpSocket& socket, const Bytes& request, std::size_t size = frame::kBytes)
{
    socket.write(reinterpret_cast<const char*>(request.data()), qint64(request.size()));
    const QDeadlineTimer deadline(2s);
    QByteArray answer;
    while (answer.size() < qsizetype(size) && socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
        answer += socket.read(qint64(size) - answer.size());
    return Bytes(answer.begin(), answer.end());
}

void connect(QTcpSocket& socket, const SimProcess& sim)
{
    socket.connectToHost(QStringLiteral("127.0.0.1"), sim.tcp_port());
    ASSERT_TRUE(socket.waitForConnected(2000));
}

bool acknowledges(const Bytes& answer, int order)
{
    return answer.size() == std::size_t(frame::kBytes) && test::decoded(answer).order == order
           && test::decoded(answer).words[0] == ANSWER_ACK;
}

// The pseudo-terminal opened raw, as the tool opens its port.
class PtyLine {
public:
    PtyLine(const QString& path, bool flow_control) : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY))
    {
        termios settings{};
        tcgetattr(fd_, &settings);
        cfmakeraw(&settings);
        if (flow_control)
            settings.c_iflag |= IXON;  // the terminal obeys the simulator's XON/XOFF
        tcsetattr(fd_, TCSANOW, &settings);
    }
    ~PtyLine() { ::close(fd_); }

    void write(const Bytes& bytes)
    {
        for (std::size_t at = 0; at < bytes.size();) {
            const ssize_t count = ::write(fd_, bytes.data() + at, bytes.size() - at);
            ASSERT_GT(count, 0);
            at += std::size_t(count);
        }
    }

    // Reads until the text has arrived, or size bytes, or the limit passed.
    std::string read(std::string_view until, std::size_t size = SIZE_MAX, std::chrono::milliseconds limit = 5s)
    {
        const QDeadlineTimer deadline(limit);
        std::string seen;
        char piece[256];
        pollfd ready{fd_, POLLIN, 0};
        while ((until.empty() || seen.find(until) == std::string::npos) && seen.size() < size
               && ::poll(&ready, 1, int(deadline.remainingTime())) > 0) {
            const ssize_t got = ::read(fd_, piece, std::min(sizeof piece, size - seen.size()));
            if (got <= 0)
                break;
            seen.append(piece, std::size_t(got));
        }
        return seen;
    }
    Bytes answer() { return test::text_bytes(read({}, frame::kBytes)); }
    bool hung_up()
    {
        pollfd ready{fd_, POLLIN, 0};
        return ::poll(&ready, 1, 2000) > 0 && (ready.revents & POLLHUP);
    }

private:
    int fd_;
};

TEST(ProgramTest, HelpVersionAndBadOptions)
{
    SimProcess help({"--help"});
    EXPECT_EQ(help.wait_finished(), 0);
    EXPECT_TRUE(help.output().contains(QStringLiteral("--no-start-message")));
    SimProcess version({"--version"});
    EXPECT_EQ(version.wait_finished(), 0);
    EXPECT_EQ(version.output(), QStringLiteral("telvar-k20-sim %1\n").arg(QLatin1String(TELVAR_VERSION)));
    SimProcess bad({"--close-after", "none"});
    EXPECT_EQ(bad.wait_finished(), 2);
}

TEST(ProgramTest, AnswersOverTcpThroughGarbageAndVanishingPeers)
{
    SimProcess sim({"--tcp", "0"});
    ASSERT_TRUE(sim.wait_ready()) << qPrintable(sim.output());
    for (int peer = 0; peer < 2; ++peer) {
        QTcpSocket vanishing;
        connect(vanishing, sim);
        const Bytes request = request_bytes(peer == 0 ? ORDER_VERSION : ORDER_RAWDATA, {1});
        vanishing.write(reinterpret_cast<const char*>(request.data()), peer == 0 ? 36 : 17);
        vanishing.waitForBytesWritten(1000);
        vanishing.abort();
    }

    QTcpSocket socket;
    connect(socket, sim);
    Bytes expected(frame::kBytes, 0);
    expected[1] = 0x55;
    expected[3] = 0x05;
    expected[5] = 0xAA;
    Bytes noisy = {0xFF, 0x55, 0x12, 0xAA, 0x55};
    noisy.insert(noisy.end(), expected.begin(), expected.end());
    EXPECT_EQ(ask(socket, noisy), expected) << "garbage before the request";
    const Bytes version = ask(socket, request_bytes(ORDER_VERSION));
    EXPECT_EQ(std::string(version.begin(), version.begin() + kVersionText.size()), kVersionText);
    EXPECT_EQ(test::decoded(ask(socket, request_bytes(ORDER_WRITE_RAM, {9, 1}))).words[0], 9)
        << "unknown block number";
    EXPECT_FALSE(acknowledges(ask(socket, request_bytes(ORDER_START_DOWNLOAD, test::download_key())),
                              ORDER_START_DOWNLOAD))
        << "no download over TCP";
    EXPECT_EQ(sim.stop(), 0);
}

TEST(ProgramTest, FaultOptionsReachTheLine)
{
    SimProcess sim({"--tcp", "0", "--close-after", "2", "--wrong-sync"});
    ASSERT_TRUE(sim.wait_ready());
    for (int connection = 0; connection < 2; ++connection) {
        QTcpSocket socket;
        connect(socket, sim);
        const Bytes first = ask(socket, request_bytes(ORDER_LINE_CHECK));
        ASSERT_EQ(first.size(), std::size_t(frame::kBytes)) << "each connection counts afresh";
        EXPECT_EQ(first[0], 0x55);
        EXPECT_EQ(first[1], 0x00);
        EXPECT_EQ(ask(socket, request_bytes(ORDER_LINE_CHECK)).size(), std::size_t(frame::kBytes));
        EXPECT_TRUE(socket.state() == QAbstractSocket::UnconnectedState || socket.waitForDisconnected(2000));
    }
    EXPECT_EQ(sim.stop(), 0);
}

TEST(ProgramTest, EepromIsKeptAcrossRuns)
{
    QTemporaryDir dir;
    const QStringList arguments{"--tcp", "0", "--eeprom", dir.filePath(QStringLiteral("eeprom.txt"))};
    const frame::Words block = test::words_of({1, 100, 0xFFFF, 0, 16, 50, 1234, 111, 222});
    for (int run = 0; run < 2; ++run) {
        SimProcess sim(arguments);
        ASSERT_TRUE(sim.wait_ready());
        QTcpSocket socket;
        connect(socket, sim);
        if (run == 0)
            ask(socket, request_bytes(ORDER_WRITE_EEPROM, block));
        EXPECT_EQ(test::decoded(ask(socket, request_bytes(ORDER_READ_EEPROM, {1}))).words, block);
        EXPECT_EQ(test::decoded(ask(socket, request_bytes(ORDER_READ_RAM, {1}))).words, block);
        EXPECT_EQ(sim.stop(), 0);
    }
}

TEST(ProgramTest, DownloadsAnImageOverThePseudoTerminal)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyTELVAR0"));
    const QString image_file = dir.filePath(QStringLiteral("image.s"));
    SimProcess sim({"--pty", link, "--image-out", image_file});
    ASSERT_TRUE(sim.wait_ready()) << qPrintable(sim.output());
    {
        PtyLine line(link, true);
        line.write(request_bytes(ORDER_LINE_CHECK));
        EXPECT_TRUE(acknowledges(line.answer(), ORDER_LINE_CHECK));
        line.write(request_bytes(ORDER_START_DOWNLOAD, test::download_key()));
        EXPECT_TRUE(acknowledges(line.answer(), ORDER_START_DOWNLOAD));
        const std::string prompt = line.read(kPrompt);
        ASSERT_NE(prompt.find(kPrompt), std::string::npos) << prompt;

        const std::string image = test::firmware_image(300);
        line.write(test::text_bytes(image));
        const std::string report = line.read("\r\n", SIZE_MAX, 10s);
        EXPECT_EQ(report, std::string(kStartMessage) + "0x02000400\r\n");
        QFile received(image_file);
        ASSERT_TRUE(received.open(QIODevice::ReadOnly));
        EXPECT_EQ(received.readAll().toStdString(), image);

        line.write(request_bytes(ORDER_LINE_CHECK));
        EXPECT_TRUE(acknowledges(line.answer(), ORDER_LINE_CHECK)) << "back to the protocol";
    }
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink()) << "link removed";
}

TEST(ProgramTest, HangUpOnThePseudoTerminalDeliversTheLastAnswerAndReopens)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyTELVAR2"));
    SimProcess sim({"--pty", link, "--close-after", "1"});
    ASSERT_TRUE(sim.wait_ready());
    for (int opening = 0; opening < 2; ++opening) {
        PtyLine line(link, false);
        line.write(request_bytes(ORDER_LINE_CHECK));
        EXPECT_TRUE(acknowledges(line.answer(), ORDER_LINE_CHECK)) << "opening " << opening;
        EXPECT_TRUE(line.hung_up());
    }
    EXPECT_EQ(sim.stop(), 0);
}

TEST(ProgramTest, EveryEndingSignalEndsCleanlyAndRemovesTheLink)
{
    QTemporaryDir dir;
    for (int signal : {SIGINT, SIGHUP, SIGQUIT}) {
        const QString link = dir.filePath(QStringLiteral("ttyTELVAR3"));
        SimProcess sim({"--pty", link});
        ASSERT_TRUE(sim.wait_ready());
        EXPECT_EQ(sim.stop(signal), 0) << "signal " << signal;
        EXPECT_FALSE(QFileInfo(link).isSymLink()) << "signal " << signal;
    }
}

// The request crosses the wire before the controller can answer it, and the
// answer crosses it again: two line times of 36 bytes. Over TCP too, unless
// the simulator is told to be fast, and at the same pace: an exchange no
// longer than the two line times and a little of the event loop's steps.
TEST(ProgramTest, BaudPacingSpreadsRequestAndAnswerOverTheirLineTimes)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyTELVAR1"));
    SimProcess sim({"--pty", link, "--baud-pacing", "--tcp", "0"});
    ASSERT_TRUE(sim.wait_ready());
    const double line_time_ms = 1000.0 * frame::kBytes * 10 / PROTOCOL_BAUD;
    PtyLine line(link, false);
    QElapsedTimer clock;
    clock.start();
    line.write(request_bytes(ORDER_LINE_CHECK));
    EXPECT_TRUE(acknowledges(line.answer(), ORDER_LINE_CHECK));
    EXPECT_GE(clock.elapsed(), qint64(2 * line_time_ms * 0.95));

    QTcpSocket socket;
    connect(socket, sim);
    clock.restart();
    EXPECT_TRUE(acknowledges(ask(socket, request_bytes(ORDER_LINE_CHECK)), ORDER_LINE_CHECK));
    EXPECT_GE(clock.elapsed(), qint64(2 * line_time_ms * 0.95)) << "over TCP";

    // The middle of a run of exchanges, so that a busy moment of the machine does not count.
    std::vector<qint64> exchanges;
    for (int k = 0; k < 15; ++k) {
        clock.restart();
        ASSERT_TRUE(acknowledges(ask(socket, request_bytes(ORDER_LINE_CHECK)), ORDER_LINE_CHECK));
        exchanges.push_back(clock.nsecsElapsed());
    }
    std::ranges::nth_element(exchanges, exchanges.begin() + 7);
    EXPECT_LE(exchanges[7] / 1e6, 2 * line_time_ms * 1.25) << "ms an exchange over TCP";
    EXPECT_EQ(sim.stop(), 0);
}

}  // namespace
}  // namespace telvar::sim
