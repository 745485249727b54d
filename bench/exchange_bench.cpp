// SPDX-License-Identifier: GPL-3.0-or-later
// Round trips per second and CPU use of the frame exchange against a peer on
// loopback TCP, on a pseudo-terminal, on a pseudo-terminal paced like a
// 19200 baud wire, and against a peer that never answers.
//
// The peer runs in a thread of its own; the "tool" CPU figure is the main
// thread's CPU time, where every exchange runs. The process figure adds the
// peer and Qt's helper threads.
#include "app/startup.h"
#include "bench/bench_peer.h"
#include "bench/cpu_meter.h"
#include "link/com232.h"
#include "link/line_table.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "ui/roles.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

using namespace telvar;
using bench::CpuMeter;
using bench::CpuUse;
using bench::Peer;

namespace {

inline constexpr int kPacedBaud = PROTOCOL_BAUD;
// Request and answer cross the wire one after the other, 10 bits a byte.
inline constexpr double kWireLimit = kPacedBaud / (2.0 * frame::kBytes * 10);
inline constexpr double kFastGoal = 5000;         // exchanges per second
inline constexpr double kPacedGoalShare = 0.95;   // of the wire limit
inline constexpr double kSilentCpuGoal = 1.0;     // percent, "near 0"

struct Durations {
    double fast_seconds;
    int fast_count;
    double paced_seconds;
};

inline constexpr Durations kFull{2.0, 20000, 6.0};
inline constexpr Durations kQuick{0.5, 5000, 2.0};

struct Tally {
    int answered = 0;
    int no_answer = 0;  // every attempt failed
    int wrong = 0;      // an answer that did not decode or had another payload
    int retried = 0;    // answered, but not at the first attempt
    std::vector<double> round_trip_ms;
    CpuUse cpu;

