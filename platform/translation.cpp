// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translation.h"

#include "platform/panel_path.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <utility>

namespace telvar {

namespace {

// Qt's own texts (file dialogs, message box buttons) and the tool's.
constexpr const char* kToolCatalogue = "telvar-k20-dizer";
constexpr const char* kQtCatalogue = "qtbase";

struct Installed {
    std::mutex lock;
    std::string language = "en";
    // Counts the installations: a text is looked up anew under each.
    int installation = 0;
    std::unique_ptr<QTranslator> tool;
    std::unique_ptr<QTranslator> qt;
    // Handed-out texts stay valid for the program's life, also across a change of language.
    std::map<std::tuple<int, std::string, std::string>, std::string> texts;
};

thread_local int g_english = 0;

Installed& installed()
{
    static Installed state;
    return state;
}

void remove_translators(Installed& s)
{
    for (auto* t : {&s.tool, &s.qt}) {
        if (*t)
            QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
}

}  // namespace

EnglishTexts::EnglishTexts()
{
    ++g_english;
}

EnglishTexts::~EnglishTexts()
{
    --g_english;
}

const char* tr_text(const char* context, const char* source)
{
    if (g_english > 0)
        return source;
    Installed& s = installed();
    std::lock_guard guard(s.lock);
    if (!s.tool)
        return source;
    auto key = std::make_tuple(s.installation, std::string(context), std::string(source));
    auto found = s.texts.find(key);
    if (found == s.texts.end())
        found = s.texts.emplace(std::move(key), QCoreApplication::translate(context, source).toStdString()).first;
    return found->second.c_str();
}

std::string desktop_language()
{
    // uiLanguages follows LANGUAGE before LC_ALL, LC_MESSAGES and LANG.
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QString lang = tag.section(QLatin1Char('-'), 0, 0).toLower();
        if (lang == QLatin1String("de"))
            return "de";
        if (lang == QLatin1String("en") || lang == QLatin1String("c"))
            return "en";
    }
    return "en";
}

std::string current_language()
{
    Installed& s = installed();
    std::lock_guard guard(s.lock);
    return s.language;
}

std::string install_language(const std::string& choice)
{
    const std::string language = choice.empty() ? desktop_language() : choice;
    Installed& s = installed();
    std::lock_guard guard(s.lock);
    remove_translators(s);
    ++s.installation;
    s.language = "en";
    if (language == "en")
        return s.language;
    const QString suffix = QLatin1Char('_') + QString::fromStdString(language);
    const QString file = detail::panel_file_path(QCoreApplication::applicationDirPath(),
                                                 QLatin1String(kToolCatalogue) + suffix + QLatin1String(".qm"));
    auto tool = std::make_unique<QTranslator>();
    if (!tool->load(file))
        return s.language;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLatin1String(kQtCatalogue) + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    else
        qt.reset();
    QCoreApplication::installTranslator(tool.get());
    s.tool = std::move(tool);
    s.qt = std::move(qt);
    s.language = language;
    return s.language;
}

}  // namespace telvar
