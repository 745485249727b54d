// The panel files and the roles of their controls. Each role is a number in
// code and the same name as object name in the panel file; LoadPanel refuses
// a file that lacks one. The channel A and B pages share their roles.
#pragma once

namespace telvar {

inline constexpr const char* MAIN_UIR = "TELVAR-K20-Dizer-D30e.uir";
inline constexpr const char* CHANNEL_A_UIR = "ChannelA.uir";
inline constexpr const char* CHANNEL_A2_UIR = "ChannelA2.uir";
inline constexpr const char* CHANNEL_B_UIR = "ChannelB.uir";
inline constexpr const char* CHANNEL_B2_UIR = "ChannelB2.uir";
inline constexpr const char* EVALUATION_UIR = "Evaluation.uir";
inline constexpr const char* EVALUATION2_UIR = "Evaluation2.uir";
inline constexpr const char* OUTPUTS_UIR = "Outputs.uir";
inline constexpr const char* UPDATE_UIR = "Update.uir";
inline constexpr const char* TEST_UIR = "Test.uir";

// Resource numbers: the main file holds two panels, every other file one.
inline constexpr int INTERF = 1;
inline constexpr int MAIN = 2;
inline constexpr int PANEL = 1;

enum MainControl : int {
    MAIN_STATUS = 1,
    MAIN_CMD_CONNECT,
    MAIN_BTN_SEND,
    MAIN_BTN_GET,
    MAIN_RADIO_RAM,
    MAIN_RADIO_EEPROM,
    MAIN_RADIO_FILE,
    MAIN_PROGRESS,
    MAIN_CMD_RUN,
    MAIN_CMD_STOP,
    MAIN_CMD_DATA,
    MAIN_CMD_RESET,
    MAIN_CMD_TEACH,
    MAIN_CMD_TRIGGER,
    MAIN_CMD_RECORDER,
    MAIN_CMD_PRINT,
    MAIN_STRIPCHART,
    MAIN_GRAPH,
    MAIN_NUM_EVAL,
    MAIN_NUM_EVAL_CAPTION,
    MAIN_NUM_CHA,
    MAIN_NUM_CHB,
    MAIN_NUM_CHA_2ND,
    MAIN_NUM_CHB_2ND,
    MAIN_TRACE_CHA,
    MAIN_TRACE_CHB,
    MAIN_TRACE_EVAL,
    MAIN_TRACE_TRIGGER,
    MAIN_TRACE_UPPER,
    MAIN_TRACE_REFERENCE,
    MAIN_TRACE_LOWER,
    MAIN_TRACE_2ND,
    MAIN_TRACE_3RD,
    MAIN_VIEW_CHA,
    MAIN_VIEW_CHB,
    MAIN_VIEW_EVAL,
    MAIN_VIEW_OUTPUTS,
    MAIN_VIEW_UPDATE,
    MAIN_VIEW_TEST,
    MAIN_VIEW_SCOPE_SET,
    MAIN_VIEW_SCOPE,
    MAIN_DATA_CHA,
    MAIN_DATA_CHB,
    MAIN_DATA_EVAL,
    MAIN_BANNER,
    MAIN_LOGO_A,
    MAIN_LOGO_B,
};

enum InterfControl : int {
    INTERF_PROTOCOL = 1,
    INTERF_COMPORT,
    INTERF_IPADDRESS,
    INTERF_PORTNUMBER,
    INTERF_STATE,
    INTERF_TRY,
    INTERF_ACCEPT,
    INTERF_DISCARD,
};

enum TestControl : int {
    TEST_CMD_ENTER = 1,
    TEST_CMD_EXIT,
    TEST_NUM_WORD0,
    TEST_NUM_WORD1,
    TEST_NUM_WORD3,
    TEST_NUM_WORD4,
    TEST_NUM_WORD5,
    TEST_NUM_WORD7,
    TEST_NUM_WORD10,
    TEST_SWITCH_1,
    TEST_SWITCH_2,
    TEST_SWITCH_INVERTED,
    TEST_LAMP_1,
    TEST_LAMP_2,
};

// Tells the platform which roles each panel file must offer.
void define_panel_roles();

}  // namespace telvar
