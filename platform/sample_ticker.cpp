// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sample_ticker.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace telvar::detail {

namespace {

// Round steps of the time of day, in seconds.
constexpr double kTimeSteps[] = {0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1,  0.2,  0.5,   1,     2,     5,    10,
                                 15,    30,    60,    120,  300,  600,  900,  1800, 3600, 7200, 10800, 21600, 43200};
constexpr double kDay = 86400;

double time_step(double wanted)
{
    const double* step = std::lower_bound(std::begin(kTimeSteps), std::end(kTimeSteps), wanted);
    return step != std::end(kTimeSteps) ? *step : kDay * std::ceil(wanted / kDay);
}

}  // namespace

double SampleTicker::getTickStep(const QCPRange& range)
{
    return std::max(1.0, QCPAxisTicker::getTickStep(range));
}

int SampleTicker::getSubTickCount(double tickStep)
{
    // Time ticks lie at uneven distances: marks between them would read as time.
    return samples_ ? 0 : QCPAxisTicker::getSubTickCount(tickStep);
}

QVector<double> SampleTicker::createTickVector(double tickStep, const QCPRange& range)
{
    if (samples_)
        return time_ticks(range);
    const auto offset = static_cast<double>(offset_);
    QVector<double> ticks = QCPAxisTicker::createTickVector(tickStep, QCPRange(range.lower + offset, range.upper + offset));
    for (double& tick : ticks)
        tick -= offset;
    return ticks;
}

QString SampleTicker::getTickLabel(double tick, const QLocale&, QChar, int)
{
    const long long number = std::llround(tick + static_cast<double>(offset_));
    if (!samples_)
        return QString::number(number);
    if (number < samples_->first() || number >= samples_->end())
        return {};
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(std::llround(samples_->time(number) * 1000));
    const char* format = time_step_ >= 60 ? "HH:mm" : time_step_ >= 1 ? "HH:mm:ss" : "HH:mm:ss.zzz";
    return at.toString(QLatin1String(format));
}

// Round times of day in the samples shown, each at the first sample taken at
// it or later. After a break several round times fall on one sample; ticks
// closer than half their spacing are left out, so that labels do not overlap.
QVector<double> SampleTicker::time_ticks(const QCPRange& range)
{
    QVector<double> ticks;
    const auto offset = static_cast<double>(offset_);
    const long long low = std::max(samples_->first(), static_cast<long long>(std::ceil(range.lower + offset)));
    const long long high = std::min(samples_->end() - 1, static_cast<long long>(std::floor(range.upper + offset)));
    if (low > high)
        return ticks;
    const double begin = samples_->time(low);
    const double end = samples_->time(high);
    const int count = std::max(1, tickCount());
    time_step_ = time_step((end - begin) / count);
    // Round in local time, whose offset from UTC need not be whole hours.
    const double local = QDateTime::fromMSecsSinceEpoch(std::llround(begin * 1000)).offsetFromUtc();
    const double spacing = range.size() / (2.0 * count);
    for (double at = std::ceil((begin + local) / time_step_) * time_step_ - local; at <= end; at += time_step_) {
        const double x = static_cast<double>(samples_->first_from(at)) - offset;
        if (ticks.isEmpty() || x - ticks.back() >= spacing)
            ticks.append(x);
    }
    if (ticks.isEmpty())
        ticks.append(static_cast<double>(low) - offset);
    return ticks;
}

}  // namespace telvar::detail
