// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/wait_cursor.h"

#include "link/link_events.h"

namespace telvar {

namespace {

int g_depth = 0;

}  // namespace

WaitCursor::WaitCursor()
{
    if (g_depth++ == 0)
        report_link_event(LinkEvent::Busy);
}

WaitCursor::~WaitCursor()
{
    if (--g_depth == 0)
        report_link_event(LinkEvent::NotBusy);
}

}  // namespace telvar