    int failures() const { return no_answer + wrong; }
    double rate() const { return cpu.wall_seconds > 0 ? answered / cpu.wall_seconds : 0; }
};

struct Outcome {
    std::string name;
    std::string rate;
    std::string goal;
    bool met;
    CpuUse cpu;
    int failures;
};

// Payload of exchange i: differs from one exchange to the next.
void fill_request(int i, unsigned short* words)
{
    for (int k = 0; k < PNUM; ++k)
        words[k] = static_cast<unsigned short>(i * 0x9E37 + k * 0x0101);
}

bool answer_matches(const unsigned short* request)
{
    unsigned short answer[PNUM] = {};
    if (GetRxBuf(answer) != ORDER_READ_RAM)
        return false;
    for (int k = 0; k < PNUM; ++k)
        if (answer[k] != static_cast<unsigned short>(request[k] ^ bench::kAnswerFlip))
            return false;
    return true;
}

Tally run_exchanges(int max_count, double max_seconds)
{
    using Clock = std::chrono::steady_clock;
    Tally tally;
    tally.round_trip_ms.reserve(static_cast<size_t>(max_count));
    const auto end = Clock::now() + std::chrono::duration<double>(max_seconds);
    const CpuMeter meter;
    for (int i = 0; i < max_count && Clock::now() < end; ++i) {
        unsigned short request[PNUM];
        fill_request(i, request);
        FillTxBuf(ORDER_READ_RAM, request);
        const auto start = Clock::now();
        const int left = ExchangeFrame();
        const std::chrono::duration<double, std::milli> round_trip = Clock::now() - start;
        tally.round_trip_ms.push_back(round_trip.count());
        if (left == 0) {
            ++tally.no_answer;
        } else if (!answer_matches(request)) {
            ++tally.wrong;
        } else {
            ++tally.answered;
            if (left < EXCHANGE_ATTEMPTS)
                ++tally.retried;
        }
    }
    tally.cpu = meter.read();
    return tally;
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    const auto at = values.begin() + static_cast<long>(share * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

void print_tally(const char* name, const Tally& t, const std::string& extra)
{
    std::printf("%-18s %6d ok in %5.2f s = %8.1f /s%s | round trip ms p50 %.3f p99 %.3f max %.3f"
                " | CPU tool thread %5.1f %%, process %5.1f %% | failures %d (no answer %d,"
                " wrong %d), retried %d\n",
                name, t.answered, t.cpu.wall_seconds, t.rate(), extra.c_str(),
                percentile(t.round_trip_ms, 0.5), percentile(t.round_trip_ms, 0.99),
                percentile(t.round_trip_ms, 1.0), t.cpu.thread_percent, t.cpu.process_percent,
                t.failures(), t.no_answer, t.wrong, t.retried);
    std::fflush(stdout);
}

template <typename... Values>
std::string format(const char* pattern, Values... values)
{
    char text[96];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

void connect_tcp(const Peer& peer)
{
    choose_protocol(1);
    choose_tcp_address("127.0.0.1", portNumStr, peer.tcp_port());
    InitTCP_IP(1);
    if (tcpcon != 1)
        throw std::runtime_error("the tool did not connect to the TCP peer");
}

void open_serial()
{
    choose_protocol(0);
    choose_com_port(Peer::kComPort);
    InitRS232(1);
    if (rs232con != 1)
        throw std::runtime_error("the tool did not open the pseudo-terminal");
}

Outcome fast_case(const char* name, const Tally& t)
{
    // An answer that is in while the exchange starts its poll wait costs a
    // whole poll step: these round trips show how often that happens.
    const auto slow = std::count_if(t.round_trip_ms.begin(), t.round_trip_ms.end(),
                                    [](double ms) { return ms >= POLL_MS; });
    print_tally(name, t, format(" (%ld took >= %d ms)", static_cast<long>(slow), POLL_MS));
    return {name, format("%.1f", t.rate()), format(">= %.0f /s", kFastGoal),
            t.rate() >= kFastGoal && t.failures() == 0, t.cpu, t.failures()};
}

Outcome tcp_case(const Durations& d)
{
    Peer peer(Peer::Line::Tcp, 0);
    connect_tcp(peer);
    const Tally t = run_exchanges(d.fast_count, d.fast_seconds);
    InitTCP_IP(0);
    return fast_case("loopback TCP", t);
}

Outcome pty_case(const Durations& d)
{
    Peer peer(Peer::Line::Pty, 0);
    open_serial();
    const Tally t = run_exchanges(d.fast_count, d.fast_seconds);
    InitRS232(0);
    return fast_case("pseudo-terminal", t);
}

Outcome paced_case(const Durations& d)
{
    Peer peer(Peer::Line::Pty, kPacedBaud);
    open_serial();
    const Tally t = run_exchanges(d.fast_count, d.paced_seconds);
    InitRS232(0);
    const double share = t.rate() / kWireLimit;
    print_tally("paced 19200 8N1", t, format(" (%.1f %% of wire limit)", 100 * share));
    return {"paced 19200 8N1", format("%.2f (%.1f %%)", t.rate(), 100 * share),
            format(">= %.0f %% of %.1f /s", 100 * kPacedGoalShare, kWireLimit),
            share >= kPacedGoalShare && t.failures() == 0, t.cpu, t.failures()};
}

Outcome silent_case()
{
    Peer peer(Peer::Line::Pty, 0);
    open_serial();
    peer.go_silent();
    unsigned short request[PNUM];
    fill_request(0, request);
    FillTxBuf(ORDER_READ_RAM, request);
    const CpuMeter meter;
    const int left = ExchangeFrame();
    const CpuUse cpu = meter.read();
    InitRS232(0);
    // A silent peer must cost every attempt.
    const int failures = left == 0 ? 0 : 1;
    std::printf("%-18s one exchange, %d attempts, gave up after %5.2f s | CPU tool thread %5.2f %%,"
                " process %5.2f %% | failures %d\n",
                "silent peer", EXCHANGE_ATTEMPTS, cpu.wall_seconds, cpu.thread_percent,
                cpu.process_percent, failures);
    std::fflush(stdout);
    return {"silent peer", "-", format("tool CPU <= %.0f %%", kSilentCpuGoal),
            cpu.thread_percent <= kSilentCpuGoal && failures == 0, cpu, failures};
}

void print_summary(const std::vector<Outcome>& outcomes)
{
    std::printf("\n%-18s %-18s %-26s %-4s %9s %12s %9s\n", "case", "exchanges/s", "goal", "met",
                "tool CPU", "process CPU", "failures");
    for (const Outcome& o : outcomes)
        std::printf("%-18s %-18s %-26s %-4s %8.1f%% %11.1f%% %9d\n", o.name.c_str(), o.rate.c_str(),
                    o.goal.c_str(), o.met ? "yes" : "no", o.cpu.thread_percent,
                    o.cpu.process_percent, o.failures);
    std::printf("tool CPU: main thread, where the exchanges run; process CPU: all threads,"
                " the peer's included.\n");
}

bool load_tool()
{
    if (!load_panels())
        return false;
    InitVars();
    // A pop-up would stop the run until someone closes it.
    SetModalHook([](const ModalRequest& request) {
        std::fprintf(stderr, "pop-up %s: %s\n", request.title.c_str(), request.text.c_str());
        return ModalAnswer{};
    });
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!InitCVIRTE(argc, argv))
        return 1;
    // Qt has taken its own options out by now.
    const QStringList options = QCoreApplication::arguments().mid(1);
    const bool quick = options == QStringList{QStringLiteral("--quick")};
    if (!options.isEmpty() && !quick) {
        std::fprintf(stderr, "usage: %s [--quick]\n", argv[0]);
        return 2;
    }
    if (!load_tool()) {
        std::fprintf(stderr, "cannot start the tool: are the panel files beside the program?\n");
        return 1;
    }
    const Durations& d = quick ? kQuick : kFull;
    std::vector<Outcome> outcomes;
    try {
        outcomes.push_back(tcp_case(d));
        outcomes.push_back(pty_case(d));
        outcomes.push_back(paced_case(d));
        outcomes.push_back(silent_case());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
    print_summary(outcomes);
    const bool all_correct =
        std::all_of(outcomes.begin(), outcomes.end(), [](const Outcome& o) { return o.failures == 0; });
    return all_correct ? 0 : 1;
}
