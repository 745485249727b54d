// SPDX-License-Identifier: GPL-3.0-or-later
// How the rest of the platform reaches the graph controls: setting up the
// plot widgets of a panel file as it loads, and the strip chart's control
// attributes. Internal to the platform layer.
#pragma once

class QWidget;

namespace telvar::detail {

// Sets up every plot widget under `root` from its dynamic properties (see
// graph.h): 0, or UIE_BAD_FILE for a property the file gets wrong.
int set_up_plots(QWidget* root);

// ATTR_POINTS_PER_SCREEN and ATTR_NUM_TRACES.
bool is_chart_attribute(int attribute);
// 0, or UIE_BAD_ATTRIBUTE when the control is no strip chart or the value is out of range.
int set_chart_attribute(QWidget* control, int attribute, int value);
int get_chart_attribute(const QWidget* control, int attribute, int* value);

}  // namespace telvar::detail
