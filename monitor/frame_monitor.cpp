// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/frame_monitor.h"

#include "link/frame_observer.h"
#include "link/line_check.h"
#include "link/line_watch.h"
#include "link/orders.h"
#include "monitor/frame_log.h"
#include "monitor/frame_text.h"
#include "monitor/frame_view.h"
#include "platform/csv_file.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/table.h"
#include "platform/timers.h"
#include "platform/translation.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace telvar {

namespace {

// The list takes in new frames twice a second, not per frame: at two
// thousand exchanges a second the window would do nothing else. Each repaint
// a second costs RUN over TCP about 0.5 % of its pace.
inline constexpr double REFRESH_SECONDS = 0.5;
inline constexpr int ALL_CODES = -1;

class Rows final : public TableRows {
public:
    explicit Rows(const FrameView& view) : view_(view) {}
    std::size_t row_count() const override { return view_.size(); }
    std::string cell(std::size_t row, int column) const override
    {
        const FrameRecord* record = view_.row(row);
        return record ? shown_frame_cell(*record, column) : std::string();
    }

private:
    const FrameView& view_;
};

// What an open monitor holds; nothing while it is closed.
struct Monitor {
    FrameLog log;
    FrameView view{log};
    Rows rows{view};
    double opened_at = 0;
    int timer = 0;       // 0 while nothing is logged
    std::string saved;  // where the list was last saved, shown after the counts
};

std::unique_ptr<Monitor> g_monitor;

void log_frame(const FrameSeen& seen)
{
    g_monitor->log.add(record_of(seen, Timer() - g_monitor->opened_at));
}

std::vector<TableColumn> columns()
{
    std::vector<TableColumn> all;
    for (int column = 0; column < FRAME_COLUMNS; ++column) {
        const FrameColumnLook& look = FRAME_COLUMN_LOOKS[column];
        all.push_back({tr_text("FrameMonitor", look.title), shown_column_characters(column), look.right_aligned});
    }
    return all;
}

bool paused()
{
    int on = 0;
    GetCtrlVal(panelMONITOR, MONITOR_PAUSE, &on);
    return on != 0;
}

// The counts and the last save stay in sight while the list refreshes.
void show_count()
{
    const std::size_t logged = g_monitor->log.size();
    std::string state = with_args(logged == 1 ? tr_text("FrameMonitor", "%1 of %2 frame")
                                              : tr_text("FrameMonitor", "%1 of %2 frames"),
                                  {std::to_string(g_monitor->view.size()), std::to_string(logged)});
    if (paused())
        state = with_args(tr_text("FrameMonitor", "Paused: %1"), {state});
    if (!g_monitor->saved.empty())
        state += "; " + g_monitor->saved;
    SetCtrlVal(panelMONITOR, MONITOR_STATE, state.c_str());
}

void refresh()
{
    UpdateTableRows(panelMONITOR, MONITOR_TABLE, g_monitor->view.follow());
    show_count();
}

// Logs the exchange's frames, or stops logging them.
void watch(bool on)
{
    set_frame_observer("monitor", on ? FrameObserver(log_frame) : FrameObserver());
    if (on && g_monitor->timer == 0)
        g_monitor->timer = NewRepeatingTimer(REFRESH_SECONDS, refresh);
    if (!on && g_monitor->timer != 0) {
        DiscardTimer(g_monitor->timer);
        g_monitor->timer = 0;
    }
}

std::optional<int> chosen_filter()
{
    int code = ALL_CODES;
    GetCtrlVal(panelMONITOR, MONITOR_FILTER, &code);
    return code == ALL_CODES ? std::nullopt : std::optional<int>(code);
}

// Each opening starts a new log, its times counted from then.
void start()
{
    g_monitor = std::make_unique<Monitor>();
    g_monitor->opened_at = Timer();
    SetCtrlVal(panelMONITOR, MONITOR_PAUSE, 0);
    g_monitor->view.set_filter(chosen_filter());
    SetTableRows(panelMONITOR, MONITOR_TABLE, columns(), &g_monitor->rows);
    watch(true);
    show_count();
}

void stop()
{
    watch(false);
    SetTableRows(panelMONITOR, MONITOR_TABLE, columns(), nullptr);
    g_monitor.reset();
}

FrameRows listed()
{
    FrameRows rows;
    for (std::size_t k = 0; k < g_monitor->view.size(); ++k)
        if (const FrameRecord* record = g_monitor->view.row(k))
            rows.push_back(record);
    return rows;
}

bool csv_file(const std::string& path)
{
    const std::string extension = ".csv";
    if (path.size() < extension.size())
        return false;
    std::string end = path.substr(path.size() - extension.size());
    for (char& c : end)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end == extension;
}

// The version stays known while a lost line is waited for: the frames came from that controller.
SavedFacts facts_now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char saved[32] = "";
    if (localtime_r(&now, &local))
        std::strftime(saved, sizeof saved, "%Y-%m-%d %H:%M:%S", &local);
    const LineState& line = line_state();
    return {saved, line_description(line), line.condition == LineCondition::Closed ? "" : szVersion};
}

