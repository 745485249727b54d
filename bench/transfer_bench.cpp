// SPDX-License-Identifier: GPL-3.0-or-later
// How long a parameter Get and Send with target EEPROM take against the
// simulator paced like a 19200 baud wire on its pseudo-terminal. Three
// frames of 36 bytes there and 36 back cross the wire in 3 x 37.5 ms.
#include "app/startup.h"
#include "bench/simulator_process.h"
#include "bench/tool_start.h"
#include "link/com232.h"
#include "link/frame.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "platform/events.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "storage/send_get.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <vector>

using namespace telvar;

namespace {

inline constexpr double kWireMs = 3 * 2 * frame::kBytes * 10 * 1000.0 / PROTOCOL_BAUD;
inline constexpr double kGoalMs = 120.0;
inline constexpr int kRuns = 25;

struct Figures {
    double median;
    double p95;
    double worst;
    int failures;
};

Figures measure(void (*operation)(), const char* success)
{
    std::vector<double> ms;
    int failures = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        operation();
        ms.push_back(clock.nsecsElapsed() / 1e6);
        if (std::strcmp(status_text(), success) != 0)
            ++failures;
        ProcessSystemEvents();
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back(), failures};
}

bool report(const char* name, const Figures& f)
{
    const bool met = f.median <= kGoalMs && f.failures == 0;
    std::printf("%-22s median %6.1f ms   95th %6.1f ms   worst %6.1f ms   failures %d   goal <= %.0f ms (wire %.1f ms): %s\n",
                name, f.median, f.p95, f.worst, f.failures, kGoalMs, kWireMs, met ? "met" : "NOT MET");
    return met;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!bench::start_tool(argc, argv))
        return 1;
    try {
        bench::SimulatorProcess sim({"--baud-pacing"});
        bench::open_serial_line(bench::SimulatorProcess::kComPort);
        CallCtrlCallback(panelMAIN, MAIN_RADIO_EEPROM, EVENT_COMMIT, 0, 0);
        std::printf("%d runs each, simulator paced at %d baud on a pseudo-terminal\n", kRuns, PROTOCOL_BAUD);
        const bool get = report("Get, target EEPROM", measure(GetParameter, "Parameter loaded from sensor."));
        const bool send = report("Send, target EEPROM", measure(SendParameter, "Parameter saved to sensor."));
        InitRS232(0);
        return get && send ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
}
