// SPDX-License-Identifier: GPL-3.0-or-later
// What Compare costs beyond the exchanges of a Get: one fetch of the
// controller's RAM alone, against one Compare from the click to its window
// drawn with the differences, both against the simulator answering at once
// over loopback TCP. The goal: no more than 50 ms between their medians.
#include "app/startup.h"
#include "bench/simulator_process.h"
#include "bench/tool_start.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "params/pages.h"
#include "platform/events.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "storage/send_get.h"
#include "storage/transfer.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QElapsedTimer>
#include <QSpinBox>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <vector>

using namespace telvar;

namespace {

inline constexpr double kGoalMs = 50.0;
inline constexpr int kRuns = 25;

double median_ms(const std::function<bool()>& operation, int* failures)
{
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        if (!operation())
            ++*failures;
        ms.push_back(clock.nsecsElapsed() / 1e6);
        ProcessSystemEvents();
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

bool get_exchanges()
{
    const bool fetched = fetch_record(RAM);
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 0);
    return fetched;
}

// The window closed before each run, so that each Compare shows it anew;
// drawn when the events of the click have run.
bool compare_shown()
{
    CallCtrlCallback(panelMAIN, MAIN_BTN_COMPARE, EVENT_COMMIT, 0, 0);
    ProcessSystemEvents();
    QWidget* window = PanelWidget(panelCOMPARE);
    const bool shown = window->isVisible() && std::strstr(status_text(), "differences") != nullptr;
    window->repaint();
    CallCtrlCallback(panelCOMPARE, COMPARE_CLOSE, EVENT_COMMIT, 0, 0);
    return shown;
}

struct PageValue {
    int panel;
    int control;
    int value;
};

void change_pages()
{
    const PageValue changes[] = {
        {panelPARAA2, CH2_NUM_LASER, 61}, {panelPARAB2, CH2_NUM_LOW_TOL, -77}, {panelEVAL2, EV2_NUM_REFERENCE, 1234}};
    for (const PageValue& change : changes)
        qobject_cast<QSpinBox*>(ControlWidget(change.panel, change.control))->setValue(change.value);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!bench::start_tool(argc, argv))
        return 1;
    try {
        show_main_window();
        bench::SimulatorProcess sim({"--fast"});
        bench::open_tcp_line(sim.tcp_port());
        GetParameter();
        change_pages();
        int get_failures = 0;
        int compare_failures = 0;
        const double get = median_ms(get_exchanges, &get_failures);
        const double compare = median_ms(compare_shown, &compare_failures);
        const double beyond = compare - get;
        const bool met = beyond <= kGoalMs && get_failures + compare_failures == 0;
        std::printf("%d runs each, simulator with --fast on loopback TCP\n", kRuns);
        std::printf("Get, its exchanges alone    median %6.2f ms   failures %d\n", get, get_failures);
        std::printf("Compare, to its table shown median %6.2f ms   failures %d\n", compare, compare_failures);
        std::printf("Compare beyond the Get       %6.2f ms   goal <= %.0f ms: %s\n", beyond, kGoalMs,
                    met ? "met" : "NOT MET");
        InitTCP_IP(0);
        return met ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
}
