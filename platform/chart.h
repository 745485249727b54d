// SPDX-License-Identifier: GPL-3.0-or-later
// What the strip chart and the graph share: the chart a plot widget carries
// as a child object, its axis scaling, its redrawing and its legend.
// Internal to the platform layer.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QCPAbstractPlottable;
class QCPLayer;
class QCustomPlot;

namespace telvar::detail {

// The room around the legend, in pixels.
inline constexpr int kLegendMargin = 5;

class Chart : public QObject {
    Q_OBJECT
public:
    explicit Chart(QCustomPlot* plot);

    QCustomPlot* plot() const { return plot_; }
    virtual std::string csv() const = 0;

    virtual int set_scaling(int axis, int mode, double min, double max);

    // Draws the whole chart again, now or at the next pass of the event
    // loop. A hidden chart is drawn when it is shown.
    void redraw(bool now);

    // Draws the lines of a buffered layer again, now, and nothing else
    // unless the rest of the chart is due as well.
    void redraw_lines(QCPLayer* lines);

protected:
    bool eventFilter(QObject*, QEvent* event) override;

    // The legend lists the lines drawn that have a name, in their order.
    void list_in_legend(const std::vector<std::pair<QCPAbstractPlottable*, bool>>& lines);

    static QString text_of(const std::string& bytes);

private:
    void fit_legend();
    void rescale();

    QCustomPlot* plot_;
    bool x_auto_ = false;
    bool y_auto_ = false;
    bool whole_due_ = true;  // queued, or skipped while hidden
};

// The chart of that kind a plot widget carries; nullptr for none.
template <typename T>
T* chart_of(const QWidget* control)
{
    return control ? control->findChild<T*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

}  // namespace telvar::detail
