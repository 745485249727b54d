// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/signal_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace telvar::sim {

namespace {

constexpr double kMaxValue = 4095;
constexpr double kMinSpan = 100;
constexpr double kSpanMargin = 1.3;  // how far beyond the widest limit the swing goes
constexpr double kCentreFollow = 0.05;
constexpr double kNoise = 8;
constexpr double kStepChance = 1.0 / 500;

std::uint16_t to_word(double value)
{
    return static_cast<std::uint16_t>(std::lround(std::clamp(value, 0.0, kMaxValue)));
}

// Half the swing: beyond the farthest of the limits seen from the reference.
double swing_span(double reference, double low_tolerance, double high_tolerance, double trigger)
{
    const double widest = std::max({low_tolerance, high_tolerance, std::abs(trigger - reference), kMinSpan});
    return std::min(widest * kSpanMargin, kMaxValue / 2);
}

double channel_span(const ParameterSet& ram, int offset)
{
    return swing_span(ram.words[offset + channel_word::kReference], ram.words[offset + channel_word::kLowTolerance],
                      ram.words[offset + channel_word::kHighTolerance],
                      ram.words[offset + channel_word::kTriggerLevel]);
}

double follow(double centre, double target)
{
    return centre + (target - centre) * kCentreFollow;
}

}  // namespace

SignalModel::SignalModel(std::uint32_t noise_start)
    : random_(noise_start), a_{kChannelAOffset, 400, 0}, b_{kChannelBOffset, 530, 2.0}
{
}

const Sample& SignalModel::step(const ParameterSet& ram)
{
    sample_.a = to_word(measure(a_, ram));
    sample_.b = to_word(measure(b_, ram));
    const double reference = ram.words[kEvaluationReference];
    evaluation_centre_ = evaluation_centre_ ? follow(*evaluation_centre_, reference) : reference;
    const double span =
        swing_span(reference, ram.words[kEvaluationLowTolerance], ram.words[kEvaluationHighTolerance], reference);
    sample_.evaluation = to_word(*evaluation_centre_ + span * (a_.deviation + b_.deviation) / 2);
    sample_.a_peak = to_word(a_.peak);
    sample_.b_peak = to_word(b_.peak);
    sample_.a_valley = to_word(a_.valley);
    sample_.b_valley = to_word(b_.valley);
    return sample_;
}

double SignalModel::measure(Channel& channel, const ParameterSet& ram)
{
    const double reference = ram.words[channel.offset + channel_word::kReference];
    const double span = channel_span(ram, channel.offset);
    channel.centre = channel.started ? follow(channel.centre, reference) : reference;
    channel.phase = std::fmod(channel.phase + 2 * std::numbers::pi / channel.period, 2 * std::numbers::pi);
    update_step(channel, span);

    std::normal_distribution<double> noise(0, kNoise);
    const double value = std::clamp(
        channel.centre + span * std::sin(channel.phase) + channel.step_offset + noise(random_), 0.0, kMaxValue);
    channel.deviation = (value - channel.centre) / span;

    const double decay = std::max<double>(1, ram.words[channel.offset + channel_word::kDecayTime]);
    channel.peak = channel.started ? std::max(value, channel.peak - (channel.peak - value) / decay) : value;
    channel.valley = channel.started ? std::min(value, channel.valley + (value - channel.valley) / decay) : value;
    channel.started = true;
    return value;
}

void SignalModel::update_step(Channel& channel, double span)
{
    if (channel.step_scans_left > 0) {
        --channel.step_scans_left;
        return;
    }
    channel.step_offset = 0;
    if (std::bernoulli_distribution(kStepChance)(random_)) {
        const bool up = std::bernoulli_distribution(0.5)(random_);
        channel.step_offset = (up ? 0.6 : -0.6) * span;
        channel.step_scans_left = std::uniform_int_distribution<int>(20, 120)(random_);
    }
}

}  // namespace telvar::sim
