// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language_choice.h"

#include "app/window_layout.h"
#include "link/status.h"
#include "platform/settings_file.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <array>
#include <string>

namespace telvar {

namespace {

inline constexpr const char* LANGUAGE_KEY = "language";

// The banner's items in their order, as kept in the settings: "" follows the desktop.
constexpr std::array<const char*, 3> kChoices = {"", "en", "de"};

// The language in use since the start; a choice takes effect at the next one.
std::string g_shown = "en";

std::string kept_choice()
{
    const std::string kept = ReadSettingText(window_settings_file(), LANGUAGE_KEY, "");
    for (const char* choice : kChoices)
        if (kept == choice)
            return kept;
    return "";  // an unknown value in the file: the desktop's language
}

int index_of(const std::string& choice)
{
    for (std::size_t k = 0; k < kChoices.size(); ++k)
        if (choice == kChoices[k])
            return static_cast<int>(k);
    return 0;
}

}  // namespace

void start_language()
{
    g_shown = install_language(kept_choice());
}

void setup_language_choice()
{
    SetCtrlVal(panelMAIN, MAIN_LANGUAGE, index_of(kept_choice()));
}

int CC_MAIN_LANGUAGE(int panel, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    int index = 0;
    GetCtrlVal(panel, control, &index);
    const std::string choice = kChoices[static_cast<std::size_t>(index) % kChoices.size()];
    if (!WriteSettingTexts(window_settings_file(), {{LANGUAGE_KEY, choice}})) {
        set_status(tr_text("Language", "The language could not be kept: the settings file cannot be written."));
        return 0;
    }
    const std::string wanted = choice.empty() ? desktop_language() : choice;
    set_status(wanted == g_shown ? tr_text("Language", "The window keeps its language.")
                                 : tr_text("Language", "The window changes its language when the tool starts again."));
    return 0;
}

}  // namespace telvar
