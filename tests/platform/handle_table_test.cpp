// SPDX-License-Identifier: GPL-3.0-or-later
// The numbering of the platform's handles: a handle kept after its object
// went must never reach another one.
#include "platform/handle_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace telvar::detail {
namespace {

std::vector<std::pair<int, std::string>> contents(const HandleTable<std::string>& table)
{
    std::vector<std::pair<int, std::string>> all;
    for (const auto& [handle, object] : table)
        all.emplace_back(handle, object);
    return all;
}

TEST(HandleTable, HandlesCountFromOneAndAreNeverGivenTwice)
{
    HandleTable<std::string> table;
    EXPECT_EQ(table.add("a"), 1);
    EXPECT_EQ(table.add("b"), 2);
    table.remove(2);
    EXPECT_EQ(table.find(2), nullptr);
    EXPECT_EQ(table.add("c"), 3) << "the handle of a removed object stays used";
    table.clear();
    EXPECT_EQ(table.find(1), nullptr);
    EXPECT_EQ(table.add("d"), 4) << "nor does clearing the table free its handles";
}

TEST(HandleTable, FindsByHandleAndIteratesOldestFirst)
{
    HandleTable<std::string> table;
    table.add("first");
    table.add("second");
    table.add("third");
    table.remove(2);
    table.remove(7);  // unknown: nothing happens
    ASSERT_NE(table.find(3), nullptr);
    *table.find(3) = "changed";
    EXPECT_EQ(contents(table), (std::vector<std::pair<int, std::string>>{{1, "first"}, {3, "changed"}}));
    EXPECT_EQ(table.find(0), nullptr);
}

TEST(HandleTable, PutKeepsAnObjectUnderTheCallersNumberInPlaceOfTheOldOne)
{
    HandleTable<std::string> table;
    table.put(4, "old");
    table.put(4, "new");
    table.put(2, "two");
    EXPECT_EQ(contents(table), (std::vector<std::pair<int, std::string>>{{2, "two"}, {4, "new"}}));
}

}  // namespace
}  // namespace telvar::detail
