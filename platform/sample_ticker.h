// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart's x axis: ticks at round sample numbers, each labelled with
// its number, where the axis coordinate is the sample number less an offset.
// Internal to the platform layer.
#pragma once

#include <qcustomplot.h>

namespace telvar::detail {

class SampleTicker : public QCPAxisTicker {
public:
    void set_offset(long long offset) { offset_ = offset; }

protected:
    // No step finer than one sample.
    double getTickStep(const QCPRange& range) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override;

private:
    long long offset_ = 0;
};

}  // namespace telvar::detail
