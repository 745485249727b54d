// SPDX-License-Identifier: GPL-3.0-or-later
// How many rounds the crash tests run, and the random moments they pick.
// CI runs a few; TELVAR_CRASH_ROUNDS=100 is the long mode (100 kills per
// file, 20 cuts of a download). Every test prints its replay number: with
// TELVAR_CRASH_REPLAY set to it, the same moments come again.
#pragma once

#include <random>
#include <string>

namespace telvar::test::crash {

int kills_per_file();  // TELVAR_CRASH_ROUNDS, 10 when unset
int download_cuts();   // a fifth of that, at least 3

class Moments {
public:
    explicit Moments(const std::string& test);
    // Seconds, evenly between the two.
    double between(double from, double to);

private:
    unsigned replay_;
    std::mt19937 numbers_;
};

}  // namespace telvar::test::crash
