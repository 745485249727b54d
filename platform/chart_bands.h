// SPDX-License-Identifier: GPL-3.0-or-later
// The bands of a strip chart's dense traces, filled into one image and drawn
// at once, beneath the traces' lines. The painter fills a tall narrow column
// row by row, each row another line of memory; here the columns are filled
// in strips a few pixels wide, trace after trace, so that a strip's memory is
// at hand for all of them. Internal to the platform layer.
#pragma once

#include <QImage>
#include <qcustomplot.h>

namespace telvar::detail {

class ChartBands : public QCPLayerable {
public:
    // First on the layer, beneath the traces drawn there.
    ChartBands(QCustomPlot* plot, QCPLayer* layer);

protected:
    void applyDefaultAntialiasingHint(QCPPainter*) const override {}
    QRect clipRect() const override;
    void draw(QCPPainter* painter) override;

private:
    QImage image_;  // kept, so that a redraw takes no new memory
};

}  // namespace telvar::detail
