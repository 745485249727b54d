// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmode/test_mode.h"

#include "link/command.h"
#include "link/orders.h"
#include "link/status.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "testmode/test_block.h"
#include "testmode/test_data.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

namespace telvar {

namespace {

int value(int control)
{
    int v = 0;
    GetCtrlVal(panelTEST, control, &v);
    return v;
}

int on_colour(int control)
{
    int colour = -1;
    GetCtrlAttribute(panelTEST, control, ATTR_ON_COLOR, &colour);
    return colour;
}

void store(int word, int control)
{
    set_test_word(word, static_cast<unsigned short>(value(control) & 0xFFFF));
}

void show_answer()
{
    static const int kAnswer[PNUM] = {TEST_ANSWER_0,  TEST_ANSWER_1,  TEST_ANSWER_2,  TEST_ANSWER_3,
                                      TEST_ANSWER_4,  TEST_ANSWER_5,  TEST_ANSWER_6,  TEST_ANSWER_7,
                                      TEST_ANSWER_8,  TEST_ANSWER_9,  TEST_ANSWER_10, TEST_ANSWER_11,
                                      TEST_ANSWER_12, TEST_ANSWER_13, TEST_ANSWER_14, TEST_ANSWER_15};
    for (int k = 0; k < PNUM; ++k)
        SetCtrlVal(panelTEST, kAnswer[k], static_cast<int>(testdata[k]));
}

bool g_change_waiting = false;

bool test_controls_dimmed()
{
    int dimmed = 0;
    GetCtrlAttribute(panelTEST, TEST_SWITCH_1, ATTR_DIMMED, &dimmed);
    return dimmed != 0;
}

// The test page drives real outputs, so no change may be lost: one made while
// a command runs is sent once that command has ended, with the page as it
// stands then. Quick changes meanwhile go out together as one frame.
void send_test_change()
{
    if (!command_running()) {
        run_whole(exchange_test_data);
        return;
    }
    if (g_change_waiting)
        return;
    g_change_waiting = true;
    after_commands([] {
        g_change_waiting = false;
        // Test mode left meanwhile: the page drives nothing any more.
        if (!test_controls_dimmed())
            run_whole(exchange_test_data);
    });
}

}  // namespace

void setup_test_panel()
{
    SetCtrlAttribute(panelTEST, TEST_LAMP_1, ATTR_ON_COLOR, VAL_RED);
    SetCtrlAttribute(panelTEST, TEST_LAMP_2, ATTR_ON_COLOR, VAL_YELLOW);
}

// The panel is read in a fixed order: words 0 and 1, the switches and lamps
// of word 2, then words 3, 7, 10, 4 and 5.
void get_test_data()
{
    store(0, TEST_NUM_WORD0);
    store(1, TEST_NUM_WORD1);
    TestSwitches s{};
    s.switch1 = value(TEST_SWITCH_1);
    s.switch2 = value(TEST_SWITCH_2);
    s.lamp1 = value(TEST_LAMP_1);
    s.lamp1_colour = on_colour(TEST_LAMP_1);
    s.lamp2 = value(TEST_LAMP_2);
    s.lamp2_colour = on_colour(TEST_LAMP_2);
    s.inverted = value(TEST_SWITCH_INVERTED);
    set_test_word(TEST_BITS_WORD, test_bits(s));
    store(3, TEST_NUM_WORD3);
    store(7, TEST_NUM_WORD7);
    store(10, TEST_NUM_WORD10);
    store(4, TEST_NUM_WORD4);
    store(5, TEST_NUM_WORD5);
}

// The controller's answer reaches the page through show_answer.
void set_test_data() {}

void exchange_test_data()
{
    get_test_data();
    if (exchange_test_block() != CommandOutcome::Answered)
        return;
    set_test_data();
    show_answer();
    show_status();
}

int CC_CMD_ENTER_TEST(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT && send_acknowledged(ORDER_ENTER_TEST, tr_text("TestMode", "Entering testmode ... "))) {
        set_main_buttons(0, 0, 0);
        set_test_panel_controls(-1, 1);
    }
    return 0;
}

int CC_EXIT_TEST(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT
        && send_acknowledged(ORDER_EXIT_TEST, tr_text("TestMode", "Restarting normal mode ... "))) {
        set_test_panel_controls(-1, 0);
        set_main_buttons(1, 1, 1);
    }
    return 0;
}

int CC_TESTPANEL(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    // A lamp switched off prepares its other colour for the next switch-on.
    if (control == TEST_LAMP_1 && value(TEST_LAMP_1) == 0)
        SetCtrlAttribute(panelTEST, TEST_LAMP_1, ATTR_ON_COLOR, next_lamp1_colour(on_colour(TEST_LAMP_1)));
    if (control == TEST_LAMP_2 && value(TEST_LAMP_2) == 0)
        SetCtrlAttribute(panelTEST, TEST_LAMP_2, ATTR_ON_COLOR, next_lamp2_colour(on_colour(TEST_LAMP_2)));
    send_test_change();
    return 0;
}

}  // namespace telvar
