// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart: traces that scroll, fed interleaved points. It draws
// samples the program keeps (platform/strip_samples.h) and holds none of
// its own: the screen of the newest points, which it follows, and the
// samples kept with their times, which the operator looks back over by
// moving the x axis, or follows at a width of his own. Internal to the
// platform layer.
#pragma once

#include "platform/chart.h"
#include "platform/line_look.h"
#include "platform/sample_ticker.h"
#include "platform/strip_samples.h"
#include "platform/strip_screen.h"

#include <QTimer>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QCPGraph;
class QPushButton;

namespace telvar::detail {

class ChartGaps;

class StripChart : public Chart {
    Q_OBJECT
public:
    explicit StripChart(QCustomPlot* plot);

    int traces() const { return static_cast<int>(traces_.size()); }
    int points_per_screen() const { return screen_.points(); }

    // The samples drawn from now on, given as many traces as the chart has;
    // nullptr for none.
    void set_samples(StripSamples* samples);
    int set_traces(int count);
    int set_points_per_screen(int points);
    // Every sample of the call into the samples; refused without them.
    int append(const void* array, int type, int start, int count, int skip);
    // When the samples of the next append were taken, in seconds since the
    // epoch; without it, when the append is made.
    void set_sample_time(double seconds) { sample_time_ = seconds; }
    // The record breaks after the newest sample.
    void mark_gap();

    bool refresh_now() const { return refresh_now_; }
    void set_refresh_now(bool now) { refresh_now_ = now; }

    void clear();
    int set_scaling(int axis, int mode, double min, double max) override;

    int set_trace(int trace, int attribute, int value);
    // The name in saved data and the legend; the legend's alone, in the window's language.
    int set_trace_name(int trace, const char* name);
    int set_trace_shown_name(int trace, const char* name);
    int get_trace(int trace, int attribute, int* value) const;

    // Keeps the newest sample at the right edge: at the screen's own width
    // the screen itself, else at the width the operator chose.
    void follow();

    // The samples [from, to) in the x range shown, of those kept.
    std::pair<long long, long long> shown_samples() const;
    // The samples kept, numbered as they are; they move left as new ones come.
    std::optional<SampleSpan> cursor_span() const override;
    bool follows_newest() const override { return home() || pinned_; }
    double x_of(long long sample) const override { return static_cast<double>(sample - x_offset()); }
    long long sample_at(double x) const override { return std::llround(x) + x_offset(); }
    QCPLayer* cursor_layer() const override { return lines_; }

    // Every trace, hidden ones too, so that a file always has the same columns.
    std::string csv() const override;
    QString shown_times() const override;

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
    void show_kept();
    void show_screen_width();
    bool home() const { return !x_moved(); }
    bool has_samples() const { return samples_ && samples_->end() > samples_->first(); }
    long long samples_end() const { return samples_ ? samples_->end() : 0; }
    // The number of the first sample on the screen.
    long long screen_first() const;
    // The number of the sample at x = 0.
    long long x_offset() const;
    // The axis coordinate of the newest sample.
    double newest_x() const { return static_cast<double>(samples_end() - 1 - x_offset()); }
    // Where the view may go off the screen: over the samples kept, and at
    // least a screen wide.
    QCPRange kept_x() const;
    bool screen_width(const QCPRange& range) const;
    // Within a few pixels of the newest sample: the operator meant it.
    bool at_newest(const QCPRange& range) const;
    // The view's width, its right edge on the newest sample.
    void pin();
    void show_off_screen();
    void place_follow_button();
    // At once, or when the program next waits, as the program asked.
    void redraw_new_points();
    void redraw_deferred();

    QCPLayer* lines_;
    ChartGaps* gaps_;
    StripSamples* samples_ = nullptr;
    StripScreen screen_;
    QSharedPointer<SampleTicker> ticker_;
    QPushButton* follow_button_;  // shown while looking back
    QString file_x_label_;
    bool time_label_ = false;  // the x axis tells the time of day, off the screen
    QString screen_description_;
    std::optional<double> sample_time_;
    long long offset_ = 0;  // off the screen, x is the sample number less this
    bool pinned_ = false;   // off the screen, following the newest sample
    bool dragging_ = false;
    bool follow_on_release_ = false;  // a drag reached the newest sample at the screen's width
    bool refresh_now_ = true;
    bool redraw_due_ = false;
    QTimer redraw_latest_;
    std::vector<Trace> traces_;
    std::vector<double> values_;  // the values of one call or one trace, kept to spare an allocation each time
    std::vector<StripPoint> kept_points_;
};

}  // namespace telvar::detail
