// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/controls.h"

#include "platform/userint.h"

namespace telvar::test {

bool dimmed(int panel, int control)
{
    int d = -1;
    GetCtrlAttribute(panel, control, ATTR_DIMMED, &d);
    return d == 1;
}

}  // namespace telvar::test
