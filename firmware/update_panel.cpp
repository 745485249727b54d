// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/update_panel.h"

#include "firmware/merge_files.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/buttons.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <cstdio>
#include <string>

namespace telvar {

namespace state {
char firmwarePath[MAX_PATHNAME_LEN];
char mergedFilePath[MAX_PATHNAME_LEN];
}  // namespace state
const char (&firmwarePath)[MAX_PATHNAME_LEN] = state::firmwarePath;
const char (&mergedFilePath)[MAX_PATHNAME_LEN] = state::mergedFilePath;

namespace {

char lindataAPath[MAX_PATHNAME_LEN];
char lindataBPath[MAX_PATHNAME_LEN];

inline constexpr int MERGE_BUTTON_ACTIVE = 0xFF0000;

void light(int lamp, int colour)
{
    SetCtrlAttribute(panelUPDATE, lamp, ATTR_ON_COLOR, colour);
}

int value(int control)
{
    int v = 0;
    GetCtrlVal(panelUPDATE, control, &v);
    return v;
}

// A chosen file shows its path and lights its lamp green; a cancelled or
// failed choice clears the path and lights it red.
bool choose(char* path, int field, int lamp, const char* file_spec, const char* title)
{
    const bool chosen = FileSelectPopup(dirName, file_spec, file_spec, title, VAL_LOAD_BUTTON, 0, 1, 1, 0, path, MAX_PATHNAME_LEN) > 0;
    SetCtrlVal(panelUPDATE, field, chosen ? path : "");
    light(lamp, chosen ? VAL_GREEN : VAL_RED);
    return chosen;
}

}  // namespace

void setup_update_panel()
{
    for (int lamp : {UPDATE_LED_FIRMWARE, UPDATE_LED_LIN_A, UPDATE_LED_LIN_B, UPDATE_LED_MERGED, UPDATE_LED_READY}) {
        light(lamp, VAL_RED);
        SetCtrlAttribute(panelUPDATE, lamp, ATTR_CTRL_MODE, VAL_INDICATOR);
    }
    CC_CHK_ENABLE(panelUPDATE, UPDATE_CHK_A, EVENT_COMMIT, nullptr, 0, 0);
    CC_CHK_ENABLE(panelUPDATE, UPDATE_CHK_B, EVENT_COMMIT, nullptr, 0, 0);
}

bool file_selected(int lamp)
{
    int colour = -1;
    GetCtrlAttribute(panelUPDATE, lamp, ATTR_ON_COLOR, &colour);
    return colour == VAL_GREEN;
}

void show_download_ready(bool ready)
{
    light(UPDATE_LED_READY, ready ? VAL_YELLOW : VAL_RED);
}

int CC_CMD_LOAD_FIRMWARE(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        show_download_ready(
            choose(state::firmwarePath, UPDATE_PATH_FIRMWARE, UPDATE_LED_FIRMWARE, "*.S",
                   tr_text("FirmwareUpdate", "Load Firmware File")));
    return 0;
}

int CC_CMD_LOAD_LINDATA_A(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        choose(lindataAPath, UPDATE_PATH_LIN_A, UPDATE_LED_LIN_A, "*.dat",
               tr_text("FirmwareUpdate", "Select Linearisation Data for Channel A"));
    return 0;
}

int CC_CMD_LOAD_LINDATA_B(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        choose(lindataBPath, UPDATE_PATH_LIN_B, UPDATE_LED_LIN_B, "*.dat",
               tr_text("FirmwareUpdate", "Select Linearisation Data for Channel B"));
    return 0;
}

// Lighting a lamp keeps its colour: the selection survives unchecking and checking again.
int CC_CHK_ENABLE(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    const int a = value(UPDATE_CHK_A);
    const int b = value(UPDATE_CHK_B);
    SetCtrlVal(panelUPDATE, UPDATE_LED_LIN_A, a ? 1 : 0);
    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_LOAD_LIN_A, ATTR_DIMMED, a ? 0 : 1);
    SetCtrlVal(panelUPDATE, UPDATE_LED_LIN_B, b ? 1 : 0);
    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_LOAD_LIN_B, ATTR_DIMMED, b ? 0 : 1);
    const bool none = !a && !b;
    SetCtrlVal(panelUPDATE, UPDATE_LED_MERGED, none ? 0 : 1);
    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_MERGE, ATTR_DIMMED, none ? 1 : 0);
    return 0;
}

int CC_CMD_MERGE_DATA(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    int old_colour = -1;
    GetCtrlAttribute(panelUPDATE, UPDATE_CMD_MERGE, ATTR_CMD_BUTTON_COLOR, &old_colour);
    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_MERGE, ATTR_DIMMED, 1);
    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_MERGE, ATTR_CMD_BUTTON_COLOR, MERGE_BUTTON_ACTIVE);

    // A report of an earlier merge must not stand beside this one's red lamps.
    ResetTextBox(panelUPDATE, UPDATE_LOG, "");
    const bool a_ready = file_selected(UPDATE_LED_LIN_A) || value(UPDATE_CHK_A) == 0;
    const bool b_ready = file_selected(UPDATE_LED_LIN_B) || value(UPDATE_CHK_B) == 0;
    bool merged = false;
    if (!file_selected(UPDATE_LED_FIRMWARE) || !a_ready || !b_ready) {
        MessagePopup(tr_text("FirmwareUpdate", "ERROR"),
                     tr_text("FirmwareUpdate", "Please select all necessary files first!"));
    } else if (FileSelectPopup(dirName, "*.S", "*.S", tr_text("FirmwareUpdate", "Select destination for merged file"),
                               VAL_SAVE_BUTTON, 0, 1, 1, 1, state::mergedFilePath) <= 0) {
        MessagePopup(tr_text("FirmwareUpdate", "ERROR"),
                     tr_text("FirmwareUpdate", "Invalid file or no file selected. Please select correct file!"));
    } else {
        SetCtrlVal(panelUPDATE, UPDATE_PATH_MERGED, mergedFilePath);
        const MergeFiles files{firmwarePath, value(UPDATE_CHK_A) != 0, lindataAPath, value(UPDATE_CHK_B) != 0,
                               lindataBPath, value(UPDATE_NUM_START), value(UPDATE_NUM_END), mergedFilePath};
        const MergeResult result = merge_files(files);
        if (result.ok())
            ResetTextBox(panelUPDATE, UPDATE_LOG, merged_text(result).c_str());
        else
            MessagePopup(tr_text("FirmwareUpdate", "ERROR"), result.error.c_str());
        merged = result.ok();
    }
    light(UPDATE_LED_MERGED, merged ? VAL_GREEN : VAL_RED);
    show_download_ready(merged);

    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_MERGE, ATTR_CMD_BUTTON_COLOR, old_colour >= 0 ? old_colour : IDLE_BUTTON_COLOR);
    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_MERGE, ATTR_DIMMED, 0);
    return 0;
}

}  // namespace telvar
