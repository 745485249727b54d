// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/row_pieces.h"

#include <gtest/gtest.h>

#include <string>

namespace telvar {
namespace {

std::string rows_of(int count, int length)
{
    std::string rows;
    for (int k = 0; k < count; ++k)
        rows += std::string(static_cast<std::size_t>(length) - 2, static_cast<char>('a' + k % 26)) + "\r\n";
    return rows;
}

// Pieces in order make up the rows; each ends after a whole row, and only a
// piece of one row reaches over a page end of the file.
void expect_pieces(const std::string& rows, std::size_t offset)
{
    std::string joined;
    std::size_t at = offset;
    for (std::string_view piece : row_pieces(rows, offset)) {
        ASSERT_FALSE(piece.empty());
        EXPECT_EQ(piece.back(), '\n') << "piece at " << at;
        const bool crosses = at / FILE_PAGE_SIZE != (at + piece.size() - 1) / FILE_PAGE_SIZE;
        if (crosses) {
            EXPECT_EQ(piece.find('\n'), piece.size() - 1) << "piece at " << at << " crosses a page end with more rows";
        }
        joined += piece;
        at += piece.size();
    }
    EXPECT_EQ(joined, rows);
}

TEST(RowPieces, StopAtPageEndsAndLeaveOnlyTheCrossingRowAlone)
{
    for (std::size_t offset : {std::size_t{0}, std::size_t{137}, FILE_PAGE_SIZE - 1, 3 * FILE_PAGE_SIZE + 50}) {
        SCOPED_TRACE(offset);
        expect_pieces(rows_of(500, 131), offset);
        expect_pieces(rows_of(3, 5000), offset);  // rows longer than a page
    }
    EXPECT_TRUE(row_pieces("", 10).empty());
}

TEST(RowPieces, ARowEndingOnAPageEndClosesThePiece)
{
    const std::string rows = rows_of(64, 128);  // 32 rows to a page
    const auto pieces = row_pieces(rows, 0);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].size(), FILE_PAGE_SIZE);
    EXPECT_EQ(pieces[1].size(), FILE_PAGE_SIZE);
}

}  // namespace
}  // namespace telvar
