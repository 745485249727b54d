// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status.h"

#include "platform/longest_fitting.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <optional>
#include <string>
#include <vector>

namespace telvar {

namespace {

// A text too long for the status line shows up to its last whole word that
// fits, then "..."; the line's description holds the whole of it. A text of
// no word that fits is cut where it must be.
std::string fitted(const std::string& text)
{
    const auto fits = [](const std::string& shown) { return CtrlTextFits(panelMAIN, MAIN_STATUS, shown.c_str()) != 0; };
    if (fits(text))
        return text;
    std::vector<std::size_t> word_ends;
    for (std::size_t at = text.find(' ', 1); at != std::string::npos; at = text.find(' ', at + 1))
        word_ends.push_back(at);
    const auto cut = [&text](std::size_t kept) { return text.substr(0, kept) + "..."; };
    const std::size_t words = longest_fitting(word_ends.size(), [&](std::size_t n) { return fits(cut(word_ends[n - 1])); });
    if (words > 0)
        return cut(word_ends[words - 1]);
    // Never inside a UTF-8 character: half an umlaut would turn the whole text into Latin-1.
    std::vector<std::size_t> character_ends;
    for (std::size_t at = 1; at <= text.size(); ++at)
        if (at == text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            character_ends.push_back(at);
    const std::size_t characters =
        longest_fitting(character_ends.size(), [&](std::size_t n) { return fits(cut(character_ends[n - 1])); });
    return cut(characters > 0 ? character_ends[characters - 1] : 0);
}

// What the line shows, as it reads back, and the text it was made from.
struct OnLine {
    std::string text;
    std::string shown;
};
std::optional<OnLine> g_on_line;

// What was shown is kept as the line reads it back, so that a text the line
// changed on its way (a cut character) still counts as the same.
std::string read_line()
{
    char shown[STATUS_LINE_SIZE] = {};
    GetCtrlVal(panelMAIN, MAIN_STATUS, shown, sizeof shown);
    return shown;
}

// RUN shows the same text with every sample: the line is left as it is then.
bool already_on_line(const std::string& text)
{
    return g_on_line && g_on_line->text == text && g_on_line->shown == read_line();
}

}  // namespace

void show_on_status_line(const char* text)
{
    if (already_on_line(text))
        return;
    const std::string shown = fitted(text);
    SetCtrlVal(panelMAIN, MAIN_STATUS, shown.c_str());
    g_on_line = OnLine{text, read_line()};
    SetCtrlAttribute(panelMAIN, MAIN_STATUS, ATTR_DESCRIPTION, shown == text ? tr_text("Window", "Status line") : text);
}

}  // namespace telvar
