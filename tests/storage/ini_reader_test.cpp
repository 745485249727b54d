// SPDX-License-Identifier: GPL-3.0-or-later
// The reading rules of the ini reader, a group each.
#include "storage/ini_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace telvar {
namespace {

// The integer under section and key, or a mark of why there is none.
std::string lookup(const std::string& file, const char* section, const char* key)
{
    long value = 0;
    switch (ini_get_int(read_ini(file), section, key, &value)) {
    case IniLookup::Found: return std::to_string(value);
    case IniLookup::NotFound: return "not found";
    case IniLookup::Error: return "error";
    }
    return "?";
}

TEST(IniReader, EveryLineEndStyleEndsALine)
{
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const std::string file = std::string("[S]") + end + "a = 1" + end + "b = 2" + end;
        EXPECT_EQ(lookup(file, "S", "a"), "1") << end;
        EXPECT_EQ(lookup(file, "S", "b"), "2") << end;
    }
    EXPECT_EQ(lookup("[S]\n\n\r\n\ra = 3", "S", "a"), "3") << "empty lines of every kind, no final line end";
    EXPECT_EQ(lookup("[S]\r\r\na = 4\n\r", "S", "a"), "4");
}

TEST(IniReader, OnlyTheFirst255CharactersOfALineCount)
{
    const std::string pad(250, ' ');
    EXPECT_EQ(lookup("[S]\n" + pad + "a = 1234567", "S", "a"), "1") << "cut after 255 characters";
    EXPECT_EQ(lookup("[S]\n" + pad + "a=123\nb = 5", "S", "b"), "5") << "the rest of a long line is dropped";
    const std::string long_name(300, 'x');
    EXPECT_EQ(lookup("[" + long_name + "]\na = 1", long_name.c_str(), "a"), "not found");
}

TEST(IniReader, CommentsAndLinesWithoutItemsAreIgnored)
{
    const std::string file = "; [S]\n[S]\n  ; a = 1\nno equals sign\n = 5\nb =\nb = 6\n";
    EXPECT_EQ(lookup(file, "S", "a"), "not found");
    EXPECT_EQ(lookup(file, "S", "b"), "6") << "an empty value is no item";
}

TEST(IniReader, SectionLinesNeedTheirLastBracketAndAName)
{
    EXPECT_EQ(lookup("[ S ]  \na = 1", "S", "a"), "1");
    EXPECT_EQ(lookup("[S] x\na = 1", "S", "a"), "not found") << "text after the bracket";
    EXPECT_EQ(lookup("[a]b]\nk = 1", "a]b", "k"), "1") << "the last bracket counts";
    EXPECT_EQ(lookup("[S]\n[  ]\na = 1", "S", "a"), "1") << "a blank name keeps the section before";
    EXPECT_EQ(lookup("[S\na = 1", "S", "a"), "not found");
    EXPECT_EQ(lookup("a = 1\n[S]\n", "S", "a"), "not found") << "items before any section are dropped";
    EXPECT_EQ(lookup("\xEF\xBB\xBF[S]\r\na = 1", "S", "a"), "1") << "a byte-order mark before the first section line";
}

TEST(IniReader, QuotesAroundAValueAreRemoved)
{
    EXPECT_EQ(lookup("[S]\na = \"12\"", "S", "a"), "12");
    EXPECT_EQ(lookup("[S]\na = \" 12 \"", "S", "a"), "12");
    EXPECT_EQ(lookup("[S]\na = \"\"", "S", "a"), "not found") << "nothing left";
    EXPECT_EQ(lookup("[S]\na = \"12", "S", "a"), "error");
    EXPECT_EQ(lookup("[S]\na = \"", "S", "a"), "error") << "one character is no pair";
}

TEST(IniReader, LookUpsIgnoreCaseAndWhiteSpaceAndTakeTheFirstMatch)
{
    const std::string file = "[Channel A]\n  Decay Time Constant =\t7 \n decay time constant = 8\n"
                             "[CHANNEL A]\nPretrigger Value = 9\n";
    EXPECT_EQ(lookup(file, "CHANNEL A", "Decay Time Constant"), "7");
    EXPECT_EQ(lookup(file, " channel a ", " DECAY TIME CONSTANT "), "7");
    EXPECT_EQ(lookup(file, "CHANNEL A", "Pretrigger Value"), "not found") << "only the first matching section";
    EXPECT_EQ(lookup(file, "CHANNEL B", "Pretrigger Value"), "not found");
}

TEST(IniReader, IntegersAreStrictlyDecimal)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0"},          {"+5", "5"},           {"-5", "-5"},          {"  42  ", "42"},
        {"0x10", "error"},   {"12a", "error"},      {"1 2", "error"},      {"--1", "error"},
        {"+", "error"},      {"- 1", "error"},      {"1.0", "error"},      {"2147483647", "2147483647"},
        {"-2147483648", "-2147483648"}, {"2147483648", "error"}, {"-2147483649", "error"},
        {"99999999999999999999", "error"}, {"   ", "not found"}, {"", "not found"},
    };
    for (const auto& [text, expected] : cases) {
        long value = 0;
        const IniLookup result = parse_ini_int(text, &value);
        const std::string got = result == IniLookup::Found ? std::to_string(value)
                                : result == IniLookup::Error ? "error" : "not found";
        EXPECT_EQ(got, expected) << "'" << text << "'";
    }
}

TEST(IniWriter, PutReplacesAKeyInPlaceAndKeepsInsertionOrder)
{
    IniText ini;
    ini.put_int("B", "z", 1);
    ini.put_int("A", "y", 2);
    ini.put_int("B", "x", 3);
    ini.put_int("B", "z", -4);
    EXPECT_EQ(ini.text(), "[B]\r\nz = -4\r\nx = 3\r\n\r\n[A]\r\ny = 2\r\n\r\n");
}

}  // namespace
}  // namespace telvar
