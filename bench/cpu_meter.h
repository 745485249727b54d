// SPDX-License-Identifier: GPL-3.0-or-later
// Wall time and CPU time over a stretch of the benchmark. The thread figure
// is the calling thread's own, the process figure adds every other thread.
#pragma once

#include <time.h>

namespace telvar::bench {

struct CpuUse {
    double wall_seconds = 0;
    double thread_percent = 0;   // CPU time of the measuring thread per wall time
    double process_percent = 0;  // CPU time of all threads per wall time
};

class CpuMeter {
public:
    CpuMeter() : start_(sample()) {}

    // Call from the thread that made the meter.
    CpuUse read() const
    {
        const Sample end = sample();
        CpuUse use;
        use.wall_seconds = end.wall - start_.wall;
        if (use.wall_seconds > 0) {
            use.thread_percent = 100.0 * (end.thread - start_.thread) / use.wall_seconds;
            use.process_percent = 100.0 * (end.process - start_.process) / use.wall_seconds;
        }
        return use;
    }

private:
    struct Sample {
        double wall;
        double thread;
        double process;
    };

    static double seconds(clockid_t clock)
    {
        timespec t{};
        clock_gettime(clock, &t);
        return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
    }
    static Sample sample()
    {
        return {seconds(CLOCK_MONOTONIC), seconds(CLOCK_THREAD_CPUTIME_ID),
                seconds(CLOCK_PROCESS_CPUTIME_ID)};
    }

    Sample start_;
};

}  // namespace telvar::bench
