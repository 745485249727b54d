// SPDX-License-Identifier: GPL-3.0-or-later
// Small settings files of the operator's choices (key=value in an ini file),
// each written whole or not at all.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace telvar {

// The value under `key`, or `fallback` when the file or key is missing or unreadable.
bool ReadSettingFlag(const std::string& path, const char* key, bool fallback);
// True when the value is stored.
bool WriteSettingFlag(const std::string& path, const char* key, bool value);
// The text under `key`, or `fallback` when the file or key is missing or unreadable.
std::string ReadSettingText(const std::string& path, const char* key, const std::string& fallback);
// Stores every key with its text in one write; true when they are stored.
bool WriteSettingTexts(const std::string& path, const std::vector<std::pair<const char*, std::string>>& values);

}  // namespace telvar