void save(const std::string& path)
{
    refresh();
    const FrameRows rows = listed();
    const SavedFacts facts = facts_now();
    const bool saved = csv_file(path) ? SaveCsv(path, frames_csv(rows, facts))
                                      : SaveFileAtomically(path, frames_text(rows, facts)) == FILE_OK;
    const std::string name = std::filesystem::path(path).filename().string();
    g_monitor->saved =
        saved ? with_args(tr_text("FrameMonitor", "saved %1 to %2"), {std::to_string(rows.size()), name}) : "";
    show_count();
    if (!saved)
        MessagePopup(tr_text("FrameMonitor", "ERROR"),
                     with_args(tr_text("FrameMonitor", "The frames could not be saved to %1."), {path}).c_str());
}

}  // namespace

void setup_frame_monitor()
{
    ClearListCtrl(panelMONITOR, MONITOR_FILTER);
    InsertListItem(panelMONITOR, MONITOR_FILTER, -1, tr_text("FrameMonitor", "All"), ALL_CODES);
    for (const OrderName& order : ORDER_NAMES) {
        char label[48];
        std::snprintf(label, sizeof label, "0x%04X %s", order.code, order.name);
        InsertListItem(panelMONITOR, MONITOR_FILTER, -1, label, order.code);
    }
}

int CC_CMD_MONITOR(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    if (!g_monitor)
        start();
    DisplayPanel(panelMONITOR);
    SetActivePanel(panelMONITOR);
    return 0;
}

int CC_PANEL_MONITOR(int panel, int event, void*, int, int)
{
    if (event != EVENT_CLOSE)
        return 0;
    HidePanel(panel);
    if (g_monitor)
        stop();
    return 0;
}

int CC_MONITOR_FILTER(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !g_monitor)
        return 0;
    g_monitor->view.set_filter(chosen_filter());
    ResetTableRows(panelMONITOR, MONITOR_TABLE);
    show_count();
    return 0;
}

// A pause stops the log as well as the list, as a scope's STOP holds its
// trace: what is listed stays to be read, copied and saved, and no frame the
// list does not show is logged behind it. Nothing is watched meanwhile.
int CC_MONITOR_PAUSE(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !g_monitor)
        return 0;
    if (paused())
        refresh();
    watch(!paused());
    show_count();
    return 0;
}

int CC_MONITOR_COPY(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !g_monitor)
        return 0;
    std::vector<std::size_t> selected;
    GetTableSelection(panelMONITOR, MONITOR_TABLE, &selected);
    FrameRows rows;
    for (std::size_t row : selected)
        if (const FrameRecord* record = g_monitor->view.row(row))
            rows.push_back(record);
    ClipboardPutText(frame_lines(rows).c_str());
    return 0;
}

int CC_MONITOR_SAVE(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !g_monitor)
        return 0;
    char path[MAX_PATHNAME_LEN];
    const int chosen = FileSelectPopup(dirName, "*.txt", "*.txt;*.csv", tr_text("FrameMonitor", "Save Frames"),
                                       VAL_SAVE_BUTTON, 0, 1, 1, 1, path);
    if (chosen == UIE_BUFFER_TOO_SMALL)
        MessagePopup(tr_text("FrameMonitor", "ERROR"), tr_text("FrameMonitor", "The file name is too long."));
    if (chosen > 0 && g_monitor)
        save(path);
    return 0;
}

int CC_MONITOR_CLEAR(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT || !g_monitor)
        return 0;
    g_monitor->log.clear();
    g_monitor->view.follow();
    ResetTableRows(panelMONITOR, MONITOR_TABLE);
    show_count();
    return 0;
}

}  // namespace telvar
