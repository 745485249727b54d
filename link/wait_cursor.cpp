// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/wait_cursor.h"

#include "platform/userint.h"

namespace telvar {

namespace {

int g_depth = 0;

}  // namespace

WaitCursor::WaitCursor()
{
    if (g_depth++ == 0)
        SetWaitCursor(1);
}

WaitCursor::~WaitCursor()
{
    if (--g_depth == 0)
        SetWaitCursor(0);
}

}  // namespace telvar
