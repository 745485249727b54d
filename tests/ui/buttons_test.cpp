// SPDX-License-Identifier: GPL-3.0-or-later
// The button groups, member by member: each group switches exactly its own
// controls and no other control of its panel.
#include "support/link_fixture.h"

#include "platform/userint.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <map>
#include <set>
#include <vector>

namespace telvar::test {
namespace {

using Members = std::set<int>;

const std::vector<int> kMainRoles = {TELVAR_MAIN_ROLES(TELVAR_ROLE_NUMBER)};
const std::vector<int> kTestRoles = {TELVAR_TEST_ROLES(TELVAR_ROLE_NUMBER)};

const Members kAcquisition = {MAIN_CMD_RUN, MAIN_CMD_STOP, MAIN_CMD_DATA};
const Members kSensorActions = {MAIN_CMD_RESET, MAIN_CMD_TEACH, MAIN_CMD_TRIGGER};
const Members kTransfer = {MAIN_BTN_SEND,  MAIN_BTN_GET,      MAIN_BTN_COMPARE,
                           MAIN_RADIO_RAM, MAIN_RADIO_EEPROM, MAIN_RADIO_FILE};
const Members kTestMode = {TEST_CMD_ENTER, TEST_CMD_EXIT};
const Members kTestData = {TEST_NUM_WORD0,  TEST_NUM_WORD1,  TEST_NUM_WORD3,       TEST_NUM_WORD4,
                           TEST_NUM_WORD5,  TEST_NUM_WORD7,  TEST_NUM_WORD10,      TEST_SWITCH_1,
                           TEST_SWITCH_2,   TEST_SWITCH_INVERTED, TEST_LAMP_1,     TEST_LAMP_2};

std::map<int, int> dimming(int panel, const std::vector<int>& roles)
{
    std::map<int, int> state;
    for (int control : roles) {
        int value = -1;
        GetCtrlAttribute(panel, control, ATTR_DIMMED, &value);
        state[control] = value;
    }
    return state;
}

// Switches one group with `state`, the others with -1, and checks that
// exactly the group's members changed to what the state asks for.
void expect_only_group_switched(int panel, const std::vector<int>& roles, const Members& group,
                                const std::function<void(int)>& switch_group)
{
    for (int state : {0, 1, 0, 5}) {
        const std::map<int, int> before = dimming(panel, roles);
        switch_group(state);
        const std::map<int, int> after = dimming(panel, roles);
        for (int control : roles) {
            if (group.count(control))
                EXPECT_EQ(after.at(control), state == 0 ? 1 : 0) << "member " << control << ", state " << state;
            else
                EXPECT_EQ(after.at(control), before.at(control)) << "outsider " << control << ", state " << state;
        }
    }
}

using ButtonGroupMembers = LinkTest;

TEST_F(ButtonGroupMembers, EachMainGroupSwitchesItsMembersOnly)
{
    expect_only_group_switched(panelMAIN, kMainRoles, kAcquisition, [](int s) { set_main_buttons(s, -1, -1); });
    expect_only_group_switched(panelMAIN, kMainRoles, kSensorActions, [](int s) { set_main_buttons(-1, s, -1); });
    expect_only_group_switched(panelMAIN, kMainRoles, kTransfer, [](int s) { set_main_buttons(-1, -1, s); });
}

TEST_F(ButtonGroupMembers, EachTestPanelGroupSwitchesItsMembersOnly)
{
    expect_only_group_switched(panelTEST, kTestRoles, kTestMode, [](int s) { set_test_panel_controls(s, -1); });
    expect_only_group_switched(panelTEST, kTestRoles, kTestData, [](int s) { set_test_panel_controls(-1, s); });
}

TEST_F(ButtonGroupMembers, AcquisitionColoursGoBackToIdleWheneverTheGroupIsSwitched)
{
    for (int state : {0, 1}) {
        for (int control : kAcquisition)
            SetCtrlAttribute(panelMAIN, control, ATTR_CMD_BUTTON_COLOR, ACTIVE_BUTTON_COLOR);
        set_main_buttons(state, -1, -1);
        for (int control : kAcquisition) {
            int colour = -1;
            GetCtrlAttribute(panelMAIN, control, ATTR_CMD_BUTTON_COLOR, &colour);
            EXPECT_EQ(colour, 0xE0E0E0) << "member " << control << ", state " << state;
        }
    }
}

}  // namespace
}  // namespace telvar::test
