// SPDX-License-Identifier: GPL-3.0-or-later
// The panel files and the roles of their controls. One table per panel file
// lists its roles: each becomes a number in code (prefix and name, as
// MAIN_STATUS) and the object name in the panel file (the name alone, as
// "STATUS"). LoadPanel refuses a file that lacks one. The channel A and B
// pages share their roles.
#pragma once

namespace telvar {

inline constexpr const char* MAIN_UIR = "TELVAR-K20-Dizer-D30e.uir";
inline constexpr const char* COMPARE_UIR = "Compare.uir";
inline constexpr const char* CHANNEL_A_UIR = "ChannelA.uir";
inline constexpr const char* CHANNEL_A2_UIR = "ChannelA2.uir";
inline constexpr const char* CHANNEL_B_UIR = "ChannelB.uir";
inline constexpr const char* CHANNEL_B2_UIR = "ChannelB2.uir";
inline constexpr const char* EVALUATION_UIR = "Evaluation.uir";
inline constexpr const char* EVALUATION2_UIR = "Evaluation2.uir";
inline constexpr const char* OUTPUTS_UIR = "Outputs.uir";
inline constexpr const char* UPDATE_UIR = "Update.uir";
inline constexpr const char* TEST_UIR = "Test.uir";
inline constexpr const char* MONITOR_UIR = "FrameMonitor.uir";
inline constexpr const char* STATS_UIR = "Statistics.uir";
inline constexpr const char* GAUGE_UIR = "GaugeStudy.uir";

// Resource numbers: the main file holds two panels, every other file one.
inline constexpr int INTERF = 1;
inline constexpr int MAIN = 2;
inline constexpr int PANEL = 1;

#define TELVAR_MAIN_ROLES(ROLE) \
    ROLE(MAIN, STATUS) \
    ROLE(MAIN, LINE_LAMP) \
    ROLE(MAIN, LINE_TEXT) \
    ROLE(MAIN, REC_LAMP) \
    ROLE(MAIN, REC_TEXT) \
    ROLE(MAIN, CMD_CONNECT) \
    ROLE(MAIN, BTN_SEND) \
    ROLE(MAIN, BTN_GET) \
    ROLE(MAIN, BTN_COMPARE) \
    ROLE(MAIN, RADIO_RAM) \
    ROLE(MAIN, RADIO_EEPROM) \
    ROLE(MAIN, RADIO_FILE) \
    ROLE(MAIN, PROGRESS) \
    ROLE(MAIN, CMD_RUN) \
    ROLE(MAIN, CMD_STOP) \
    ROLE(MAIN, CMD_DATA) \
    ROLE(MAIN, CMD_RESET) \
    ROLE(MAIN, CMD_TEACH) \
    ROLE(MAIN, CMD_TRIGGER) \
    ROLE(MAIN, CMD_RECORDER) \
    ROLE(MAIN, CMD_PRINT) \
    ROLE(MAIN, CMD_REPORT) \
    ROLE(MAIN, CMD_MONITOR) \
    ROLE(MAIN, STRIPCHART) \
    ROLE(MAIN, GRAPH) \
    ROLE(MAIN, PAGE_BACKDROP) \
    ROLE(MAIN, NUM_EVAL) \
    ROLE(MAIN, NUM_EVAL_CAPTION) \
    ROLE(MAIN, NUM_CHA) \
    ROLE(MAIN, NUM_CHB) \
    ROLE(MAIN, NUM_CHA_2ND) \
    ROLE(MAIN, NUM_CHB_2ND) \
    ROLE(MAIN, NUM_CHA_CAPTION) \
    ROLE(MAIN, NUM_CHB_CAPTION) \
    ROLE(MAIN, NUM_CHA_2ND_CAPTION) \
    ROLE(MAIN, NUM_CHB_2ND_CAPTION) \
    ROLE(MAIN, TRACE_CHA) \
    ROLE(MAIN, TRACE_CHB) \
    ROLE(MAIN, TRACE_EVAL) \
    ROLE(MAIN, TRACE_TRIGGER) \
    ROLE(MAIN, TRACE_UPPER) \
    ROLE(MAIN, TRACE_REFERENCE) \
    ROLE(MAIN, TRACE_LOWER) \
    ROLE(MAIN, TRACE_2ND) \
    ROLE(MAIN, TRACE_3RD) \
    ROLE(MAIN, CHK_STATISTICS) \
    ROLE(MAIN, CURSORS) \
    ROLE(MAIN, LANGUAGE_CAPTION) \
    ROLE(MAIN, LANGUAGE) \
    ROLE(MAIN, VIEW_CHA) \
    ROLE(MAIN, VIEW_CHB) \
    ROLE(MAIN, VIEW_EVAL) \
    ROLE(MAIN, VIEW_OUTPUTS) \
    ROLE(MAIN, VIEW_UPDATE) \
    ROLE(MAIN, VIEW_TEST) \
    ROLE(MAIN, VIEW_SCOPE_SET) \
    ROLE(MAIN, VIEW_SCOPE) \
    ROLE(MAIN, DATA_CHA) \
    ROLE(MAIN, DATA_CHB) \
    ROLE(MAIN, DATA_EVAL) \
    ROLE(MAIN, BANNER) \
    ROLE(MAIN, LOGO_A) \
    ROLE(MAIN, LOGO_B)

#define TELVAR_INTERF_ROLES(ROLE) \
    ROLE(INTERF, PROTOCOL) \
    ROLE(INTERF, COMPORT) \
    ROLE(INTERF, IPADDRESS) \
    ROLE(INTERF, PORTNUMBER) \
    ROLE(INTERF, STATE) \
    ROLE(INTERF, TRY) \
    ROLE(INTERF, ACCEPT) \
    ROLE(INTERF, DISCARD) \
    ROLE(INTERF, COMPORT_FIX) \
    ROLE(INTERF, PORTNUMBER_FIX) \
    ROLE(INTERF, REASON) \
    ROLE(INTERF, RECONNECT)

#define TELVAR_TEST_ROLES(ROLE) \
    ROLE(TEST, CMD_ENTER) \
    ROLE(TEST, CMD_EXIT) \
    ROLE(TEST, NUM_WORD0) \
    ROLE(TEST, NUM_WORD1) \
    ROLE(TEST, NUM_WORD3) \
    ROLE(TEST, NUM_WORD4) \
    ROLE(TEST, NUM_WORD5) \
    ROLE(TEST, NUM_WORD7) \
    ROLE(TEST, NUM_WORD10) \
    ROLE(TEST, SWITCH_1) \
    ROLE(TEST, SWITCH_2) \
    ROLE(TEST, SWITCH_INVERTED) \
    ROLE(TEST, LAMP_1) \
    ROLE(TEST, LAMP_2) \
    ROLE(TEST, ANSWER_0) \
    ROLE(TEST, ANSWER_1) \
    ROLE(TEST, ANSWER_2) \
    ROLE(TEST, ANSWER_3) \
    ROLE(TEST, ANSWER_4) \
    ROLE(TEST, ANSWER_5) \
    ROLE(TEST, ANSWER_6) \
    ROLE(TEST, ANSWER_7) \
    ROLE(TEST, ANSWER_8) \
    ROLE(TEST, ANSWER_9) \
    ROLE(TEST, ANSWER_10) \
    ROLE(TEST, ANSWER_11) \
    ROLE(TEST, ANSWER_12) \
    ROLE(TEST, ANSWER_13) \
    ROLE(TEST, ANSWER_14) \
    ROLE(TEST, ANSWER_15)

#define TELVAR_COMPARE_ROLES(ROLE) \
    ROLE(COMPARE, SUMMARY) \
    ROLE(COMPARE, TABLE) \
    ROLE(COMPARE, TAKE) \
    ROLE(COMPARE, TAKE_ALL) \
    ROLE(COMPARE, EXPORT) \
    ROLE(COMPARE, CLOSE)

#define TELVAR_UPDATE_ROLES(ROLE) \
    ROLE(UPDATE, CMD_LOAD_FIRMWARE) \
    ROLE(UPDATE, CMD_LOAD_LIN_A) \
    ROLE(UPDATE, CMD_LOAD_LIN_B) \
    ROLE(UPDATE, PATH_FIRMWARE) \
    ROLE(UPDATE, PATH_LIN_A) \
    ROLE(UPDATE, PATH_LIN_B) \
    ROLE(UPDATE, PATH_MERGED) \
    ROLE(UPDATE, LED_FIRMWARE) \
    ROLE(UPDATE, LED_LIN_A) \
    ROLE(UPDATE, LED_LIN_B) \
    ROLE(UPDATE, LED_MERGED) \
    ROLE(UPDATE, LED_READY) \
    ROLE(UPDATE, CHK_A) \
    ROLE(UPDATE, CHK_B) \
    ROLE(UPDATE, NUM_START) \
    ROLE(UPDATE, NUM_END) \
    ROLE(UPDATE, CMD_MERGE) \
    ROLE(UPDATE, CMD_PROGRAM) \
    ROLE(UPDATE, LOG)

#define TELVAR_MONITOR_ROLES(ROLE) \
    ROLE(MONITOR, FILTER) \
    ROLE(MONITOR, PAUSE) \
    ROLE(MONITOR, COPY) \
    ROLE(MONITOR, SAVE) \
    ROLE(MONITOR, CLEAR) \
    ROLE(MONITOR, STATE) \
    ROLE(MONITOR, TABLE)

#define TELVAR_STATS_ROLES(ROLE) \
    ROLE(STATS, WINDOW) \
    ROLE(STATS, COUNT) \
    ROLE(STATS, RESET) \
    ROLE(STATS, TABLE) \
    ROLE(STATS, NOTE) \
    ROLE(STATS, COPY) \
    ROLE(STATS, EXPORT) \
    ROLE(STATS, CHANNEL) \
    ROLE(STATS, HISTOGRAM) \
    ROLE(STATS, GAUGE)

#define TELVAR_GAUGE_ROLES(ROLE) \
    ROLE(GAUGE, CHANNEL) \
    ROLE(GAUGE, REFERENCE) \
    ROLE(GAUGE, TOLERANCE) \
    ROLE(GAUGE, READINGS) \
    ROLE(GAUGE, START) \
    ROLE(GAUGE, STATE) \
    ROLE(GAUGE, RUN_CHART) \
    ROLE(GAUGE, CLOSE)

#define TELVAR_ROLE_NUMBER(prefix, name) prefix##_##name,
#define TELVAR_ROLE_ENTRY(prefix, name) {prefix##_##name, #name},

// Numbers start at 1; 0 is no control.
enum MainControl : int { MAIN_NO_CONTROL, TELVAR_MAIN_ROLES(TELVAR_ROLE_NUMBER) };
enum InterfControl : int { INTERF_NO_CONTROL, TELVAR_INTERF_ROLES(TELVAR_ROLE_NUMBER) };
enum TestControl : int { TEST_NO_CONTROL, TELVAR_TEST_ROLES(TELVAR_ROLE_NUMBER) };
enum CompareControl : int { COMPARE_NO_CONTROL, TELVAR_COMPARE_ROLES(TELVAR_ROLE_NUMBER) };
enum UpdateControl : int { UPDATE_NO_CONTROL, TELVAR_UPDATE_ROLES(TELVAR_ROLE_NUMBER) };
enum MonitorControl : int { MONITOR_NO_CONTROL, TELVAR_MONITOR_ROLES(TELVAR_ROLE_NUMBER) };
enum StatsControl : int { STATS_NO_CONTROL, TELVAR_STATS_ROLES(TELVAR_ROLE_NUMBER) };
enum GaugeControl : int { GAUGE_NO_CONTROL, TELVAR_GAUGE_ROLES(TELVAR_ROLE_NUMBER) };

// Tells the platform which roles each panel file must offer.
void define_panel_roles();

}  // namespace telvar
