// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/actions.h"

#include "link/command.h"
#include "link/orders.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "storage/send_get.h"

namespace telvar {

int CC_CMD_RESET(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        send_acknowledged(ORDER_RESET, tr_text("Scope", "Reseting data ... "));
    return 0;
}

int CC_CMD_TEACH(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT && send_acknowledged(ORDER_TEACH, tr_text("Scope", "Sending TEACH order ... ")))
        GetParameter();
    return 0;
}

// The controller defines no order for it.
int CC_CMD_TRIGGER(int, int, int, void*, int, int)
{
    return 0;
}

}  // namespace telvar
