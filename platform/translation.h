// SPDX-License-Identifier: GPL-3.0-or-later
// The operator's language for the window's texts. Only the window installs a
// translation; the command-line tool installs none, so every text it shares
// with the window stays English there, byte for byte.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text in a table for the translation's extraction; the table keeps
// the English and the place that shows it calls tr_text with the same context.
#define TR_NOOP(context, text) text

namespace telvar {

// The installed translation of `source` in `context` as UTF-8, or `source`
// itself when there is none. The text lives as long as the program.
const char* tr_text(const char* context, const char* source);

// While one lives, tr_text on this thread gives the English: for a file made
// of texts the window also shows, which programs read as they always were.
class EnglishTexts {
public:
    EnglishTexts();
    ~EnglishTexts();
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;
};

// `pattern` with %1 ... %9 replaced by the arguments, so that a translation
// may put them in its own order.
std::string with_args(std::string_view pattern, std::initializer_list<std::string_view> args);

// The window's language: "" follows the desktop (LANGUAGE, LANG), "en" or "de"
// chooses one. Installs Qt's own translation and the tool's, which lies where
// the panel files do; returns the language now in use ("en" when the
// translation is missing).
std::string install_language(const std::string& choice);

// The language the desktop asks for, as install_language would take it.
std::string desktop_language();

// The language of the window's texts now: "en" until a translation is installed.
std::string current_language();

}  // namespace telvar
