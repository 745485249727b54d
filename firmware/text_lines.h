// SPDX-License-Identifier: GPL-3.0-or-later
// A text file's lines: ended by CR LF, LF or CR, the ends not kept.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace telvar {

std::vector<std::string> split_lines(std::string_view text);

}  // namespace telvar
