// SPDX-License-Identifier: GPL-3.0-or-later
// Turns SIGINT and SIGTERM into a call on the event loop, where it is safe
// to shut down in order.
#pragma once

#include <functional>
#include <memory>

#include <QSocketNotifier>

namespace telvar::sim {

class SignalWatch {
public:
    explicit SignalWatch(std::function<void()> on_signal);
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    bool install();

private:
    std::function<void()> on_signal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace telvar::sim
