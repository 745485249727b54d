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

// A text cut to fit may end in the first bytes of a UTF-8 character: they go
// too, so that what is shown stays UTF-8.
void drop_cut_character(char* text)
{
    const std::size_t length = std::strlen(text);
    std::size_t start = length;
    while (start > 0 && length - start < 3 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start == 0)
        return;
    const auto lead = static_cast<unsigned char>(text[start - 1]);
    const std::size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (lead >= 0xC0 && length - (start - 1) < needed)
        text[start - 1] = '\0';
}

// Copies `text` to `into`, cut to fit `room` bytes with its terminating zero.
void copy_cut(char* into, std::size_t room, const char* text)
{
    if (room == 0)
        return;
    if (std::snprintf(into, room, "%s", text) >= static_cast<int>(room))
        drop_cut_character(into);
}

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
    copy_cut(szStatus, sizeof szStatus, text);
}

void set_status(const char* text)
{
    put_status(text);
    show_status();
}

void append_status(const char* text)
{
    const std::size_t used = std::strlen(szStatus);
    copy_cut(szStatus + used, sizeof szStatus - used, text);
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
