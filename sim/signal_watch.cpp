// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/signal_watch.h"

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace telvar::sim {

namespace {

int wake_fds[2] = {-1, -1};

void on_signal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wake_fds[1], &byte, 1);
}

}  // namespace

SignalWatch::SignalWatch(std::function<void()> on_signal) : on_signal_(std::move(on_signal)) {}

SignalWatch::~SignalWatch()
{
    notifier_.reset();
    for (int& fd : wake_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool SignalWatch::install()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wake_fds) != 0)
        return false;
    notifier_ = std::make_unique<QSocketNotifier>(wake_fds[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char byte;
        [[maybe_unused]] const ssize_t count = ::read(wake_fds[0], &byte, 1);
        on_signal_();
    });
    struct sigaction action{};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A closed terminal (SIGHUP) or SIGQUIT ends it as cleanly as SIGINT and SIGTERM.
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        if (sigaction(signal, &action, nullptr) != 0)
            return false;
    return true;
}

}  // namespace telvar::sim
