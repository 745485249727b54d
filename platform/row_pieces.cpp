// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/row_pieces.h"

namespace telvar {

namespace {

// Where the row starting at `at` ends, its line feed included.
std::size_t row_end(std::string_view rows, std::size_t at)
{
    const std::size_t feed = rows.find('\n', at);
    return feed == std::string_view::npos ? rows.size() : feed + 1;
}

}  // namespace

std::vector<std::string_view> row_pieces(std::string_view rows, std::size_t offset)
{
    std::vector<std::string_view> pieces;
    std::size_t at = 0;
    while (at < rows.size()) {
        const std::size_t to_page_end = FILE_PAGE_SIZE - (offset + at) % FILE_PAGE_SIZE;
        std::size_t end = row_end(rows, at);  // one row at least, even one that crosses the page end
        while (end < rows.size() && row_end(rows, end) - at <= to_page_end)
            end = row_end(rows, end);
        pieces.push_back(rows.substr(at, end - at));
        at = end;
    }
    return pieces;
}

}  // namespace telvar
