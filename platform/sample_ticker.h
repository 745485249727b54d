// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart's x axis, where the axis coordinate is the sample number
// less an offset. On the screen of the newest points: ticks at round sample
// numbers, each labelled with its number. Over the samples kept: ticks at
// the first sample of round times of day, each labelled with that sample's
// own time, so that a label never names a moment no sample was taken at.
// Internal to the platform layer.
#pragma once

#include "platform/strip_samples.h"

#include <qcustomplot.h>

namespace telvar::detail {

class SampleTicker : public QCPAxisTicker {
public:
    void set_offset(long long offset) { offset_ = offset; }
    // The samples whose times label the axis; nullptr for sample numbers.
    void set_times(const StripSamples* samples) { samples_ = samples; }

protected:
    // No step finer than one sample.
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override;

private:
    QVector<double> time_ticks(const QCPRange& range);

    long long offset_ = 0;
    const StripSamples* samples_ = nullptr;
    double time_step_ = 1;  // seconds between the last time ticks made
};

}  // namespace telvar::detail
