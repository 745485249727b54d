// SPDX-License-Identifier: GPL-3.0-or-later
// The values of the arrays handed to the plot functions, whatever their data
// type. Internal to the platform layer.
#pragma once

#include <vector>

namespace telvar::detail {

// Whether the plot functions take arrays of that data type.
bool is_plot_data_type(int type);

// Appends `count` values of the array to `out` as doubles: element `start`,
// then every (skip + 1)-th element after it.
void read_values(const void* array, int type, int start, int count, int skip, std::vector<double>* out);

}  // namespace telvar::detail
