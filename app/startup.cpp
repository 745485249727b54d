// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/banner.h"
#include "app/callbacks.h"
#include "app/connection_indicator.h"
#include "app/language_choice.h"
#include "app/navigation.h"
#include "app/window_layout.h"
#include "app/window_reports.h"
#include "firmware/update_panel.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/connect_dialog.h"
#include "link/ip_history.h"
#include "link/line_table.h"
#include "link/reconnect.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "monitor/frame_monitor.h"
#include "params/change_marks.h"
#include "params/mapping.h"
#include "params/pages.h"
#include "params/reference.h"
#include "platform/files.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "stats/statistics_pane.h"
#include "storage/transfer.h"
#include "testmode/test_mode.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <cstdio>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
char szSoftname[NAME_SIZE];
char szSoftversion[NAME_SIZE];
}  // namespace state

const char (&szSoftname)[NAME_SIZE] = state::szSoftname;
const char (&szSoftversion)[NAME_SIZE] = state::szSoftversion;

namespace {

inline constexpr const char* PROGRAM_ICON = ":/icon/telvar-k20-dizer.svg";

char proj_dir[MAX_PATHNAME_LEN];  // directory of the program file


}  // namespace

void describe_panel_files()
{
    define_panel_roles();
    define_parameter_page_roles();
    register_callbacks();
}

// Load order matters: the children need the main panel as their parent.
bool load_panels()
{
    describe_panel_files();
    show_reports_in_window();
    return load_panel_files();
}

int WinMain(int argc, char** argv)
{
    if (!InitCVIRTE(argc, argv))
        return -1;
    SetApplicationIcon(PROGRAM_ICON);
    // The panels take their texts in the language installed when they load.
    start_language();
    if (!load_panels())
        return -1;
    InitVars();
    show_main_window();
    RunUserInterface();
    discard_panel_files();
    return 0;
}

void show_main_window()
{
    for (int toggle : {MAIN_VIEW_CHA, MAIN_VIEW_CHB, MAIN_VIEW_EVAL, MAIN_VIEW_OUTPUTS,
                       MAIN_VIEW_UPDATE, MAIN_DATA_CHA, MAIN_DATA_CHB, MAIN_DATA_EVAL})
        SetCtrlVal(panelMAIN, toggle, 0);
    // The connection dialog and the compare window belong to the main window and stay above it.
    SetPanelAttribute(panelInterf, ATTR_OWNER_PANEL, panelMAIN);
    SetPanelAttribute(panelCOMPARE, ATTR_OWNER_PANEL, panelMAIN);
    SetPanelAttribute(panelMONITOR, ATTR_OWNER_PANEL, panelMAIN);
    SetPanelAttribute(panelGAUGE, ATTR_OWNER_PANEL, panelMAIN);

    setup_connection_indicator();
    setup_reconnect();
    setup_strip_chart();
    setup_test_panel();
    setup_update_panel();
    setup_frame_monitor();
    setup_statistics_pane();
    setup_language_choice();
    setup_window_layout();
    place_pages_in_tab_order();
    // Every change of a page's value, by the operator or by the program, shows against the reference.
    SetValueChangeHook("change marks", refresh_change_marks);

    DisplayPanel(panelMAIN);
    show_statistics_pane(true);
    SetActivePanel(panelMAIN);
    SetActiveCtrl(panelMAIN, MAIN_CMD_CONNECT);
}

void InitVars()
{
    choose_com_port(0);
    reset_exchange();
    choose_target(RAM);
    raise_stop_flag();
    choose_protocol(0);

    if (GetProjectDir(proj_dir) != 0)
        std::snprintf(proj_dir, sizeof proj_dir, "%s", ".");  // a path too long: work from here
    set_dialogs_dir(FileDialogsDir(proj_dir));
    // Settings go where Linux keeps them; earlier versions kept them beside
    // the address history, whence they move once.
    const std::string settings = UserConfigDir() + "/" + CONNECTION_SETTINGS_FILE;
    MoveFileIfAbsent(ip_history_location(proj_dir, CONNECTION_SETTINGS_FILE), settings);
    set_connection_files(ip_history_location(proj_dir, IP_HISTORY_FILE), settings);

    setup_connection_dialog();
    load_ip_history();
    load_connection_settings();

    std::snprintf(state::szSoftname, sizeof state::szSoftname, "%s", "TELVAR-K20-Dizer ");
    std::snprintf(state::szSoftversion, sizeof state::szSoftversion, "%s", "v3.0x");
    char welcome[STATUS_SIZE];
    std::snprintf(welcome, sizeof welcome, "%.63s%.63s", szSoftname, szSoftversion);
    put_status(welcome);
    ShowLogo(STARTUP_BRANDING);
    show_status();
    // The pages' stored values are the record's defaults; shown again, the
    // pages follow their own rules (the reset selectors dimmed while the
    // data filter is direct).
    GetPanelValues();
    SetPanelValues();
    // No set is known yet: nothing counts as changed until a Get, a Send or a file.
    forget_reference();
    refresh_change_marks();
}

}  // namespace telvar
