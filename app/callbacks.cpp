#include "app/callbacks.h"

#include "app/navigation.h"
#include "app/panel_events.h"
#include "firmware/download.h"
#include "firmware/update_panel.h"
#include "link/command.h"
#include "link/connect_dialog.h"
#include "params/mapping.h"
#include "params/outputs.h"
#include "params/selectors.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "scope/actions.h"
#include "scope/data_memory.h"
#include "scope/recorder.h"
#include "storage/transfer.h"
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

struct ControlCallback {
    const char* name;
    CtrlCallbackPtr function;
};

struct PanelCallback {
    const char* name;
    PanelCallbackPtr function;
};

const ControlCallback kControlCallbacks[] = {
    {"CC_CMD_CONNECT", CC_CMD_CONNECT},
    {"CBF_ChooseComPort", CBF_ChooseComPort},
    {"CBF_CheckReconnect", CBF_CheckReconnect},
    {"CBF_EditCommunicationProtocol", CBF_EditCommunicationProtocol},
    {"CBF_StringIpAdress", CBF_StringIpAdress},
    {"CBF_ButtonTryToConnect", whole<CBF_ButtonTryToConnect>},
    {"CBF_ButtonAccept", whole<CBF_ButtonAccept>},
    {"CBF_ButtonDiscard", whole<CBF_ButtonDiscard>},
    {"CC_TOGBT_PNL_SELECTOR", CC_TOGBT_PNL_SELECTOR},
    {"CC_TOGBT_DATA_SELECTOR", CC_TOGBT_DATA_SELECTOR},
    {"CC_CMD_PRINT", CC_CMD_PRINT},
    {"CC_BTNSend", whole<CC_BTNSend>},
    {"CC_CMD_RUN", whole<CC_CMD_RUN>},
    {"CC_CMD_LOAD_FIRMWARE", CC_CMD_LOAD_FIRMWARE},
    {"CC_CMD_LOAD_LINDATA_A", CC_CMD_LOAD_LINDATA_A},
    {"CC_CMD_LOAD_LINDATA_B", CC_CMD_LOAD_LINDATA_B},
    {"CC_CHK_ENABLE", CC_CHK_ENABLE},
    {"CC_CMD_MERGE_DATA", CC_CMD_MERGE_DATA},
    {"CC_CMD_PROGRAM", whole<CC_CMD_PROGRAM>},
    {"CC_CMD_RESET", whole<CC_CMD_RESET>},
    {"CC_CMD_TEACH", whole<CC_CMD_TEACH>},
    {"CC_CMD_TRIGGER", whole<CC_CMD_TRIGGER>},
    {"CC_CMD_ENTER_TEST", whole<CC_CMD_ENTER_TEST>},
    {"CC_EXIT_TEST", whole<CC_EXIT_TEST>},
    // A test control's change is kept and sent when a running command ends.
    {"CC_TESTPANEL", CC_TESTPANEL},
    {"CC_CMD_STOP", CC_CMD_STOP},
    {"CC_CMD_DATA", whole<CC_CMD_DATA>},
    {"CC_CMD_RECORDER", CC_CMD_RECORDER},
    {"CC_RADIO_TRACES", CC_RADIO_TRACES},
    {"CC_BTNGet", whole<CC_BTNGet>},
    {"CC_RADIO_MEMORY", CC_RADIO_MEMORY},
    {"CC_NUM_CHA", CC_NUM_CHA},
    {"CC_NUM_CHB", CC_NUM_CHB},
    {"CC_NUM_EVAL", CC_NUM_EVAL},
    {"CC_PICBT_DATAMODE_A", CC_PICBT_DATAMODE_A},
    {"CC_PICBT_DATAMODE_B", CC_PICBT_DATAMODE_B},
    {"CC_PICBT_FILTERMODE_A", CC_PICBT_FILTERMODE_A},
    {"CC_PICBT_FILTERMODE_B", CC_PICBT_FILTERMODE_B},
    {"CC_PICBT_RESETMODE_A", CC_PICBT_RESETMODE_A},
    {"CC_PICBT_RESETMODE_B", CC_PICBT_RESETMODE_B},
    {"CC_PICBT_TRGMODE_A", CC_PICBT_TRGMODE_A},
    {"CC_PICBT_TRGMODE_B", CC_PICBT_TRGMODE_B},
    {"CC_PICBT_MAXMODE_A", CC_PICBT_MAXMODE_A},
    {"CC_PICBT_MAXMODE_B", CC_PICBT_MAXMODE_B},
    {"CC_PICBT_SNPMODE_A", CC_PICBT_SNPMODE_A},
    {"CC_PICBT_SNPMODE_B", CC_PICBT_SNPMODE_B},
    {"CC_RNG_OUTPUT_SETTING", CC_RNG_OUTPUT_SETTING},
    {"CC_RNG_CONFIG", CC_RNG_CONFIG},
};

const PanelCallback kPanelCallbacks[] = {
    {"CC_MAIN_PANEL", CC_MAIN_PANEL},
    {"CC_INTERFACEP", CC_INTERFACEP},
    {"CC_PANEL_CHA", CC_PANEL_CHA},
    {"CC_PANEL_CHA2", CC_PANEL_CHA2},
    {"CC_PANEL_CHB", CC_PANEL_CHB},
    {"CC_PANEL_CHB2", CC_PANEL_CHB2},
    {"CC_PANEL_EVAL", CC_PANEL_EVAL},
    {"CC_PANEL_EVL2", CC_PANEL_EVL2},
    {"CC_PANEL_OUT", CC_PANEL_OUT},
    {"CC_PANEL_UPDT", CC_PANEL_UPDT},
    {"CC_PANEL_TEST", CC_PANEL_TEST},
};

}  // namespace

void register_callbacks()
{
    for (const ControlCallback& c : kControlCallbacks)
        RegisterCallback(c.name, c.function);
    for (const PanelCallback& c : kPanelCallbacks)
        RegisterPanelCallback(c.name, c.function);
}

}  // namespace telvar
