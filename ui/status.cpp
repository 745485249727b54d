// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status.h"

#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace telvar {

char szStatus[STATUS_SIZE];

namespace {

StatusObserver g_observer;
// The texts shown while a StatusHold lives; none while nothing holds the line.
std::optional<std::vector<std::string>> g_held;

}  // namespace

void set_status_observer(StatusObserver observer)
{
    g_observer = std::move(observer);
}

void show_status()
{
    if (g_held) {
        g_held->emplace_back(szStatus);
        return;
    }
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

StatusHold::StatusHold() : before_(szStatus)
{
    g_held.emplace();
}

StatusHold::~StatusHold()
{
    if (!holding_)
        return;
    g_held.reset();
    put_status(before_.c_str());
}

void StatusHold::show_held()
{
    holding_ = false;
    const std::vector<std::string> texts = std::move(*g_held);
    g_held.reset();
    for (const std::string& text : texts)
        set_status(text.c_str());
}

}  // namespace telvar
