// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/panel_events.h"

#include "app/window_layout.h"

#include "link/command.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "params/change_marks.h"
#include "platform/userint.h"
#include "scope/recorder.h"
#include "storage/send_get.h"

namespace telvar {

namespace {

// Changes not sent are not lost unasked. While another command runs, they
// cannot be sent now: the close is refused as that command would be.
bool may_close()
{
    if (!pages_hold_changes())
        return true;
    bool go_on = false;
    run_whole([&go_on] { go_on = settle_unsent_changes(CLOSE_OVER_CHANGES_TEXT); });
    return go_on;
}

}  // namespace

int CC_MAIN_PANEL(int, int event, void*, int, int)
{
    if (event == EVENT_PANEL_SIZE)
        apply_window_layout();
    if (event != EVENT_CLOSE || !may_close())
        return 0;
    save_window_placement();
    raise_stop_flag();
    stop_recording();
    // Closed whatever the flags say: a line still in its check has its flag
    // at 0 but is open. Closing what is not open does nothing.
    InitTCP_IP(0);
    InitRS232(0);
    QuitUserInterface(0);
    return 0;
}

int CC_INTERFACEP(int panel, int event, void*, int, int)
{
    if (event == EVENT_CLOSE)
        HidePanel(panel);
    return 0;
}

int CC_PANEL_CHA(int, int, void*, int, int) { return 0; }
int CC_PANEL_CHA2(int, int, void*, int, int) { return 0; }
int CC_PANEL_CHB(int, int, void*, int, int) { return 0; }
int CC_PANEL_CHB2(int, int, void*, int, int) { return 0; }
int CC_PANEL_EVAL(int, int, void*, int, int) { return 0; }
int CC_PANEL_EVL2(int, int, void*, int, int) { return 0; }
int CC_PANEL_OUT(int, int, void*, int, int) { return 0; }
int CC_PANEL_UPDT(int, int, void*, int, int) { return 0; }
int CC_PANEL_TEST(int, int, void*, int, int) { return 0; }

}  // namespace telvar
