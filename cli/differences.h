// SPDX-License-Identifier: GPL-3.0-or-later
// How verify names a word in which the file and the controller's set differ.
#pragma once

#include "storage/set_differences.h"

#include <string>

namespace telvar::cli {

// "[CHANNEL A] Reference Value: file 2048, controller 2100"
std::string difference_line(const Difference& difference);

}  // namespace telvar::cli
