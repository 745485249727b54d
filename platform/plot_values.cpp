// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/plot_values.h"

#include "platform/graph.h"

#include <cstddef>

namespace telvar::detail {

namespace {

template <typename T>
void read_typed(const void* array, int start, int count, int skip, std::vector<double>* out)
{
    const T* values = static_cast<const T*>(array);
    const std::ptrdiff_t step = std::ptrdiff_t{skip} + 1;
    for (std::ptrdiff_t k = 0; k < count; ++k)
        out->push_back(static_cast<double>(values[start + k * step]));
}

}  // namespace

bool is_plot_data_type(int type)
{
    return type == VAL_DOUBLE || type == VAL_UNSIGNED_SHORT_INTEGER;
}

void read_values(const void* array, int type, int start, int count, int skip, std::vector<double>* out)
{
    if (type == VAL_DOUBLE)
        read_typed<double>(array, start, count, skip, out);
    else if (type == VAL_UNSIGNED_SHORT_INTEGER)
        read_typed<unsigned short>(array, start, count, skip, out);
}

}  // namespace telvar::detail
