// SPDX-License-Identifier: GPL-3.0-or-later
// How a parameter file and the controller's set differ, word by word over
// the 44 words the file stores.
#pragma once

#include "storage/parameter_keys.h"

#include <cstdint>
#include <string>
#include <vector>

namespace telvar::cli {

struct Difference {
    const ParameterKey* key;
    std::uint16_t file;
    std::uint16_t controller;
};

// The stored words in which the records differ, in the file's order.
std::vector<Difference> differences(const std::uint16_t* file, const std::uint16_t* controller);

// "[CHANNEL A] Reference Value: file 2048, controller 2100"
std::string difference_line(const Difference& difference);

}  // namespace telvar::cli
