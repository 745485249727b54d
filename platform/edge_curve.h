// SPDX-License-Identifier: GPL-3.0-or-later
// A curve of the graph that can mark moments instead: its points taken as
// steps from 0, each value holding until the next point, and only the steps'
// edges drawn, each a vertical line labelled at its top end. For a marker whose
// flat parts would lie on the axes and read as the plot's border. A marker
// plays no part in scaling the axes. Internal to the platform layer.
#pragma once

#include <qcustomplot.h>

namespace telvar::detail {

class EdgeCurve : public QCPCurve {
public:
    using QCPCurve::QCPCurve;

    // Empty: drawn as a curve.
    const QString& edge_text() const { return edge_text_; }
    void set_edge_text(const QString& text) { edge_text_ = text; }

    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

protected:
    void draw(QCPPainter* painter) override;

private:
    QString edge_text_;
};

}  // namespace telvar::detail
