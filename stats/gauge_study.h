// SPDX-License-Identifier: GPL-3.0-or-later
// A type-1 gauge study: repeated readings of one reference part of known
// value tell whether the sensor's own spread and bias are small enough for
// the tolerance it is to judge.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace telvar {

inline constexpr int GAUGE_READINGS_MIN = 25;
inline constexpr int GAUGE_READINGS_MAX = 100;
inline constexpr int GAUGE_READINGS_DEFAULT = 50;
// Both Cg and Cgk at least this: the gauge is capable.
inline constexpr double GAUGE_CAPABLE = 1.33;

struct GaugeStudy {
    long n = 0;
    std::optional<double> mean;  // n >= 1
    std::optional<double> s;     // standard deviation with n - 1; n >= 2
    std::optional<double> cg;    // 0.2·T / 6s
    std::optional<double> cgk;   // (0.1·T - |mean - reference|) / 3s
    bool capable = false;
    // Why Cg and Cgk have no value, in English (gauge_study_verdict shows it
    // in the window's words); empty when they have.
    std::string reason;
};

// `tolerance`: T, the width of the tolerance the sensor is to judge.
GaugeStudy compute_gauge_study(std::span<const double> readings, double reference, double tolerance);

}  // namespace telvar
