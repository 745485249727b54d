#include "app/callbacks.h"

#include "app/navigation.h"
#include "app/panel_events.h"
#include "firmware/download.h"
#include "firmware/update_panel.h"
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

void register_callbacks()
{
    RegisterCallback("CC_CMD_CONNECT", CC_CMD_CONNECT);
    RegisterCallback("CBF_ChooseComPort", CBF_ChooseComPort);
    RegisterCallback("CBF_CheckReconnect", CBF_CheckReconnect);
    RegisterCallback("CBF_EditCommunicationProtocol", CBF_EditCommunicationProtocol);
    RegisterCallback("CBF_StringIpAdress", CBF_StringIpAdress);
    RegisterCallback("CBF_ButtonTryToConnect", CBF_ButtonTryToConnect);
    RegisterCallback("CBF_ButtonAccept", CBF_ButtonAccept);
    RegisterCallback("CBF_ButtonDiscard", CBF_ButtonDiscard);
    RegisterCallback("CC_TOGBT_PNL_SELECTOR", CC_TOGBT_PNL_SELECTOR);
    RegisterCallback("CC_TOGBT_DATA_SELECTOR", CC_TOGBT_DATA_SELECTOR);
    RegisterCallback("CC_CMD_PRINT", CC_CMD_PRINT);
    RegisterCallback("CC_BTNSend", CC_BTNSend);
    RegisterCallback("CC_CMD_RUN", CC_CMD_RUN);
    RegisterCallback("CC_CMD_LOAD_FIRMWARE", CC_CMD_LOAD_FIRMWARE);
    RegisterCallback("CC_CMD_LOAD_LINDATA_A", CC_CMD_LOAD_LINDATA_A);
    RegisterCallback("CC_CMD_LOAD_LINDATA_B", CC_CMD_LOAD_LINDATA_B);
    RegisterCallback("CC_CHK_ENABLE", CC_CHK_ENABLE);
    RegisterCallback("CC_CMD_MERGE_DATA", CC_CMD_MERGE_DATA);
    RegisterCallback("CC_CMD_PROGRAM", CC_CMD_PROGRAM);
    RegisterCallback("CC_CMD_RESET", CC_CMD_RESET);
    RegisterCallback("CC_CMD_TEACH", CC_CMD_TEACH);
    RegisterCallback("CC_CMD_TRIGGER", CC_CMD_TRIGGER);
    RegisterCallback("CC_CMD_ENTER_TEST", CC_CMD_ENTER_TEST);
    RegisterCallback("CC_EXIT_TEST", CC_EXIT_TEST);
    RegisterCallback("CC_TESTPANEL", CC_TESTPANEL);
    RegisterCallback("CC_CMD_STOP", CC_CMD_STOP);
    RegisterCallback("CC_CMD_DATA", CC_CMD_DATA);
    RegisterCallback("CC_CMD_RECORDER", CC_CMD_RECORDER);
    RegisterCallback("CC_RADIO_TRACES", CC_RADIO_TRACES);
    RegisterCallback("CC_BTNGet", CC_BTNGet);
    RegisterCallback("CC_RADIO_MEMORY", CC_RADIO_MEMORY);
    RegisterCallback("CC_NUM_CHA", CC_NUM_CHA);
    RegisterCallback("CC_NUM_CHB", CC_NUM_CHB);
    RegisterCallback("CC_NUM_EVAL", CC_NUM_EVAL);
    RegisterCallback("CC_PICBT_DATAMODE_A", CC_PICBT_DATAMODE_A);
    RegisterCallback("CC_PICBT_DATAMODE_B", CC_PICBT_DATAMODE_B);
    RegisterCallback("CC_PICBT_FILTERMODE_A", CC_PICBT_FILTERMODE_A);
    RegisterCallback("CC_PICBT_FILTERMODE_B", CC_PICBT_FILTERMODE_B);
    RegisterCallback("CC_PICBT_RESETMODE_A", CC_PICBT_RESETMODE_A);
    RegisterCallback("CC_PICBT_RESETMODE_B", CC_PICBT_RESETMODE_B);
    RegisterCallback("CC_PICBT_TRGMODE_A", CC_PICBT_TRGMODE_A);
    RegisterCallback("CC_PICBT_TRGMODE_B", CC_PICBT_TRGMODE_B);
    RegisterCallback("CC_PICBT_MAXMODE_A", CC_PICBT_MAXMODE_A);
    RegisterCallback("CC_PICBT_MAXMODE_B", CC_PICBT_MAXMODE_B);
    RegisterCallback("CC_PICBT_SNPMODE_A", CC_PICBT_SNPMODE_A);
    RegisterCallback("CC_PICBT_SNPMODE_B", CC_PICBT_SNPMODE_B);
    RegisterCallback("CC_RNG_OUTPUT_SETTING", CC_RNG_OUTPUT_SETTING);
    RegisterCallback("CC_RNG_CONFIG", CC_RNG_CONFIG);

    RegisterPanelCallback("CC_MAIN_PANEL", CC_MAIN_PANEL);
    RegisterPanelCallback("CC_INTERFACEP", CC_INTERFACEP);
    RegisterPanelCallback("CC_PANEL_CHA", CC_PANEL_CHA);
    RegisterPanelCallback("CC_PANEL_CHA2", CC_PANEL_CHA2);
    RegisterPanelCallback("CC_PANEL_CHB", CC_PANEL_CHB);
    RegisterPanelCallback("CC_PANEL_CHB2", CC_PANEL_CHB2);
    RegisterPanelCallback("CC_PANEL_EVAL", CC_PANEL_EVAL);
    RegisterPanelCallback("CC_PANEL_EVL2", CC_PANEL_EVL2);
    RegisterPanelCallback("CC_PANEL_OUT", CC_PANEL_OUT);
    RegisterPanelCallback("CC_PANEL_UPDT", CC_PANEL_UPDT);
    RegisterPanelCallback("CC_PANEL_TEST", CC_PANEL_TEST);
}

}  // namespace telvar
