// Small settings files of the operator's choices (key=value in an ini file),
// each written whole or not at all.
#pragma once

#include <string>

namespace telvar {

// The value under `key`, or `fallback` when the file or key is missing or unreadable.
bool ReadSettingFlag(const std::string& path, const char* key, bool fallback);
// True when the value is stored.
bool WriteSettingFlag(const std::string& path, const char* key, bool value);

}  // namespace telvar
