// SPDX-License-Identifier: GPL-3.0-or-later
// What the mouse and the keys do to a chart's view, with QCustomPlot's own
// interactions: the wheel zooms along x (with Ctrl along y), a drag pans,
// Ctrl and a drag zoom to the rectangle drawn, a double click resets the
// view. With the plot focused (a click or Tab gives it the focus, and its
// axes show it) the arrow keys pan and + and - zoom along x (with Ctrl along
// y). Internal to the platform layer.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

class QCustomPlot;

namespace telvar::detail {

// Something the operator asks of a chart's view: its entry in the chart's
// menu and the keys that do it as well.
struct ViewAction {
    QString text;
    QList<QKeySequence> keys;
    std::function<void()> run;
};

// `reset` runs on a double click; each action runs on its keys. The plot's
// accessible description says how to move the view.
void add_view_gestures(QCustomPlot* plot, const std::vector<ViewAction>& actions, const std::function<void()>& reset);

}  // namespace telvar::detail
