// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/status.h"

#include "platform/events.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace telvar {

namespace {

char szStatus[STATUS_SIZE];
Listeners<const char*> g_status_observers;

struct Hold {
    int depth;                       // the event processing depth of the code that holds it
    std::string shown;               // what the observers were told last
    std::vector<std::string> texts;  // held back
};
// None while nothing holds the status text.
std::optional<Hold> g_hold;

}  // namespace

const char* status_text()
{
    return szStatus;
}

void set_status_observer(const std::string& name, StatusObserver observer)
{
    g_status_observers.set(name, std::move(observer));
}

void show_status()
{
    if (g_hold && EventProcessingDepth() == g_hold->depth) {
        g_hold->texts.emplace_back(szStatus);
        return;
    }
    if (g_hold)
        g_hold->shown = szStatus;
    g_status_observers.tell(szStatus);
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

StatusHold::StatusHold()
{
    g_hold = Hold{EventProcessingDepth(), szStatus, {}};
}

StatusHold::~StatusHold()
{
    if (!g_hold)
        return;
    put_status(g_hold->shown.c_str());
    g_hold.reset();
}

void StatusHold::show_held()
{
    const std::vector<std::string> texts = std::move(g_hold->texts);
    g_hold.reset();
    for (const std::string& text : texts)
        set_status(text.c_str());
}

}  // namespace telvar
