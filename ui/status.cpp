// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status.h"

#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <cstdio>
#include <cstring>

namespace telvar {

char szStatus[STATUS_SIZE];

namespace {

StatusObserver g_observer;

}  // namespace

void set_status_observer(StatusObserver observer)
{
    g_observer = std::move(observer);
}

void show_status()
{
    SetCtrlVal(panelMAIN, MAIN_STATUS, szStatus);
    if (g_observer)
        g_observer(szStatus);
}

void put_status(const char* text)
{
    std::snprintf(szStatus, sizeof szStatus, "%s", text);
}

void set_status(const char* text)
{
    put_status(text);
    show_status();
}

void append_status(const char* text)
{
    const std::size_t used = std::strlen(szStatus);
    std::snprintf(szStatus + used, sizeof szStatus - used, "%s", text);
    show_status();
}

}  // namespace telvar
