// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics pane as its benchmarks show it: the chart's history full
// of a process spread inside its limits, the pane over the last samples
// with the tab chosen in front.
#pragma once

class QWidget;

namespace telvar::bench {

enum class StatsTab { Figures = 0, Histogram = 1 };

// Fills the chart's history as far as it keeps samples (an hour), the
// sample numbers going on from `first`. Returns the next sample's number.
long long fill_history(long long first = 0);

// One sample pushed into the history, as a live answer would bring it.
void push_sample(long long number);

// Sets the pane's window to the last `count` samples and puts `tab` in
// front; the pane must have been set up. Throws when the tab widget is missing.
void choose_statistics(int count, StatsTab tab);

// The widget that shows `tab`'s drawing: the histogram or the table's viewport.
QWidget* drawn_widget(StatsTab tab);

}  // namespace telvar::bench
