// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/callbacks.h"
#include "app/language_choice.h"

#include "app/navigation.h"
#include "app/panel_events.h"
#include "app/report_command.h"
#include "firmware/update_panel.h"
#include "link/command.h"
#include "link/connect_dialog.h"
#include "monitor/frame_monitor.h"
#include "params/mapping.h"
#include "params/outputs.h"
#include "params/selectors.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "scope/actions.h"
#include "scope/cursors.h"
#include "scope/data_memory.h"
#include "scope/recorder.h"
#include "stats/gauge_study_dialog.h"
#include "stats/statistics_pane.h"
#include "storage/compare_window.h"
#include "storage/send_get.h"
#include "testmode/test_mode.h"

namespace telvar {

namespace {

// A callback that talks with the controller runs whole or not at all: while
// another command runs, its click is refused before it does anything.
template <CtrlCallbackPtr callback>
int whole(int panel, int control, int event, void* callbackData, int eventData1, int eventData2)
{
    if (event != EVENT_COMMIT)
        return callback(panel, control, event, callbackData, eventData1, eventData2);
    int result = 0;
    run_whole([&] { result = callback(panel, control, event, callbackData, eventData1, eventData2); });
    return result;
}

struct NamedControlCallback {
    const char* name;  // as the panel files name it
    CtrlCallbackPtr function;
};

struct NamedPanelCallback {
    const char* name;
    PanelCallbackPtr function;
};

// Each callback under its own name; a command runs whole.
#define CALLBACK(function) {#function, function}
#define COMMAND(function) {#function, whole<function>}

const NamedControlCallback kControlCallbacks[] = {
    CALLBACK(CC_CMD_CONNECT),
    CALLBACK(CBF_ChooseComPort),
    CALLBACK(CBF_CheckReconnect),
    CALLBACK(CBF_EditCommunicationProtocol),
    CALLBACK(CBF_StringIpAdress),
    COMMAND(CBF_ButtonTryToConnect),
    COMMAND(CBF_ButtonAccept),
    COMMAND(CBF_ButtonDiscard),
    CALLBACK(CC_TOGBT_PNL_SELECTOR),
    CALLBACK(CC_TOGBT_DATA_SELECTOR),
    CALLBACK(CC_CMD_PRINT),
    CALLBACK(CC_CMD_REPORT),
    COMMAND(CC_BTNSend),
    COMMAND(CC_CMD_RUN),
    CALLBACK(CC_CMD_LOAD_FIRMWARE),
    CALLBACK(CC_CMD_LOAD_LINDATA_A),
    CALLBACK(CC_CMD_LOAD_LINDATA_B),
    CALLBACK(CC_CHK_ENABLE),
    CALLBACK(CC_CMD_MERGE_DATA),
    COMMAND(CC_CMD_PROGRAM),
    COMMAND(CC_CMD_RESET),
    COMMAND(CC_CMD_TEACH),
    COMMAND(CC_CMD_TRIGGER),
    COMMAND(CC_CMD_ENTER_TEST),
    COMMAND(CC_EXIT_TEST),
    // A test control's change is kept and sent when a running command ends.
    CALLBACK(CC_TESTPANEL),
    CALLBACK(CC_CMD_STOP),
    COMMAND(CC_CMD_DATA),
    CALLBACK(CC_CMD_RECORDER),
    CALLBACK(CC_RADIO_TRACES),
    CALLBACK(CC_CURSORS),
    CALLBACK(CC_MAIN_LANGUAGE),
    COMMAND(CC_BTNGet),
    COMMAND(CC_BTNCompare),
    // Taking a value changes the record, which a running command may be
    // sending or filling: it waits its turn as a command does.
    COMMAND(CC_COMPARE_TAKE),
    COMMAND(CC_COMPARE_TAKE_ALL),
    CALLBACK(CC_COMPARE_EXPORT),
    CALLBACK(CC_CHK_STATISTICS),
    CALLBACK(CC_STATS_WINDOW),
    CALLBACK(CC_STATS_COUNT),
    CALLBACK(CC_STATS_RESET),
    CALLBACK(CC_STATS_CHANNEL),
    CALLBACK(CC_STATS_COPY),
    CALLBACK(CC_STATS_EXPORT),
    CALLBACK(CC_STATS_GAUGE),
    CALLBACK(CC_GAUGE_CHANNEL),
    CALLBACK(CC_GAUGE_START),
    CALLBACK(CC_GAUGE_CLOSE),
    CALLBACK(CC_COMPARE_CLOSE),
    CALLBACK(CC_RADIO_MEMORY),
    CALLBACK(CC_NUM_CHA),
    CALLBACK(CC_NUM_CHB),
    CALLBACK(CC_NUM_EVAL),
    CALLBACK(CC_PICBT_DATAMODE_A),
    CALLBACK(CC_PICBT_DATAMODE_B),
    CALLBACK(CC_PICBT_FILTERMODE_A),
    CALLBACK(CC_PICBT_FILTERMODE_B),
    CALLBACK(CC_PICBT_RESETMODE_A),
    CALLBACK(CC_PICBT_RESETMODE_B),
    CALLBACK(CC_PICBT_TRGMODE_A),
    CALLBACK(CC_PICBT_TRGMODE_B),
    CALLBACK(CC_PICBT_MAXMODE_A),
    CALLBACK(CC_PICBT_MAXMODE_B),
    CALLBACK(CC_PICBT_SNPMODE_A),
    CALLBACK(CC_PICBT_SNPMODE_B),
    CALLBACK(CC_RNG_OUTPUT_SETTING),
    CALLBACK(CC_RNG_CONFIG),
    // The monitor talks with nobody: it opens and works during RUN.
    CALLBACK(CC_CMD_MONITOR),
    CALLBACK(CC_MONITOR_FILTER),
    CALLBACK(CC_MONITOR_PAUSE),
    CALLBACK(CC_MONITOR_COPY),
    CALLBACK(CC_MONITOR_SAVE),
    CALLBACK(CC_MONITOR_CLEAR),
};

const NamedPanelCallback kPanelCallbacks[] = {
    CALLBACK(CC_MAIN_PANEL),
    CALLBACK(CC_INTERFACEP),
    CALLBACK(CC_PANEL_CHA),
    CALLBACK(CC_PANEL_CHA2),
    CALLBACK(CC_PANEL_CHB),
    CALLBACK(CC_PANEL_CHB2),
    CALLBACK(CC_PANEL_EVAL),
    CALLBACK(CC_PANEL_EVL2),
    CALLBACK(CC_PANEL_OUT),
    CALLBACK(CC_PANEL_UPDT),
    CALLBACK(CC_PANEL_TEST),
    CALLBACK(CC_PANEL_COMPARE),
    CALLBACK(CC_PANEL_MONITOR),
    CALLBACK(CC_PANEL_GAUGE),
};

#undef CALLBACK
#undef COMMAND

}  // namespace

void register_callbacks()
{
    for (const NamedControlCallback& c : kControlCallbacks)
        RegisterCallback(c.name, c.function);
    for (const NamedPanelCallback& c : kPanelCallbacks)
        RegisterPanelCallback(c.name, c.function);
}

}  // namespace telvar
