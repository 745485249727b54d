// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder's waiting rows, cut into the pieces it writes one by one. A
// process killed during a write has the write cut short only where a page of
// the file ends, never inside one: pieces of whole rows that stop before the
// next page end leave the file ending after a whole row. Only the one row
// that crosses a page end, written alone, can still be cut.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace telvar {

inline constexpr std::size_t FILE_PAGE_SIZE = 4096;

// `rows`: whole rows, each ended by a line feed; `offset`: where in the file
// the first of them goes.
std::vector<std::string_view> row_pieces(std::string_view rows, std::size_t offset);

}  // namespace telvar
