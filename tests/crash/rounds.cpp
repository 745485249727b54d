// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/rounds.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdio>

namespace telvar::test::crash {

namespace {

constexpr int kCiKills = 10;
constexpr int kKillsPerCut = 5;
constexpr int kLeastCuts = 3;

int environment_number(const char* name, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : otherwise;
}

}  // namespace

int kills_per_file()
{
    return environment_number("TELVAR_CRASH_ROUNDS", kCiKills);
}

int download_cuts()
{
    return std::max(kLeastCuts, kills_per_file() / kKillsPerCut);
}

Moments::Moments(const std::string& test)
    : replay_(static_cast<unsigned>(environment_number("TELVAR_CRASH_REPLAY", static_cast<int>(std::random_device{}() >> 1)))),
      numbers_(replay_)
{
    std::printf("%s: replay number %u (TELVAR_CRASH_REPLAY=%u replays its moments)\n", test.c_str(), replay_, replay_);
    std::fflush(stdout);
}

double Moments::between(double from, double to)
{
    return std::uniform_real_distribution<double>(from, to)(numbers_);
}

}  // namespace telvar::test::crash
