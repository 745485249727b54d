// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics pane of the Scope view: the figures of channel A, channel
// B and the evaluation value over the last samples, all since a reset, or
// the range the chart shows; a histogram of one channel with its limits
// and reference; the figures copied as text or exported as CSV. It follows
// the chart five times a second while it is shown.
#pragma once

#include "platform/userint.h"

#include <string>

namespace telvar {

inline constexpr double STATS_REFRESH_S = 0.2;

void setup_statistics_pane();
// The Scope view shows the pane while its switch is on; other views hide it.
void show_statistics_pane(bool scope_view);
// The figures and the histogram as the samples are now.
void refresh_statistics();
// The report's sections: the figures while the pane shows them, and the
// last gauge study; "" for neither.
std::string statistics_report_appendix();

CtrlCallback CC_CHK_STATISTICS;
CtrlCallback CC_STATS_WINDOW;
CtrlCallback CC_STATS_COUNT;
CtrlCallback CC_STATS_RESET;
CtrlCallback CC_STATS_CHANNEL;
CtrlCallback CC_STATS_COPY;
CtrlCallback CC_STATS_EXPORT;
CtrlCallback CC_STATS_GAUGE;

}  // namespace telvar
