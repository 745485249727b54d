// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/buttons.h"

#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <initializer_list>

namespace telvar {

namespace {

void switch_group(int panel, int state, std::initializer_list<int> members)
{
    if (state == -1)
        return;
    for (int control : members)
        SetCtrlAttribute(panel, control, ATTR_DIMMED, state == 0 ? 1 : 0);
}

}  // namespace

void set_main_buttons(int acquisition, int sensor_actions, int transfer)
{
    switch_group(panelMAIN, acquisition, {MAIN_CMD_RUN, MAIN_CMD_STOP, MAIN_CMD_DATA});
    if (acquisition != -1)
        for (int control : {MAIN_CMD_RUN, MAIN_CMD_STOP, MAIN_CMD_DATA})
            SetCtrlAttribute(panelMAIN, control, ATTR_CMD_BUTTON_COLOR, IDLE_BUTTON_COLOR);
    // TRIGGER and RECORDER send nothing; RESET, TEACH and TRIGGER form the group.
    switch_group(panelMAIN, sensor_actions, {MAIN_CMD_RESET, MAIN_CMD_TEACH, MAIN_CMD_TRIGGER});
    switch_group(panelMAIN, transfer,
                 {MAIN_BTN_SEND, MAIN_BTN_GET, MAIN_BTN_COMPARE, MAIN_RADIO_RAM, MAIN_RADIO_EEPROM, MAIN_RADIO_FILE});
}

void set_test_panel_controls(int test_mode, int test_data)
{
    switch_group(panelTEST, test_mode, {TEST_CMD_ENTER, TEST_CMD_EXIT});
    switch_group(panelTEST, test_data,
                 {TEST_NUM_WORD0, TEST_NUM_WORD1, TEST_NUM_WORD3, TEST_NUM_WORD4, TEST_NUM_WORD5,
                  TEST_NUM_WORD7, TEST_NUM_WORD10, TEST_SWITCH_1, TEST_SWITCH_2,
                  TEST_SWITCH_INVERTED, TEST_LAMP_1, TEST_LAMP_2});
}

void set_buttons_for_line(bool open)
{
    const int state = open ? 1 : 0;
    set_test_panel_controls(state, 0);
    set_main_buttons(state, state, state);
}

}  // namespace telvar
