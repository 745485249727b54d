// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an ini document the way the parameter file is read: a leading UTF-8
// byte-order mark skipped, lines ended by CR LF, LF or CR, of which only the
// first 255 characters count; comments,
// section lines and "key = value" items; look-ups that ignore case and the
// white space around names; strict decimal integers.
#pragma once

#include "storage/ini_text.h"

#include <string_view>

namespace telvar {

inline constexpr std::size_t INI_LINE_CHARS = 255;

// The sections and items of the bytes, in file order; duplicates are kept.
IniText read_ini(std::string_view bytes);

enum class IniLookup { Found, NotFound, Error };

// The integer under section and key: the first matching section and, within
// it, the first matching key count. A missing or blank value is not found; a
// value that is not a decimal integer within 32 bits is an error.
IniLookup ini_get_int(const IniText& ini, std::string_view section, std::string_view key, long* value);

// The strict integer rule on its own: optional white space, at most one sign,
// at least one digit, optional trailing white space, nothing else.
IniLookup parse_ini_int(std::string_view text, long* value);

}  // namespace telvar
