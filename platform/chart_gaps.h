// SPDX-License-Identifier: GPL-3.0-or-later
// The marks where a strip chart's record breaks (a stop, a lost line, an
// answer held up): each a dotted grey line across the axes, labelled "gap"
// at its top where there is room. On the traces' layer, so that they move
// with the lines. Internal to the platform layer.
#pragma once

#include <qcustomplot.h>

#include <vector>

namespace telvar::detail {

class ChartGaps : public QCPLayerable {
public:
    ChartGaps(QCustomPlot* plot, QCPLayer* layer);

    // Where the marks stand, on the x axis.
    void set_places(std::vector<double> places) { places_ = std::move(places); }
    const std::vector<double>& places() const { return places_; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter*) const override {}
    QRect clipRect() const override;
    void draw(QCPPainter* painter) override;

private:
    std::vector<double> places_;
};

}  // namespace telvar::detail
