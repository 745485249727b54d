// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/send_get.h"

#include "params/change_marks.h"
#include "params/mapping.h"
#include "platform/translation.h"
#include "storage/parameter_file_dialog.h"
#include "storage/transfer.h"
#include "storage/unsent_texts.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <string>

namespace telvar {

bool send_pages()
{
    GetPanelValues();
    if (target == DATFILE)
        ask_parameter_file(VAL_SAVE_BUTTON);
    const bool sent = send_to_target();
    if (sent)
        refresh_change_marks();
    return sent;
}

void SendParameter()
{
    send_pages();
}

void GetParameter()
{
    GetPanelValues();
    if (target == DATFILE)
        ask_parameter_file(VAL_LOAD_BUTTON);
    if (!get_from_target())
        return;
    SetPanelValues();
    refresh_change_marks();
}

bool settle_unsent_changes(const char* question)
{
    if (!pages_hold_changes())
        return true;
    const std::string asked =
        unsent_changes_question(tr_text("Transfer", question), unsent_changes(), reference_name());
    switch (GenericMessagePopup(tr_text("Transfer", UNSENT_CHANGES_TITLE), asked.c_str(),
                                send_button_text(target).c_str(), tr_text("Transfer", "Discard"),
                                tr_text("Transfer", "Cancel"))) {
    case 1: return send_pages();
    case 2: return true;
    default: return false;
    }
}

int CC_BTNSend(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        SendParameter();
    return 0;
}

int CC_BTNGet(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT && settle_unsent_changes(GET_OVER_CHANGES_TEXT))
        GetParameter();
    return 0;
}

int CC_RADIO_MEMORY(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    // Button and target in the order RAM, EEPROM, file.
    const int buttons[] = {MAIN_RADIO_RAM, MAIN_RADIO_EEPROM, MAIN_RADIO_FILE};
    const int targets[] = {RAM, EEPROM, DATFILE};
    for (int k = 0; k < 3; ++k) {
        if (buttons[k] != control)
            continue;
        for (int button : buttons)
            SetCtrlVal(panelMAIN, button, 0);
        SetCtrlVal(panelMAIN, control, 1);
        choose_target(targets[k]);
    }
    return 0;
}

}  // namespace telvar
