// Ctrl-C (SIGINT) and SIGTERM as a request to end a running command at its
// next check, so that it can close its file and the line first.
#pragma once

#include <csignal>

namespace telvar::cli {

class InterruptWatch {
public:
    InterruptWatch();   // from now on the two signals only set the request
    ~InterruptWatch();  // they end the program again
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    bool requested() const;

private:
    struct sigaction previous_int_;
    struct sigaction previous_term_;
};

}  // namespace telvar::cli
