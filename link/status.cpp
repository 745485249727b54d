// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/status.h"

#include "platform/events.h"

#include <cstdio>
#include <algorithm>
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

// The status text has always held 127 bytes of English. A UTF-8 text (a
// translated one) keeps as many characters, whatever their bytes; any other
// text, as many bytes.
constexpr std::size_t kStatusLength = 127;
static_assert(STATUS_SIZE > 4 * kStatusLength, "room for 127 characters of four bytes");

// The bytes a character of UTF-8 takes from its lead byte; 0 for a byte no character starts with.
std::size_t sequence_length(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
}

bool is_utf8(const char* text)
{
    for (std::size_t k = 0; text[k];) {
        const std::size_t length = sequence_length(static_cast<unsigned char>(text[k]));
        if (length == 0)
            return false;
        for (std::size_t more = 1; more < length; ++more)
            if ((static_cast<unsigned char>(text[k + more]) & 0xC0) != 0x80)
                return false;
        k += length;
    }
    return true;
}

// Copies `text` to `into`, cut after `length` characters (UTF-8) or bytes.
void copy_cut(char* into, std::size_t length, const char* text)
{
    std::size_t bytes = 0;
    if (is_utf8(text)) {
        for (std::size_t kept = 0; text[bytes] && kept < length; ++kept)
            bytes += sequence_length(static_cast<unsigned char>(text[bytes]));
    } else {
        bytes = std::min(std::strlen(text), length);
    }
    std::memcpy(into, text, bytes);
    into[bytes] = '\0';
}

// How many characters (UTF-8) or bytes `text` holds.
std::size_t length_of(const char* text)
{
    if (!is_utf8(text))
        return std::strlen(text);
    std::size_t characters = 0;
    for (std::size_t k = 0; text[k]; k += sequence_length(static_cast<unsigned char>(text[k])))
        ++characters;
    return characters;
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
    copy_cut(szStatus, kStatusLength, text);
}

void set_status(const char* text)
{
    put_status(text);
    show_status();
}

void append_status(const char* text)
{
    const std::size_t used = length_of(szStatus);
    copy_cut(szStatus + std::strlen(szStatus), kStatusLength - std::min(used, kStatusLength), text);
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
