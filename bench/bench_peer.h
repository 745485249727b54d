// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in controller for the exchange benchmark, on loopback TCP or on a
// pseudo-terminal it makes itself. It runs in a thread of its own, so that
// the main thread's CPU time is the tool's alone.
#pragma once

#include <QTemporaryDir>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace telvar::bench {

// Payload word k of the answer to an ordinary request is the request's word k
// with these bits flipped, so that an echo of the request never passes.
inline constexpr std::uint16_t kAnswerFlip = 0xA5A5;

class Peer {
public:
    enum class Line { Tcp, Pty };

    // baud 0 answers at once. Otherwise the peer acts as a wire of that rate
    // (8N1): it waits as long as the request would take to arrive, then
    // sends the answer byte by byte on a schedule of the monotonic clock.
    Peer(Line line, int baud);
    ~Peer();
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    int tcp_port() const { return tcp_port_; }
    // The COM port under which the tool finds the pseudo-terminal.
    static constexpr int kComPort = 65;
    // From now on every request goes unanswered.
    void go_silent() { silent_ = true; }

private:
    void open_tcp();
    void open_pty();
    void run();
    // Takes what arrived; false when the line has ended.
    bool take(std::int64_t arrival_ns);
    void answer(const std::uint8_t* request, std::int64_t arrival_ns);
    void send_paced(const std::uint8_t* bytes, int count, std::int64_t request_ns);

    const int baud_;
    std::atomic<bool> silent_{false};
    int listen_fd_ = -1;
    int data_fd_ = -1;      // the TCP conversation or the pseudo-terminal master
    int terminal_fd_ = -1;  // held open, so the master never reports a hang-up
    int stop_pipe_[2] = {-1, -1};
    int tcp_port_ = 0;
    QTemporaryDir link_dir_;
    std::vector<std::uint8_t> pending_;
    std::int64_t first_byte_ns_ = 0;  // when the pending request began to arrive
    std::thread thread_;
};

}  // namespace telvar::bench
