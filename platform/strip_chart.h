// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart: traces that scroll, fed interleaved points. It draws a
// history of points kept apart from the widget. Internal to the platform layer.
#pragma once

#include "platform/chart.h"
#include "platform/line_look.h"
#include "platform/strip_history.h"

#include <string>
#include <vector>

class QCPGraph;

namespace telvar::detail {

class StripChart : public Chart {
    Q_OBJECT
public:
    explicit StripChart(QCustomPlot* plot);

    int traces() const { return history_.traces(); }
    int points_per_screen() const { return history_.points_per_screen(); }

    int set_traces(int count);
    int set_points_per_screen(int points);
    int append(const void* array, int type, int start, int count, int skip);

    bool refresh_now() const { return refresh_now_; }
    void set_refresh_now(bool now) { refresh_now_ = now; }

    void clear();
    int set_scaling(int axis, int mode, double min, double max) override;

    int set_trace(int trace, int attribute, int value);
    int set_trace_name(int trace, const char* name);
    int get_trace(int trace, int attribute, int* value) const;

    // Every trace, hidden ones too, so that a file always has the same columns.
    std::string csv() const override;

private:
    struct Trace {
        QCPGraph* graph;
        LineLook look;
        std::string name;
    };

    static QCPLayer* lines_layer(QCustomPlot* plot);
    void add_traces(int count);
    void restyle(Trace& trace);
    void update_legend();
    void show_points();
    void show_screen_width();

    QCPLayer* lines_;
    StripHistory history_;
    bool refresh_now_ = true;
    bool redraw_due_ = false;
    std::vector<Trace> traces_;
    std::vector<double> values_;  // the values of one call, kept to spare an allocation per call
};

}  // namespace telvar::detail
