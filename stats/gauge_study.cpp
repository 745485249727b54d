// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/gauge_study.h"

#include "platform/translation.h"
#include "stats/figures.h"

#include <cmath>
#include <vector>

namespace telvar {

GaugeStudy compute_gauge_study(std::span<const double> readings, double reference, double tolerance)
{
    // The figures' own mean and spread, so that a study and the pane agree.
    std::vector<LimitedValue> values;
    values.reserve(readings.size());
    for (const double reading : readings)
        values.push_back({reading, 0, 0});
    const Figures figures = compute_figures(values);

    GaugeStudy study;
    study.n = figures.n;
    study.mean = figures.mean;
    study.s = figures.sigma;
    if (figures.n < 2)
        study.reason = TR_NOOP("GaugeStudy", "fewer than 2 readings");
    else if (*figures.sigma == 0)
        study.reason = TR_NOOP("GaugeStudy", "no spread: every reading is the same");
    if (!(tolerance > 0))
        study.reason +=
            std::string(study.reason.empty() ? "" : "; ") + TR_NOOP("GaugeStudy", "the tolerance is not above 0");
    if (!study.reason.empty())
        return study;
    const double s = *figures.sigma;
    const double cg = 0.2 * tolerance / (6 * s);
    const double cgk = (0.1 * tolerance - std::abs(*figures.mean - reference)) / (3 * s);
    if (!std::isfinite(cg) || !std::isfinite(cgk)) {
        study.reason = TR_NOOP("GaugeStudy", "no spread: every reading is the same");
        return study;
    }
    study.cg = cg;
    study.cgk = cgk;
    study.capable = cg >= GAUGE_CAPABLE && cgk >= GAUGE_CAPABLE;
    return study;
}

}  // namespace telvar
