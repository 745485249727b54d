// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_file.h"

#include <QSettings>

namespace telvar {

bool ReadSettingFlag(const std::string& path, const char* key, bool fallback)
{
    const QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return fallback;
    return settings.value(QLatin1String(key), fallback).toBool();
}

bool WriteSettingFlag(const std::string& path, const char* key, bool value)
{
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    settings.setValue(QLatin1String(key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string ReadSettingText(const std::string& path, const char* key, const std::string& fallback)
{
    const QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError || !settings.contains(QLatin1String(key)))
        return fallback;
    return settings.value(QLatin1String(key)).toString().toStdString();
}

bool WriteSettingTexts(const std::string& path, const std::vector<std::pair<const char*, std::string>>& values)
{
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    for (const auto& [key, text] : values)
        settings.setValue(QLatin1String(key), QString::fromStdString(text));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace telvar
