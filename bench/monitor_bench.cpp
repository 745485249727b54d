// SPDX-License-Identifier: GPL-3.0-or-later
// What the frame monitor costs the live display: RUN over loopback TCP
// against the simulator, the main window and its strip chart shown
// (offscreen is fine), in turns with the monitor closed and open. The rates
// of each kind of turn are compared by their medians, so that a busy moment
// of the shared machine weighs on neither side alone.
#include "bench/bench_rounds.h"
#include "app/startup.h"
#include "bench/cpu_meter.h"
#include "bench/simulator_process.h"
#include "bench/tool_start.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "monitor/frame_monitor.h"
#include "platform/events.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

using namespace telvar;

namespace {

inline constexpr double kRateGoal = 2000;
inline constexpr double kShareGoal = 0.95;
inline constexpr int kTurnSeconds = 2;
inline constexpr int kDefaultRounds = 10;

struct Turn {
    double rate = 0;     // samples a second
    double cpu_us = 0;   // CPU time of the tool's thread per sample
    std::string listed;  // what the monitor said it listed, empty while closed
};

// One RUN of `seconds`, its samples counted by the status text each shows.
Turn run_turn(int seconds)
{
    long samples = 0;
    set_status_observer("bench", [&samples](const char* shown) {
        if (std::strcmp(shown, "Rawdata recieved.") == 0)
            ++samples;
    });
    QTimer::singleShot(seconds * 1000, [] { CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0); });
    const bench::CpuMeter meter;
    CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0);
    const bench::CpuUse cpu = meter.read();
    set_status_observer("bench", nullptr);
    Turn turn;
    turn.rate = samples / cpu.wall_seconds;
    turn.cpu_us = cpu.thread_percent / 100 * cpu.wall_seconds / samples * 1e6;
    return turn;
}

Turn monitored_turn(int seconds)
{
    CallCtrlCallback(panelMAIN, MAIN_CMD_MONITOR, EVENT_COMMIT, 0, 0);
    // Drawn once before RUN: the turn measures an open monitor, not its opening.
    ProcessSystemEvents();
    Turn turn = run_turn(seconds);
    char state[128] = {};
    GetCtrlVal(panelMONITOR, MONITOR_STATE, state);
    turn.listed = state;
    CC_PANEL_MONITOR(panelMONITOR, EVENT_CLOSE, nullptr, 0, 0);
    return turn;
}

void print_turn(int round, const char* monitor, const Turn& turn)
{
    std::printf("  round %2d   monitor %-6s %7.0f samples/s  %6.1f us CPU a sample  %s\n", round, monitor, turn.rate,
                turn.cpu_us, turn.listed.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = bench::rounds_of(argc, argv, kDefaultRounds);
    if (rounds == 0) {
        std::fprintf(stderr, "usage: bench_monitor [--rounds N]   default %d rounds of 2 x %d s\n", kDefaultRounds,
                     kTurnSeconds);
        return 2;
    }
    if (!bench::start_tool(1, argv))
        return 1;
    show_main_window();
    try {
        bench::SimulatorProcess sim;
        bench::open_tcp_line(sim.tcp_port());
        std::printf("RUN over loopback TCP, simulator with --fast, %d rounds of %d s closed and %d s open\n", rounds,
                    kTurnSeconds, kTurnSeconds);
        std::vector<double> closed_rates, open_rates, closed_cpu, open_cpu;
        for (int round = 1; round <= rounds; ++round) {
            const Turn closed = run_turn(kTurnSeconds);
            print_turn(round, "closed", closed);
            const Turn open = monitored_turn(kTurnSeconds);
            print_turn(round, "open", open);
            closed_rates.push_back(closed.rate);
            closed_cpu.push_back(closed.cpu_us);
            open_rates.push_back(open.rate);
            open_cpu.push_back(open.cpu_us);
        }
        const double without = bench::median(closed_rates);
        const double with = bench::median(open_rates);
        const bool fast = with >= kRateGoal;
        const bool cheap = with >= kShareGoal * without;
        std::printf("median, monitor closed   %7.0f samples/s  %6.1f us CPU a sample\n", without, bench::median(closed_cpu));
        std::printf("median, monitor open     %7.0f samples/s  %6.1f us CPU a sample   goal >= %.0f/s: %s\n", with,
                    bench::median(open_cpu), kRateGoal, fast ? "met" : "NOT MET");
        std::printf("open / closed            %7.1f %%          goal >= %.0f %%: %s\n", 100 * with / without,
                    100 * kShareGoal, cheap ? "met" : "NOT MET");
        // Other programs on the machine move the rates more than the CPU time a sample takes.
        std::printf("CPU a sample, open / closed %6.1f %%\n", 100 * bench::median(open_cpu) / bench::median(closed_cpu));
        InitTCP_IP(0);
        return fast && cheap ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
}
