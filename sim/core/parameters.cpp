// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/parameters.h"

#include <algorithm>

namespace telvar::sim {

namespace {

int block_offset(int number)
{
    return (number - 1) * frame::kWords;
}

frame::Words channel_block(int number, int reference, int tolerance, int trigger)
{
    frame::Words block{};
    block[0] = static_cast<std::uint16_t>(number);
    block[channel_word::kDecayTime] = 100;
    block[2] = 0xFFFF;  // maximum acquisition on every sample
    block[channel_word::kPretrigger] = 32;
    block[5] = 50;  // laser power
    block[channel_word::kReference] = static_cast<std::uint16_t>(reference);
    block[channel_word::kLowTolerance] = static_cast<std::uint16_t>(tolerance);
    block[channel_word::kHighTolerance] = static_cast<std::uint16_t>(tolerance);
    block[9] = 1;  // averaging
    block[channel_word::kTriggerHysteresis] = 20;
    block[channel_word::kTriggerLevel] = static_cast<std::uint16_t>(trigger);
    block[channel_word::kDataMode] = 1;  // normalised
    block[15] = 0xFFFF;  // result valid on every sample
    return block;
}

frame::Words common_block()
{
    frame::Words block{};
    block[0] = 3;
    block[1] = 1;  // evaluation mode
    block[kOwnWordIndex - kCommonOffset] = kOwnWordValue;
    block[3] = 2;  // scan frequency
    block[5] = 1;  // evaluation averaging
    block[kEvaluationReference - kCommonOffset] = 2048;
    block[kEvaluationLowTolerance - kCommonOffset] = 200;
    block[kEvaluationHighTolerance - kCommonOffset] = 200;
    return block;
}

}  // namespace

frame::Words ParameterSet::block(int number) const
{
    frame::Words block{};
    std::copy_n(words.begin() + block_offset(number), frame::kWords, block.begin());
    return block;
}

void ParameterSet::store_block(int number, const frame::Words& block)
{
    std::copy(block.begin(), block.end(), words.begin() + block_offset(number));
    words[block_offset(number)] = static_cast<std::uint16_t>(number);
    words[kOwnWordIndex] = kOwnWordValue;
}

ParameterSet factory_parameters()
{
    ParameterSet set;
    set.store_block(1, channel_block(1, 2048, 300, 2300));
    set.store_block(2, channel_block(2, 2048, 250, 1900));
    set.store_block(3, common_block());
    return set;
}

}  // namespace telvar::sim
