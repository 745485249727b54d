// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics and the gauge study as sections of the parameter report,
// in the report's HTML, each on a page of its own.
#pragma once

#include "stats/figures_export.h"
#include "stats/gauge_study.h"

#include <string>
#include <vector>

namespace telvar {

// A gauge study as it was made: what the operator gave and what it found.
struct GaugeStudyRecord {
    std::string channel;  // the channel's label, in English as STAT_CHANNELS has it
    double reference = 0;
    double tolerance = 0;
    std::vector<double> readings;
    GaugeStudy result;
};

// In the window's words, as the report is: `window` too.
std::string statistics_report_html(const ChannelFigures& figures, const std::string& window);
std::string gauge_study_report_html(const GaugeStudyRecord& study);
// "Cg 1.52, Cgk 1.41: capable", or why not, in the window's words.
std::string gauge_study_verdict(const GaugeStudy& study);

}  // namespace telvar
