// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_file.h"

#include "platform/files.h"

#include <QSettings>

namespace telvar {

namespace {

// QSettings reads the whole file, and waits on a FIFO: a file that is no
// settings file is neither read nor written over.
bool settings_file(const std::string& path)
{
    return FileRefusal(path, FileKind::settings).empty();
}

}  // namespace

bool ReadSettingFlag(const std::string& path, const char* key, bool fallback)
{
    if (!settings_file(path))
        return fallback;
    const QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return fallback;
    return settings.value(QLatin1String(key), fallback).toBool();
}

bool WriteSettingFlag(const std::string& path, const char* key, bool value)
{
    if (!settings_file(path))
        return false;
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    settings.setValue(QLatin1String(key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string ReadSettingText(const std::string& path, const char* key, const std::string& fallback)
{
    if (!settings_file(path))
        return fallback;
    const QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError || !settings.contains(QLatin1String(key)))
        return fallback;
    return settings.value(QLatin1String(key)).toString().toStdString();
}

bool WriteSettingTexts(const std::string& path, const std::vector<std::pair<const char*, std::string>>& values)
{
    if (!settings_file(path))
        return false;
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    for (const auto& [key, text] : values)
        settings.setValue(QLatin1String(key), QString::fromStdString(text));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace telvar
