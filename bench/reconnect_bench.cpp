// SPDX-License-Identifier: GPL-3.0-or-later
// A monitoring station with nobody at the screen: RUN over loopback TCP, the
// controller (the simulator) switched off, and on again on the same port
// three seconds later. Measures how long after it is back the tool has
// reopened the line with its line check and version query, without a click,
// whether RUN went on by itself, and whether a Get after STOP loads the
// controller's set.
#include "app/startup.h"
#include "bench/simulator_process.h"
#include "bench/tool_start.h"
#include "link/command.h"
#include "link/reconnect.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "params/record.h"
#include "platform/events.h"
#include "platform/userint.h"
#include "storage/transfer.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace telvar;

namespace {

inline constexpr int kOffMs = 3000;
inline constexpr double kGoalSeconds = 15.0;
inline constexpr int kDefaultRounds = 5;

struct Round {
    double back_after = -1;  // seconds from the controller's return to the line reopened
    bool checked = false;    // line check and version query seen
    bool run_went_on = false;
    bool get_loaded = false;
};

bool starts(const std::string& text, const char* head)
{
    return text.rfind(head, 0) == 0;
}

void pump_until(const std::function<bool()>& done, int limit_ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limit_ms)
        WaitEvents(20);
}

Round one_round(std::optional<bench::SimulatorProcess>& sim, quint16 port)
{
    std::vector<std::string> texts;
    QElapsedTimer clock;
    Round round;
    // The line back is told on the status line; RUN then goes on, and is
    // stopped after a few samples.
    set_status_observer("bench", [&](const char* shown) {
        texts.emplace_back(shown);
        if (starts(shown, RECONNECTED_TEXT) && clock.isValid())
            round.back_after = clock.nsecsElapsed() / 1e9;
        if (round.back_after >= 0 && std::count(texts.begin(), texts.end(), "Rawdata recieved.") >= 5)
            CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0);
    });
    const QObject timers;
    QTimer::singleShot(1000, &timers, [&] { sim.reset(); });
    CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0);
    pump_until([] { return false; }, kOffMs);
    sim.emplace(QStringList{}, port);
    texts.clear();
    clock.start();
    // Until RUN has gone on and been stopped again, or the time is up.
    const auto stopped_again = [&] {
        return std::count(texts.begin(), texts.end(), "Rawdata recieved.") >= 5 && !command_running();
    };
    pump_until(stopped_again, static_cast<int>(kGoalSeconds * 2000));
    const auto seen = [&](const char* head) {
        return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return starts(t, head); });
    };
    round.checked = seen("Connection found. Line OK.") && seen("TELVAR-K20 SIM");
    round.run_went_on = seen("Rawdata recieved.");
    choose_target(RAM);
    set_word(BLOCK_A + CH_REFERENCE, 0);
    CallCtrlCallback(panelMAIN, MAIN_BTN_GET, EVENT_COMMIT, 0, 0);
    round.get_loaded = texts.back() == "Parameter loaded from sensor." && parameter[BLOCK_A + CH_REFERENCE] != 0;
    set_status_observer("bench", nullptr);
    return round;
}

int rounds_from(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--rounds") == 0)
        return std::max(1, std::atoi(argv[2]));
    return kDefaultRounds;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = rounds_from(argc, argv);
    if (!bench::start_tool(argc, argv))
        return 1;
    show_main_window();
    set_reconnect_auto(1);
    bool met = true;
    try {
        std::optional<bench::SimulatorProcess> sim(std::in_place);
        const quint16 port = sim->tcp_port();
        bench::open_tcp_line(port);
        std::printf("Controller off during RUN, on again %d ms later on the same port; no click at all\n", kOffMs);
        std::printf("  %5s  %22s  %19s  %12s  %13s\n", "round", "line back after return", "line check+version",
                    "RUN went on", "Get after");
        for (int k = 1; k <= rounds; ++k) {
            const Round r = one_round(sim, port);
            const bool ok =
                r.back_after >= 0 && r.back_after <= kGoalSeconds && r.checked && r.run_went_on && r.get_loaded;
            met = met && ok;
            std::printf("  %5d  %20.2f s  %19s  %12s  %13s\n", k, r.back_after, r.checked ? "yes" : "NO",
                        r.run_went_on ? "yes" : "NO", r.get_loaded ? "loaded" : "FAILED");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("goal: back within %.0f s of the controller's return, RUN going on, then a Get loads the set: %s\n",
                kGoalSeconds, met ? "met" : "NOT MET");
    return met ? 0 : 1;
}
