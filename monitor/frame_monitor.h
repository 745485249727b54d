// SPDX-License-Identifier: GPL-3.0-or-later
// The frame monitor: a window for service engineers that lists every request
// and answer of the exchange, with retries, time-outs and wrong sync words
// marked. It watches the exchange only while it is open and not paused.
#pragma once

#include "platform/userint.h"

namespace telvar {

// Fills the order-code filter; once, after the panels are loaded.
void setup_frame_monitor();

CtrlCallback CC_CMD_MONITOR;
CtrlCallback CC_MONITOR_FILTER;
CtrlCallback CC_MONITOR_PAUSE;
CtrlCallback CC_MONITOR_COPY;
CtrlCallback CC_MONITOR_SAVE;
CtrlCallback CC_MONITOR_CLEAR;
PanelCallback CC_PANEL_MONITOR;

}  // namespace telvar
