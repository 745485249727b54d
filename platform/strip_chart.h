// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart: traces that scroll, fed interleaved points. It draws
// histories kept apart from the widget: the screen of the newest points,
// which it follows, and a ring of an hour of samples, which the operator
// looks back over by moving the x axis. Internal to the platform layer.
#pragma once

#include "platform/chart.h"
#include "platform/line_look.h"
#include "platform/sample_ticker.h"
#include "platform/strip_history.h"
#include "platform/strip_ring.h"

#include <string>
#include <vector>

class QCPGraph;
class QPushButton;

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

    // Back to the newest points, as the screen shows them.
    void follow();

    // Every trace, hidden ones too, so that a file always has the same columns.
    std::string csv() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void x_moved_by_operator(QCPRange now, QCPRange before, bool first) override;
    void x_returned() override;

private:
    struct Trace {
        QCPGraph* graph;
        LineLook look;
        std::string name;
    };

    static QCPLayer* lines_layer(QCustomPlot* plot);
    void add_traces(int count);
    void restyle(Trace& trace);
    void show_points();
    void show_ring();
    void show_screen_width();
    bool following() const { return !x_moved(); }
    // The axis coordinate of the newest sample while looking back.
    double newest_x() const;
    // Where the view may go while looking back: over the samples kept, and
    // at least a screen wide.
    QCPRange kept_x() const;
    void place_follow_button();

    QCPLayer* lines_;
    StripHistory history_;
    StripRing ring_;
    QSharedPointer<SampleTicker> ticker_;
    QPushButton* follow_button_;  // shown while looking back
    QString file_x_label_;
    QString following_description_;
    long long offset_ = 0;  // looking back, x is the sample number less this
    bool dragging_ = false;
    bool follow_on_release_ = false;  // a drag reached the newest sample
    bool refresh_now_ = true;
    bool redraw_due_ = false;
    std::vector<Trace> traces_;
    std::vector<double> values_;  // the values of one call, kept to spare an allocation per call
    std::vector<StripRing::Point> ring_points_;
};

}  // namespace telvar::detail
