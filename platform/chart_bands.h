// SPDX-License-Identifier: GPL-3.0-or-later
// The bands of a strip chart's dense traces, filled into one image and drawn
// at once, beneath the traces' lines. The painter would fill every band's
// tall narrow columns whole, trace over trace; here each pixel is written
// once, in the colour of the trace on top. Internal to the platform layer.
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
