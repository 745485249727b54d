// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sample_ticker.h"

#include <algorithm>
#include <cmath>

namespace telvar::detail {

double SampleTicker::getTickStep(const QCPRange& range)
{
    return std::max(1.0, QCPAxisTicker::getTickStep(range));
}

QVector<double> SampleTicker::createTickVector(double tickStep, const QCPRange& range)
{
    const auto offset = static_cast<double>(offset_);
    QVector<double> ticks = QCPAxisTicker::createTickVector(tickStep, QCPRange(range.lower + offset, range.upper + offset));
    for (double& tick : ticks)
        tick -= offset;
    return ticks;
}

QString SampleTicker::getTickLabel(double tick, const QLocale&, QChar, int)
{
    return QString::number(std::llround(tick + static_cast<double>(offset_)));
}

}  // namespace telvar::detail
