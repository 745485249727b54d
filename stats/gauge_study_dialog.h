// SPDX-License-Identifier: GPL-3.0-or-later
// The gauge study's dialog: a reference part under the sensor, its value
// and the tolerance (from the record's reference and limits at first), and
// the next live samples of RUN as the readings; RUN starts for them if it
// is not running and stops again when they are taken. The result, a run
// chart of the readings, and the last study for the report.
#pragma once

#include "platform/userint.h"
#include "stats/report_sections.h"

#include <optional>

namespace telvar {

inline constexpr double GAUGE_LOOK_S = 0.1;

// Opened from the statistics pane, on the channel its histogram shows.
void open_gauge_study(int channel);
// The last study made since the program started.
const std::optional<GaugeStudyRecord>& last_gauge_study();

CtrlCallback CC_GAUGE_CHANNEL;
CtrlCallback CC_GAUGE_START;
CtrlCallback CC_GAUGE_CLOSE;
PanelCallback CC_PANEL_GAUGE;

}  // namespace telvar
