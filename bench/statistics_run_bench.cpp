// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics pane costs the live display: RUN over loopback TCP
// against the simulator with --fast, the main window and its strip chart
// shown (offscreen is fine), in turns of equal length with the pane hidden
// and shown over the last 100,000 samples with its histogram in front. The
// history is full (an hour) from the start, so that every refresh of the
// pane works on the whole window. The rates of each kind of turn are
// compared by their medians, so that a busy moment of the shared machine
// weighs on neither side alone.
//
// Run: QT_QPA_PLATFORM=offscreen build/release/bin/bench_statistics_run [--rounds N]
#include "bench/bench_rounds.h"
#include "app/startup.h"
#include "bench/cpu_meter.h"
#include "bench/simulator_process.h"
#include "bench/statistics_setup.h"
#include "bench/tool_start.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "platform/events.h"
#include "platform/userint.h"
#include "stats/statistics_pane.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

using namespace telvar;

namespace {

inline constexpr double kShareGoal = 0.97;
inline constexpr int kTurnSeconds = 3;
inline constexpr int kDefaultRounds = 10;
inline constexpr int kWindow = 100000;

struct Turn {
    double rate = 0;    // samples a second
    double cpu_us = 0;  // CPU time of the tool's thread per sample
    long drawn = 0;     // the histogram's paints
};

// One RUN of `seconds`, its samples counted by the status text each shows.
Turn run_turn(int seconds)
{
    long samples = 0;
    set_status_observer("bench", [&samples](const char* shown) {
        if (std::strcmp(shown, "Rawdata recieved.") == 0)
            ++samples;
    });
    bench::PaintCounter counter;
    QWidget* histogram = bench::drawn_widget(bench::StatsTab::Histogram);
    histogram->installEventFilter(&counter);
    QTimer::singleShot(seconds * 1000, [] { CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0); });
    const bench::CpuMeter meter;
    CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0);
    const bench::CpuUse cpu = meter.read();
    histogram->removeEventFilter(&counter);
    set_status_observer("bench", nullptr);
    Turn turn;
    turn.rate = samples / cpu.wall_seconds;
    turn.cpu_us = cpu.thread_percent / 100 * cpu.wall_seconds / samples * 1e6;
    turn.drawn = counter.paints;
    return turn;
}

Turn shown_turn(int seconds)
{
    show_statistics_pane(true);
    // Drawn once before RUN: the turn measures a shown pane, not its showing.
    ProcessSystemEvents();
    Turn turn = run_turn(seconds);
    show_statistics_pane(false);
    return turn;
}

void print_turn(int round, const char* pane, const Turn& turn, int seconds)
{
    // The pane's timer draws at most once every STATS_REFRESH_S.
    std::printf("  round %2d   pane %-6s %7.0f samples/s  %6.1f us CPU a sample  histogram drawn %ld of %d times\n",
                round, pane, turn.rate, turn.cpu_us, turn.drawn, static_cast<int>(seconds / STATS_REFRESH_S));
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = bench::rounds_of(argc, argv, kDefaultRounds);
    if (rounds == 0) {
        std::fprintf(stderr, "usage: bench_statistics_run [--rounds N]   default %d rounds of 2 x %d s\n",
                     kDefaultRounds, kTurnSeconds);
        return 2;
    }
    if (!bench::start_tool(1, argv))
        return 1;
    show_main_window();
    try {
        bench::choose_statistics(kWindow, bench::StatsTab::Histogram);
        show_statistics_pane(false);
        bench::fill_history();
        bench::SimulatorProcess sim;
        bench::open_tcp_line(sim.tcp_port());
        std::printf("RUN over loopback TCP, simulator with --fast, history full; %d rounds of %d s with the pane "
                    "hidden and %d s shown (last %d, histogram tab)\n",
                    rounds, kTurnSeconds, kTurnSeconds, kWindow);
        std::vector<double> hidden_rates, shown_rates, hidden_cpu, shown_cpu;
        for (int round = 1; round <= rounds; ++round) {
            const Turn hidden = run_turn(kTurnSeconds);
            print_turn(round, "hidden", hidden, kTurnSeconds);
            const Turn shown = shown_turn(kTurnSeconds);
            print_turn(round, "shown", shown, kTurnSeconds);
            hidden_rates.push_back(hidden.rate);
            hidden_cpu.push_back(hidden.cpu_us);
            shown_rates.push_back(shown.rate);
            shown_cpu.push_back(shown.cpu_us);
        }
        const double without = bench::median(hidden_rates);
        const double with = bench::median(shown_rates);
        const bool cheap = with >= kShareGoal * without;
        std::printf("median, pane hidden   %7.0f samples/s  %6.1f us CPU a sample\n", without, bench::median(hidden_cpu));
        std::printf("median, pane shown    %7.0f samples/s  %6.1f us CPU a sample\n", with, bench::median(shown_cpu));
        std::printf("shown / hidden        %7.1f %%          goal >= %.0f %%: %s\n", 100 * with / without,
                    100 * kShareGoal, cheap ? "met" : "NOT MET");
        // Other programs on the machine move the rates more than the CPU time a sample takes.
        std::printf("CPU a sample, shown / hidden %6.1f %%\n", 100 * bench::median(shown_cpu) / bench::median(hidden_cpu));
        InitTCP_IP(0);
        return cheap ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
}
