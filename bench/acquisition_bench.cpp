// SPDX-License-Identifier: GPL-3.0-or-later
// The measurement display as an operator runs it, with the strip chart
// shown (offscreen is fine): RUN against the simulator paced like a 19200
// baud wire on its pseudo-terminal and over TCP, RUN over loopback TCP as
// fast as it goes, and the time of one data-memory pass (8 blocks and a live
// sample) on a paced wire.
#include "app/startup.h"
#include "bench/bench_peer.h"
#include "bench/cpu_meter.h"
#include "bench/simulator_process.h"
#include "bench/tool_start.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/frame.h"
#include "link/frame_observer.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace telvar;

namespace {

// A live exchange is 36 bytes there and 36 back, 10 bits a byte.
inline constexpr double kLiveWireLimit = PROTOCOL_BAUD / (2.0 * frame::kBytes * 10);
// A data-memory pass is 9 such exchanges.
inline constexpr double kPassWireMs = 9 * 2 * frame::kBytes * 10 * 1000.0 / PROTOCOL_BAUD;
inline constexpr double kPacedShareGoal = 0.97;
inline constexpr double kTcpGoal = 2000;
inline constexpr double kPassGoalMs = 360;

// Counts the status texts a run shows; each names one step of the loop.
struct Counter {
    explicit Counter(const char* text) : text_(text)
    {
        set_status_observer("bench", [this](const char* shown) {
            if (std::strcmp(shown, text_) == 0)
                ++count;
        });
    }
    ~Counter() { set_status_observer("bench", nullptr); }
    long count = 0;

private:
    const char* text_;
};

// Where a pass's time goes: from a request written to its answer taken (the
// wire, the counterpart and the wake-up), and from an answer taken to the
// next request written (the tool's own share).
class PassTimes {
public:
    PassTimes()
    {
        set_frame_observer("bench", [this](const FrameSeen& seen) {
            const auto now = std::chrono::steady_clock::now();
            if (seen.event == FrameEvent::Answer && asked_) {
                on_line_.push_back(ms(now - *asked_));
                answered_ = now;
            } else if (seen.event == FrameEvent::Request) {
                if (answered_)
                    in_tool_.push_back(ms(now - *answered_));
                asked_ = now;
            }
        });
    }
    ~PassTimes() { set_frame_observer("bench", nullptr); }
    PassTimes(const PassTimes&) = delete;
    PassTimes& operator=(const PassTimes&) = delete;
    std::string text() const
    {
        char line[200];
        std::snprintf(line, sizeof line,
                      "request to answer: mean %.2f ms, median %.2f ms; answer to next request: mean %.2f ms, median %.2f ms",
                      mean(on_line_), percentile(on_line_, 0.5), mean(in_tool_), percentile(in_tool_, 0.5));
        return line;
    }

private:
    static double ms(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
    static double mean(const std::vector<double>& values)
    {
        return values.empty() ? 0 : std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
    }
    static double percentile(std::vector<double> values, double share)
    {
        if (values.empty())
            return 0;
        std::sort(values.begin(), values.end());
        return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
    }

    std::optional<std::chrono::steady_clock::time_point> asked_;
    std::optional<std::chrono::steady_clock::time_point> answered_;
    std::vector<double> on_line_;
    std::vector<double> in_tool_;
};

void close_lines()
{
    InitTCP_IP(0);
    InitRS232(0);
}

// Runs the loop behind `button` for `seconds`, then presses STOP.
void run_for(int button, double seconds)
{
    QTimer::singleShot(static_cast<int>(seconds * 1000), [] { CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0); });
    CallCtrlCallback(panelMAIN, button, EVENT_COMMIT, 0, 0);
}

// RUN on a paced line, already open; the share of the wire limit.
double paced_share(const char* name, double seconds)
{
    Counter samples("Rawdata recieved.");
    const PassTimes times;
    QElapsedTimer clock;
    clock.start();
    run_for(MAIN_CMD_RUN, seconds);
    const double rate = samples.count / (clock.nsecsElapsed() / 1e9);
    close_lines();
    const double share = rate / kLiveWireLimit;
    std::printf("RUN, %-31s %7.2f samples/s = %5.1f %% of the wire limit %.1f/s   goal >= %.0f %%: %s\n"
                "     %s\n",
                name, rate, 100 * share, kLiveWireLimit, 100 * kPacedShareGoal, share >= kPacedShareGoal ? "met" : "NOT MET",
                times.text().c_str());
    return share;
}

// The simulator paces its line in steps of its event loop; a stand-in peer
// paced by its own thread's clock shows what the tool itself achieves on
// such a wire. Over TCP the simulator plays a controller behind a converter:
// the same wire time, the same pace.
bool paced_run(double seconds)
{
    double simulated = 0;
    double over_tcp = 0;
    {
        bench::SimulatorProcess sim({"--baud-pacing"}, 0, bench::SimulatorProcess::Tcp::Paced);
        bench::open_serial_line(bench::SimulatorProcess::kComPort);
        simulated = paced_share("simulator paced at 19200 baud", seconds);
        bench::open_tcp_line(sim.tcp_port());
        over_tcp = paced_share("simulator paced, over TCP", seconds);
    }
    bench::Peer peer(bench::Peer::Line::Pty, PROTOCOL_BAUD);
    bench::open_serial_line(bench::Peer::kComPort);
    const double precise = paced_share("peer paced at 19200 baud", seconds);
    return simulated >= kPacedShareGoal && over_tcp >= kPacedShareGoal && precise >= kPacedShareGoal;
}

bool tcp_run(double seconds)
{
    bench::SimulatorProcess sim;
    bench::open_tcp_line(sim.tcp_port());
    Counter samples("Rawdata recieved.");
    const bench::CpuMeter meter;
    run_for(MAIN_CMD_RUN, seconds);
    const bench::CpuUse cpu = meter.read();
    const double rate = samples.count / cpu.wall_seconds;
    close_lines();
    const bool met = rate >= kTcpGoal && cpu.process_percent <= 100.0;
    std::printf("RUN, simulator over loopback TCP    %7.0f samples/s, each drawn   CPU tool thread %.0f %%,"
                " whole tool %.0f %%   goal >= %.0f/s within one core: %s\n", rate, cpu.thread_percent,
                cpu.process_percent, kTcpGoal, met ? "met" : "NOT MET");
    return met;
}

bool data_pass(double seconds)
{
    // A stand-in controller whose memory always holds a new recording, on a
    // wire paced in both directions.
    bench::Peer peer(bench::Peer::Line::Pty, PROTOCOL_BAUD);
    bench::open_serial_line(bench::Peer::kComPort);
    SetCtrlVal(panelMAIN, MAIN_TRACE_CHA, 1);
    SetCtrlVal(panelMAIN, MAIN_TRACE_CHB, 0);
    Counter passes("Data from index 0 to index 16 recieved.");  // shown once a pass
    QElapsedTimer clock;
    clock.start();
    run_for(MAIN_CMD_DATA, seconds);
    const double pass_ms = clock.nsecsElapsed() / 1e6 / passes.count;
    close_lines();
    const bool met = pass_ms <= kPassGoalMs;
    std::printf("DATA pass, paced at 19200 baud      %7.1f ms a pass (%ld passes; wire %.1f ms)   goal <= %.0f ms: %s\n",
                pass_ms, passes.count, kPassWireMs, kPassGoalMs, met ? "met" : "NOT MET");
    return met;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!bench::start_tool(argc, argv))
        return 1;
    setup_strip_chart();
    DisplayPanel(panelMAIN);
    try {
        const bool paced = paced_run(8.0);
        const bool tcp = tcp_run(4.0);
        const bool pass = data_pass(8.0);
        return paced && tcp && pass ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
}
