// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_peer.h"

#include "link/frame.h"
#include "link/orders.h"
#include "platform/test_seams.h"

#include <QFile>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace telvar::bench {

namespace {

inline constexpr int kBitsPerByte = 10;  // start bit, 8 data bits, stop bit
inline constexpr char kVersionText[] = "TELVAR-K20 bench peer 1.0";

std::int64_t monotonic_ns()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void sleep_until_ns(std::int64_t deadline)
{
    const timespec at{static_cast<time_t>(deadline / 1000000000), static_cast<long>(deadline % 1000000000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

void write_all(int fd, const std::uint8_t* bytes, int count)
{
    while (count > 0) {
        const ssize_t n = ::write(fd, bytes, static_cast<size_t>(count));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        bytes += n;
        count -= static_cast<int>(n);
    }
}

}  // namespace

Peer::Peer(Line line, int baud) : baud_(baud)
{
    if (::pipe(stop_pipe_) != 0)
        throw std::runtime_error("no pipe for the peer");
    if (line == Line::Tcp)
        open_tcp();
    else
        open_pty();
    thread_ = std::thread([this] { run(); });
}

Peer::~Peer()
{
    const char stop = 0;
    while (::write(stop_pipe_[1], &stop, 1) < 0 && errno == EINTR) {
    }
    thread_.join();
    for (int fd : {data_fd_, terminal_fd_, listen_fd_, stop_pipe_[0], stop_pipe_[1]})
        if (fd >= 0)
            ::close(fd);
}

void Peer::open_tcp()
{
    listen_fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof address;
    if (listen_fd_ < 0 || ::bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), size) != 0
        || ::listen(listen_fd_, 1) != 0
        || ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("cannot listen on loopback");
    tcp_port_ = ntohs(address.sin_port);
}

void Peer::open_pty()
{
    data_fd_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (data_fd_ < 0 || grantpt(data_fd_) != 0 || unlockpt(data_fd_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    const char* terminal = ptsname(data_fd_);
    terminal_fd_ = ::open(terminal, O_RDWR | O_NOCTTY);
    termios raw{};
    if (terminal_fd_ < 0 || tcgetattr(terminal_fd_, &raw) != 0)
        throw std::runtime_error("cannot open the pseudo-terminal");
    // No echo and no line editing even before the tool sets the line up.
    cfmakeraw(&raw);
    tcsetattr(terminal_fd_, TCSANOW, &raw);
    const QString link = link_dir_.filePath(QStringLiteral("ttyTELVAR0"));
    if (!link_dir_.isValid() || !QFile::link(QString::fromLocal8Bit(terminal), link))
        throw std::runtime_error("cannot link the pseudo-terminal");
    SetPseudoTerminalDir(link_dir_.path().toStdString());
}

void Peer::run()
{
    for (;;) {
        const int watched = data_fd_ >= 0 ? data_fd_ : listen_fd_;
        pollfd fds[2] = {{stop_pipe_[0], POLLIN, 0}, {watched, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents != 0)
            return;
        if (fds[1].revents == 0)
            continue;
        if (data_fd_ < 0) {
            data_fd_ = ::accept(listen_fd_, nullptr, nullptr);
            const int on = 1;
            setsockopt(data_fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            continue;
        }
        if (take(monotonic_ns()))
            continue;
        if (listen_fd_ < 0)
            return;
        // The tool hung up: wait for its next connection.
        ::close(data_fd_);
        data_fd_ = -1;
        pending_.clear();
    }
}

bool Peer::take(std::int64_t arrival_ns)
{
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(data_fd_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
        return true;
    if (n <= 0)
        return false;
    if (pending_.empty())
        first_byte_ns_ = arrival_ns;
    pending_.insert(pending_.end(), buffer, buffer + n);
    while (pending_.size() >= static_cast<size_t>(frame::kBytes)) {
        answer(pending_.data(), first_byte_ns_);
        pending_.erase(pending_.begin(), pending_.begin() + frame::kBytes);
        first_byte_ns_ = arrival_ns;
    }
    return true;
}

void Peer::answer(const std::uint8_t* request, std::int64_t arrival_ns)
{
    if (silent_)
        return;
    std::uint8_t reply[frame::kBytes] = {};
    const int order = frame::read_word(request + 2);
    std::uint16_t words[frame::kWords] = {};
    if (order == ORDER_VERSION) {
        // The version answer is bare text.
        std::memcpy(reply, kVersionText, sizeof kVersionText);
    } else if (order == ORDER_LINE_CHECK) {
        words[0] = ANSWER_ACK;
        frame::encode(reply, frame::kSyncWord, order, words);
    } else if (order == ORDER_DATA_MEMORY) {
        // Always a new recording: every block comes with its samples.
        frame::encode(reply, frame::kSyncWord, DATA_BLOCK_FIRST + frame::read_word(request + 6), words);
    } else {
        for (int k = 0; k < frame::kWords; ++k)
            words[k] = frame::read_word(request + 4 + 2 * k) ^ kAnswerFlip;
        frame::encode(reply, frame::kSyncWord, order, words);
    }
    if (baud_ > 0)
        send_paced(reply, frame::kBytes, arrival_ns);
    else
        write_all(data_fd_, reply, frame::kBytes);
}

// Each byte leaves when it would have fully crossed the wire: the request's
// bytes first, then the answer's. Deadlines come from the time the request
// began to arrive, so sleeping late once does not push back later bytes.
void Peer::send_paced(const std::uint8_t* bytes, int count, std::int64_t request_ns)
{
    const double byte_ns = 1e9 * kBitsPerByte / baud_;
    for (int k = 0; k < count; ++k) {
        sleep_until_ns(request_ns + static_cast<std::int64_t>((frame::kBytes + k + 1) * byte_ns));
        write_all(data_fd_, bytes + k, 1);
    }
}

}  // namespace telvar::bench
