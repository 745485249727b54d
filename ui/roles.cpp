#include "ui/roles.h"

#include "platform/userint.h"

namespace telvar {

void define_panel_roles()
{
    DefinePanelRoles(MAIN_UIR, MAIN, {
        {MAIN_STATUS, "STATUS"},
        {MAIN_CMD_CONNECT, "CMD_CONNECT"},
        {MAIN_BTN_SEND, "BTN_SEND"},
        {MAIN_BTN_GET, "BTN_GET"},
        {MAIN_RADIO_RAM, "RADIO_RAM"},
        {MAIN_RADIO_EEPROM, "RADIO_EEPROM"},
        {MAIN_RADIO_FILE, "RADIO_FILE"},
        {MAIN_PROGRESS, "PROGRESS"},
        {MAIN_CMD_RUN, "CMD_RUN"},
        {MAIN_CMD_STOP, "CMD_STOP"},
        {MAIN_CMD_DATA, "CMD_DATA"},
        {MAIN_CMD_RESET, "CMD_RESET"},
        {MAIN_CMD_TEACH, "CMD_TEACH"},
        {MAIN_CMD_TRIGGER, "CMD_TRIGGER"},
        {MAIN_CMD_RECORDER, "CMD_RECORDER"},
        {MAIN_CMD_PRINT, "CMD_PRINT"},
        {MAIN_STRIPCHART, "STRIPCHART"},
        {MAIN_GRAPH, "GRAPH"},
        {MAIN_NUM_EVAL, "NUM_EVAL"},
        {MAIN_NUM_EVAL_CAPTION, "NUM_EVAL_CAPTION"},
        {MAIN_NUM_CHA, "NUM_CHA"},
        {MAIN_NUM_CHB, "NUM_CHB"},
        {MAIN_NUM_CHA_2ND, "NUM_CHA_2ND"},
        {MAIN_NUM_CHB_2ND, "NUM_CHB_2ND"},
        {MAIN_TRACE_CHA, "TRACE_CHA"},
        {MAIN_TRACE_CHB, "TRACE_CHB"},
        {MAIN_TRACE_EVAL, "TRACE_EVAL"},
        {MAIN_TRACE_TRIGGER, "TRACE_TRIGGER"},
        {MAIN_TRACE_UPPER, "TRACE_UPPER"},
        {MAIN_TRACE_REFERENCE, "TRACE_REFERENCE"},
        {MAIN_TRACE_LOWER, "TRACE_LOWER"},
        {MAIN_TRACE_2ND, "TRACE_2ND"},
        {MAIN_TRACE_3RD, "TRACE_3RD"},
        {MAIN_VIEW_CHA, "VIEW_CHA"},
        {MAIN_VIEW_CHB, "VIEW_CHB"},
        {MAIN_VIEW_EVAL, "VIEW_EVAL"},
        {MAIN_VIEW_OUTPUTS, "VIEW_OUTPUTS"},
        {MAIN_VIEW_UPDATE, "VIEW_UPDATE"},
        {MAIN_VIEW_TEST, "VIEW_TEST"},
        {MAIN_VIEW_SCOPE_SET, "VIEW_SCOPE_SET"},
        {MAIN_VIEW_SCOPE, "VIEW_SCOPE"},
        {MAIN_DATA_CHA, "DATA_CHA"},
        {MAIN_DATA_CHB, "DATA_CHB"},
        {MAIN_DATA_EVAL, "DATA_EVAL"},
        {MAIN_BANNER, "BANNER"},
        {MAIN_LOGO_A, "LOGO_A"},
        {MAIN_LOGO_B, "LOGO_B"},
    });
    DefinePanelRoles(MAIN_UIR, INTERF, {
        {INTERF_PROTOCOL, "PROTOCOL"},
        {INTERF_COMPORT, "COMPORT"},
        {INTERF_IPADDRESS, "IPADDRESS"},
        {INTERF_PORTNUMBER, "PORTNUMBER"},
        {INTERF_STATE, "STATE"},
        {INTERF_TRY, "TRY"},
        {INTERF_ACCEPT, "ACCEPT"},
        {INTERF_DISCARD, "DISCARD"},
    });
    DefinePanelRoles(TEST_UIR, PANEL, {
        {TEST_CMD_ENTER, "CMD_ENTER"},
        {TEST_CMD_EXIT, "CMD_EXIT"},
        {TEST_NUM_WORD0, "NUM_WORD0"},
        {TEST_NUM_WORD1, "NUM_WORD1"},
        {TEST_NUM_WORD3, "NUM_WORD3"},
        {TEST_NUM_WORD4, "NUM_WORD4"},
        {TEST_NUM_WORD5, "NUM_WORD5"},
        {TEST_NUM_WORD7, "NUM_WORD7"},
        {TEST_NUM_WORD10, "NUM_WORD10"},
        {TEST_SWITCH_1, "SWITCH_1"},
        {TEST_SWITCH_2, "SWITCH_2"},
        {TEST_SWITCH_INVERTED, "SWITCH_INVERTED"},
        {TEST_LAMP_1, "LAMP_1"},
        {TEST_LAMP_2, "LAMP_2"},
    });
}

}  // namespace telvar
