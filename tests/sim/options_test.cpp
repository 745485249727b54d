// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/options.h"

#include <gtest/gtest.h>

#include "link/orders.h"

namespace telvar::sim {
namespace {

using namespace std::chrono_literals;

ParsedOptions parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("telvar-k20-sim"));
    return parse_options(arguments);
}

TEST(OptionsTest, EveryFaultOption)
{
    const ParsedOptions parsed = parse(
        {"--silent", "--silent-every", "4", "--silent-codes", "5,0x0d", "--wrong-sync", "--short-answer",
         "--split-answer", "30", "--delay", "250", "--garbage", "3", "--close-after", "7", "--nak-codes", "6",
         "--no-prompt", "--no-start-message"});
    ASSERT_EQ(parsed.outcome, ParsedOptions::Outcome::run) << qPrintable(parsed.text);
    const FaultOptions& f = parsed.options.faults;
    EXPECT_TRUE(f.silent && f.wrong_sync && f.short_answer && f.no_prompt && f.no_start_message);
    EXPECT_EQ(f.silent_every, 4);
    EXPECT_EQ(f.silent_codes, (std::set<int>{5, 13}));
    EXPECT_EQ(f.split_pause, 30ms);
    EXPECT_EQ(f.delay, 250ms);
    EXPECT_EQ(f.garbage, 3);
    EXPECT_EQ(f.close_after, 7);
    EXPECT_EQ(f.refused_codes, std::set<int>{6});

    EXPECT_EQ(parse({}).options.tcp_port, quint16(DEFAULT_TCP_PORT)) << "TCP on the default port without a line";
    const FaultOptions none = parse({}).options.faults;
    EXPECT_FALSE(none.silent || none.wrong_sync || none.short_answer || none.split_pause || none.no_prompt);
}

TEST(OptionsTest, BadValuesAreErrors)
{
    for (const QStringList& arguments :
         {QStringList{"--tcp", "70000"}, {"--silent-every", "0"}, {"--silent-codes", "5,,8"},
          {"--nak-codes", "0x10000"}, {"--delay", "-1"}, {"--bogus"}, {"--tcp"}, {"stray"}}) {
        const ParsedOptions parsed = parse(arguments);
        EXPECT_EQ(parsed.outcome, ParsedOptions::Outcome::error) << qPrintable(arguments.join(' '));
        EXPECT_FALSE(parsed.text.isEmpty());
    }
}

TEST(OptionsTest, HelpNamesEveryOption)
{
    const ParsedOptions parsed = parse({"--help"});
    ASSERT_EQ(parsed.outcome, ParsedOptions::Outcome::help);
    for (const char* name : {"tcp", "pty", "device", "baud-pacing", "eeprom", "image-out", "noise", "silent",
                             "silent-every", "silent-codes", "wrong-sync", "short-answer", "split-answer", "delay",
                             "garbage", "close-after", "nak-codes", "no-prompt", "no-start-message"})
        EXPECT_TRUE(parsed.text.contains(QStringLiteral("--") + QLatin1String(name) + QLatin1Char(' '))) << name;
}

}  // namespace
}  // namespace telvar::sim
