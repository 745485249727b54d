// SPDX-License-Identifier: GPL-3.0-or-later
// Text put into the HTML of a report.
#pragma once

#include <string>
#include <string_view>

namespace telvar {

// Markup characters as references, control characters as blanks; UTF-8 as it is.
std::string html_escaped(std::string_view text);

}  // namespace telvar
