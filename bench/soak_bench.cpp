// SPDX-License-Identifier: GPL-3.0-or-later
// A long RUN as the operator starts it, the main window and its strip chart
// shown (offscreen is fine), against the controller simulator over loopback
// TCP, then STOP: the samples taken, the exchange failures, and the tool's
// resident memory after a warm-up, along the way and at the end, so that a
// slow leak shows as a trend.
#include "app/startup.h"
#include "bench/resident_memory.h"
#include "bench/simulator_process.h"
#include "bench/tool_start.h"
#include "link/com232.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using namespace telvar;

namespace {

inline constexpr int kDefaultSeconds = 600;
// By then the chart's history and every cache of the drawing are filled.
inline constexpr int kWarmUpSeconds = 10;
// Memory is also read at each tenth of the run: every minute in the default run.
inline constexpr int kParts = 10;
inline constexpr long kGrowthGoalKib = 2 * 1024;

// What the status line showed: "Rawdata recieved." for each sample, and the
// texts of failed exchange attempts and errors, counted by their wording.
class StatusLog {
public:
    StatusLog()
    {
        set_status_observer("bench", [this](const char* shown) { take(shown); });
    }
    ~StatusLog() { set_status_observer("bench", nullptr); }
    StatusLog(const StatusLog&) = delete;
    StatusLog& operator=(const StatusLog&) = delete;

    long samples() const { return samples_; }
    long failures() const { return failures_; }
    const std::map<std::string, long>& failure_texts() const { return failure_texts_; }

private:
    static bool is_failure(std::string_view text)
    {
        for (std::string_view head : {"Read failure", "Write failure", "Data failure"})
            if (text.starts_with(head))
                return true;
        return text.find("Error!") != std::string_view::npos;
    }

    void take(const char* shown)
    {
        if (std::strcmp(shown, "Rawdata recieved.") == 0) {
            ++samples_;
        } else if (is_failure(shown)) {
            ++failures_;
            ++failure_texts_[shown];
        }
    }

    long samples_ = 0;
    long failures_ = 0;
    std::map<std::string, long> failure_texts_;
};

// One reading along the run.
struct Mark {
    double seconds = 0;  // since RUN was pressed
    long samples = 0;
    long rss_kib = 0;
};

struct Soak {
    std::vector<Mark> marks;  // the first after the warm-up, the last at the end
    bool stopped = false;     // false when RUN ended by itself
};

double megabytes(long kib)
{
    return kib / 1024.0;
}

void print_mark(const Mark& mark, const Mark& before, const char* note)
{
    const double rate = (mark.samples - before.samples) / (mark.seconds - before.seconds);
    const int whole = static_cast<int>(mark.seconds + 0.5);
    std::printf("  %3d:%02d  %10ld  %9.0f  %8.1f MB  %s\n", whole / 60, whole % 60, mark.samples, rate,
                megabytes(mark.rss_kib), note);
    std::fflush(stdout);
}

// Presses RUN and, `seconds` later, STOP; reads the memory after the
// warm-up, at each tenth of the run and at STOP.
Soak run_soak(int seconds, const StatusLog& log)
{
    Soak soak;
    QElapsedTimer clock;
    const auto mark = [&](const char* note) {
        const Mark before = soak.marks.empty() ? Mark{} : soak.marks.back();
        soak.marks.push_back({clock.nsecsElapsed() / 1e9, log.samples(), bench::resident_kib()});
        print_mark(soak.marks.back(), before, note);
    };
    // The timers go with it when RUN ends by itself.
    const QObject timers;
    QTimer::singleShot(kWarmUpSeconds * 1000, &timers, [&] { mark("start, after the warm-up"); });
    for (int part = 1; part < kParts; ++part) {
        const int at_ms = part * seconds * 1000 / kParts;
        if (at_ms > kWarmUpSeconds * 1000)
            QTimer::singleShot(at_ms, &timers, [&] { mark(""); });
    }
    QTimer::singleShot(seconds * 1000, &timers, [&] {
        mark("end, STOP pressed");
        soak.stopped = true;
        CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0);
    });
    std::printf("  %6s  %10s  %9s  %11s\n", "time", "samples", "samples/s", "RSS");
    clock.start();
    CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0);
    if (!soak.stopped)
        mark("RUN ended by itself");
    return soak;
}

// True when every goal is met.
bool print_summary(const Soak& soak, const StatusLog& log)
{
    const Mark& end = soak.marks.back();
    const double rate = end.seconds > 0 ? end.samples / end.seconds : 0;
    const bool no_failures = log.failures() == 0;
    std::printf("\nSoak: RUN against the simulator over loopback TCP, %.0f s%s\n", end.seconds,
                soak.stopped ? ", then STOP" : ", ended by itself before STOP");
    std::printf("  samples             %ld, %.0f samples/s\n", end.samples, rate);
    std::printf("  exchange failures   %ld   goal 0: %s\n", log.failures(), no_failures ? "met" : "NOT MET");
    for (const auto& [text, count] : log.failure_texts())
        std::printf("    %6ld x \"%s\"\n", count, text.c_str());
    if (soak.marks.size() < 2) {
        std::printf("  RSS                 the run ended within the warm-up: no growth measured\n");
        return false;
    }
    const Mark& start = soak.marks.front();
    const long growth = end.rss_kib - start.rss_kib;
    const double minutes = (end.seconds - start.seconds) / 60;
    const bool small = growth < kGrowthGoalKib;
    std::printf("  RSS start           %.1f MB (%ld KiB, after %d s of warm-up)\n", megabytes(start.rss_kib),
                start.rss_kib, kWarmUpSeconds);
    std::printf("  RSS end             %.1f MB (%ld KiB)\n", megabytes(end.rss_kib), end.rss_kib);
    std::printf("  RSS growth          %+.2f MB (%+ld KiB, %+.1f KiB a minute)   goal < %.0f MB: %s\n",
                megabytes(growth), growth, growth / minutes, megabytes(kGrowthGoalKib), small ? "met" : "NOT MET");
    return soak.stopped && no_failures && small;
}

std::optional<int> parse_seconds(int argc, char** argv)
{
    int seconds = kDefaultSeconds;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--seconds") != 0 || k + 1 == argc)
            return std::nullopt;
        char* end = nullptr;
        const long value = std::strtol(argv[++k], &end, 10);
        if (*end != '\0' || value <= kWarmUpSeconds || value > 24 * 3600)
            return std::nullopt;
        seconds = static_cast<int>(value);
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<int> seconds = parse_seconds(argc, argv);
    if (!seconds) {
        std::fprintf(stderr, "usage: bench_soak [--seconds N]   N > %d, default %d\n", kWarmUpSeconds, kDefaultSeconds);
        return 2;
    }
    if (!bench::start_tool(argc, argv))
        return 1;
    show_main_window();
    try {
        bench::SimulatorProcess sim;
        bench::open_tcp_line(sim.tcp_port());
        const StatusLog log;
        const Soak soak = run_soak(*seconds, log);
        const bool met = print_summary(soak, log);
        InitTCP_IP(0);
        return met ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
}
