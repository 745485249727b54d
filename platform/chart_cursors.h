// SPDX-License-Identifier: GPL-3.0-or-later
// The two cursors of a chart and their readout (graph.h says what the
// operator does with them). While the chart follows its newest samples the
// cursors keep their places on it, so many samples before the newest, and
// read the samples passing under them, as a scope's cursors do; looking
// back they stay on their samples. Internal to the platform layer.
#pragma once

#include "platform/chart.h"
#include "platform/graph.h"

#include <QObject>

#include <array>

class QLabel;

namespace telvar::detail {

class ChartCursors : public QObject {
    Q_OBJECT
public:
    explicit ChartCursors(Chart* chart);

    int active() const { return active_; }
    void set_on(bool on);
    void set_text(CursorText text);
    // Asks for the readout's text again.
    void refresh();
    // Where the cursor's line stands on the x axis; NaN while it has none.
    double line_x(int cursor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // At a third and two thirds of the x range shown.
    void place();
    // The samples under the cursors as the chart now stands; false without samples.
    bool sync();
    void show_text();
    void move(int cursor, long long sample);
    bool key(int key, Qt::KeyboardModifiers modifiers);
    // The cursor whose line is within reach of the pointer; -1 for none.
    int grabbed(double pixel_x) const;
    void place_readout();

    Chart* chart_;
    QLabel* readout_;
    CursorText text_;
    std::array<long long, 2> at_{};    // the samples the cursors stand on
    std::array<long long, 2> back_{};  // following: how many samples before the newest
    bool placed_ = false;              // on samples
    bool on_ = false;
    int active_ = 0;
    int dragged_ = -1;
};

}  // namespace telvar::detail
