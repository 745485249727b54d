// SPDX-License-Identifier: GPL-3.0-or-later
// What the strip chart and the graph share: the chart a plot widget carries
// as a child object, its axis scaling, its redrawing, and the view the
// operator moves with the mouse and the keys. Each axis has a default range,
// the program's; once the operator moves an axis it stays where the operator
// put it until the view is reset. Internal to the platform layer.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <qcustomplot.h>

#include <cmath>
#include <optional>
#include <string>

namespace telvar::detail {

// The first and the last sample a cursor may stand on.
struct SampleSpan {
    long long first;
    long long last;
};

class Chart : public QObject {
    Q_OBJECT
public:
    explicit Chart(QCustomPlot* plot);

    QCustomPlot* plot() const { return plot_; }
    virtual std::string csv() const = 0;
    // The times the samples shown were taken, as a saved picture tells them;
    // empty when the chart has no times.
    virtual QString shown_times() const { return {}; }

    // A line under a saved picture's title, e.g. where the data came from.
    const QString& picture_note() const { return picture_note_; }
    void set_picture_note(const QString& note) { picture_note_ = note; }

    // VAL_MANUAL makes min-max the axis' default range; VAL_AUTOSCALE makes
    // the lines drawn its default.
    virtual int set_scaling(int axis, int mode, double min, double max);

    // Draws the whole chart again, now or at the next pass of the event
    // loop. A hidden chart is drawn when it is shown.
    void redraw(bool now);

    // Draws the lines of a buffered layer again, now, and nothing else
    // unless the rest of the chart is due as well.
    void redraw_lines(QCPLayer* lines);

    // The samples a cursor may stand on; none while the chart draws none.
    virtual std::optional<SampleSpan> cursor_span() const = 0;
    // The view moves on with each new sample: cursors keep their places on it.
    virtual bool follows_newest() const { return false; }
    // Where a sample stands on the x axis, and the sample nearest an x.
    virtual double x_of(long long sample) const { return static_cast<double>(sample); }
    virtual long long sample_at(double x) const { return std::llround(x); }
    // The layer the cursors are drawn on: the one drawn again as samples come.
    virtual QCPLayer* cursor_layer() const { return plot_->layer(QStringLiteral("main")); }

    // Both axes back to their defaults.
    void reset_view();
    // The y axis over the lines drawn in the x range shown.
    void fit_y();

protected:
    bool eventFilter(QObject*, QEvent* event) override;

    bool x_moved() const { return x_.moved; }
    // The x axis' default range, shown unless the operator moved the axis.
    void set_x_home(const QCPRange& range);
    // The x axis back to its default.
    void return_x();
    // Shows that x range, as the operator's.
    void show_x(const QCPRange& range) { set_range(plot_->xAxis, range); }

    // The operator moved the x axis; `first` when it left its default. The
    // ranges are copies: the axis may be set again meanwhile.
    virtual void x_moved_by_operator(QCPRange /*now*/, QCPRange /*before*/, bool /*first*/) {}
    // The x axis is at its default again.
    virtual void x_returned() {}

    static QString text_of(const std::string& bytes);

private:
    struct AxisView {
        QCPAxis* axis;
        QCPRange home;
        bool autoscale = false;
        bool moved = false;  // by the operator
    };

    void watch_operator(AxisView& view);
    void show_home(AxisView& view);
    void set_range(QCPAxis* axis, const QCPRange& range);

    QCustomPlot* plot_;
    QString picture_note_;
    AxisView x_;
    AxisView y_;
    bool setting_range_ = false;  // the chart, not the operator, moves an axis
    bool whole_due_ = true;       // queued, or skipped while hidden
};

// The chart of that kind a plot widget carries; nullptr for none.
template <typename T>
T* chart_of(const QWidget* control)
{
    return control ? control->findChild<T*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

}  // namespace telvar::detail
