// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/banner.h"
#include "app/callbacks.h"
#include "app/connection_indicator.h"
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
#include "link/tcp_line.h"
#include "monitor/frame_monitor.h"
#include "params/change_marks.h"
#include "params/mapping.h"
#include "params/pages.h"
#include "params/reference.h"
#include "platform/files.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "storage/transfer.h"
#include "testmode/test_mode.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"
#include "link/status.h"

#include <cstdio>

namespace telvar {

char szSoftname[NAME_SIZE];
char szSoftversion[NAME_SIZE];

namespace {

inline constexpr const char* PROGRAM_ICON = ":/icon/telvar-k20-dizer.svg";

char proj_dir[MAX_PATHNAME_LEN];  // directory of the program file

struct PanelLoad {
    int* handle;
    const char* file;
    int resource;
};

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
    panelMAIN = LoadPanel(0, MAIN_UIR, MAIN);
    if (panelMAIN < 0)
        return false;
    const PanelLoad children[] = {
        {&panelPARAA, CHANNEL_A_UIR, PANEL},   {&panelPARAA2, CHANNEL_A2_UIR, PANEL},
        {&panelPARAB, CHANNEL_B_UIR, PANEL},   {&panelPARAB2, CHANNEL_B2_UIR, PANEL},
        {&panelEVAL, EVALUATION_UIR, PANEL},   {&panelEVAL2, EVALUATION2_UIR, PANEL},
        {&panelOUTPUTS, OUTPUTS_UIR, PANEL},   {&panelUPDATE, UPDATE_UIR, PANEL},
        {&panelTEST, TEST_UIR, PANEL},
    };
    for (const PanelLoad& child : children) {
        *child.handle = LoadPanel(panelMAIN, child.file, child.resource);
        if (*child.handle < 0)
            return false;
    }
    panelInterf = LoadPanel(0, MAIN_UIR, INTERF);
    panelCOMPARE = LoadPanel(0, COMPARE_UIR, PANEL);
    panelMONITOR = LoadPanel(0, MONITOR_UIR, PANEL);
    return panelInterf >= 0 && panelCOMPARE >= 0 && panelMONITOR >= 0;
}

namespace {

void discard_panels()
{
    for (int panel : {panelCOMPARE, panelMONITOR, panelInterf, panelTEST, panelUPDATE, panelOUTPUTS, panelEVAL, panelEVAL2,
                      panelPARAB, panelPARAB2, panelPARAA, panelPARAA2, panelMAIN})
        DiscardPanel(panel);
}

}  // namespace

int WinMain(int argc, char** argv)
{
    if (!InitCVIRTE(argc, argv))
        return -1;
    SetApplicationIcon(PROGRAM_ICON);
    if (!load_panels())
        return -1;
    InitVars();
    show_main_window();
    RunUserInterface();
    discard_panels();
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

    setup_connection_indicator();
    setup_reconnect();
    setup_strip_chart();
    setup_test_panel();
    setup_update_panel();
    setup_frame_monitor();
    setup_window_layout();
    place_pages_in_tab_order();
    // Every change of a page's value, by the operator or by the program, shows against the reference.
    SetValueChangeHook(refresh_change_marks);

    DisplayPanel(panelMAIN);
    SetActivePanel(panelMAIN);
    SetActiveCtrl(panelMAIN, MAIN_CMD_CONNECT);
}

void InitVars()
{
    comport = 0;
    sync = 0x55;
    order = 1;
    choose_target(RAM);
    rx_flag = 1;
    stop_flag = 1;
    comprotocol = 0;
    tcpcon = 0;
    rs232con = 0;

    if (GetProjectDir(proj_dir) != 0)
        std::snprintf(proj_dir, sizeof proj_dir, "%s", ".");  // a path too long: work from here
    std::snprintf(dirName, sizeof dirName, "%s", FileDialogsDir(proj_dir).c_str());
    std::snprintf(ipComboBoxFileName, sizeof ipComboBoxFileName, "%s",
                  ip_history_location(proj_dir, IP_HISTORY_FILE).c_str());
    // Settings go where Linux keeps them; earlier versions kept them beside
    // the address history, whence they move once.
    const std::string settings = UserConfigDir() + "/" + CONNECTION_SETTINGS_FILE;
    MoveFileIfAbsent(ip_history_location(proj_dir, CONNECTION_SETTINGS_FILE), settings);
    std::snprintf(connectionSettingsFileName, sizeof connectionSettingsFileName, "%s", settings.c_str());

    setup_connection_dialog();
    load_ip_history();
    load_connection_settings();

    std::snprintf(szSoftname, sizeof szSoftname, "%s", "TELVAR-K20-Dizer ");
    std::snprintf(szSoftversion, sizeof szSoftversion, "%s", "v3.0x");
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
