// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart_picture.h"

#include "platform/chart.h"
#include "platform/translation.h"

#include <qcustomplot.h>

#include <algorithm>
#include <vector>

namespace telvar::detail {

namespace {

// Titles for axes the panel file left without one.
QString x_title()
{
    return QString::fromUtf8(tr_text("Chart", "Sample"));
}
QString y_title()
{
    return QString::fromUtf8(tr_text("Chart", "Value"));
}
// About the width a legend entry takes, in pixels.
constexpr int kLegendEntryWidth = 170;
// The parts' rows take their own height; the plot takes the rest.
constexpr double kPartStretch = 0.001;

// Adds the picture's parts to the plot and takes them away again.
class Dressing {
public:
    explicit Dressing(Chart& chart) : plot_(chart.plot()), x_title_(plot_->xAxis->label()), y_title_(plot_->yAxis->label())
    {
        if (x_title_.isEmpty())
            plot_->xAxis->setLabel(x_title());
        if (y_title_.isEmpty())
            plot_->yAxis->setLabel(y_title());
        QFont bold = plot_->font();
        bold.setBold(true);
        const QString times = chart.shown_times();
        add_text(plot_->accessibleName() + (times.isEmpty() ? QString() : QStringLiteral(", ") + times), bold);
        if (!chart.picture_note().isEmpty())
            add_text(chart.picture_note(), plot_->font());
        add_legend();
    }
    ~Dressing()
    {
        for (QCPLayoutElement* element : added_)
            plot_->plotLayout()->remove(element);
        plot_->plotLayout()->simplify();
        plot_->xAxis->setLabel(x_title_);
        plot_->yAxis->setLabel(y_title_);
    }
    Dressing(const Dressing&) = delete;
    Dressing& operator=(const Dressing&) = delete;

    // The height the parts take, so that the plot keeps its own.
    int added_height() const
    {
        int height = 0;
        for (const QCPLayoutElement* element : added_)
            height += element->minimumOuterSizeHint().height();
        return height;
    }

private:
    // Above the plot, under what is there already.
    void add_text(const QString& text, const QFont& font)
    {
        const int row = static_cast<int>(added_.size());
        plot_->plotLayout()->insertRow(row);
        auto* element = new QCPTextElement(plot_, text, font);
        plot_->plotLayout()->addElement(row, 0, element);
        plot_->plotLayout()->setRowStretchFactor(row, kPartStretch);
        added_.push_back(element);
    }

    void add_legend()
    {
        auto* legend = new QCPLegend;
        const int row = plot_->plotLayout()->rowCount();
        plot_->plotLayout()->addElement(row, 0, legend);
        plot_->plotLayout()->setRowStretchFactor(row, kPartStretch);
        legend->setLayer(QStringLiteral("legend"));
        legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
        legend->setWrap(std::max(1, plot_->width() / kLegendEntryWidth));
        for (int k = 0; k < plot_->plottableCount(); ++k) {
            QCPAbstractPlottable* line = plot_->plottable(k);
            if (line->visible() && !line->name().isEmpty())
                line->addToLegend(legend);
        }
        added_.push_back(legend);
    }

    QCustomPlot* plot_;
    QString x_title_;
    QString y_title_;
    std::vector<QCPLayoutElement*> added_;
};

}  // namespace

bool save_chart_picture(Chart& chart, const QString& path, bool pdf)
{
    const Dressing dressing(chart);
    QCustomPlot* plot = chart.plot();
    const int height = plot->height() + dressing.added_height();
    return pdf ? plot->savePdf(path, plot->width(), height) : plot->savePng(path, plot->width(), height);
}

}  // namespace telvar::detail
