// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter file's items: section, key and record index of each of the
// 44 stored words, in the order the file holds them. Block numbers and the
// controller's own word are not stored.
#pragma once

#include <span>

namespace telvar {

inline constexpr const char* SECTION_CHANNEL_A = "CHANNEL A";
inline constexpr const char* SECTION_CHANNEL_B = "CHANNEL B";
inline constexpr const char* SECTION_COMMON = "COMMON SETTINGS";

struct ParameterKey {
    const char* section;
    const char* key;
    int index;
};

extern const std::span<const ParameterKey> PARAMETER_KEYS;

}  // namespace telvar
