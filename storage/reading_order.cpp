// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/reading_order.h"

#include "params/record.h"

#include <iterator>

namespace telvar {

namespace {

// By offset in a channel block: the first page down its columns, then the limits.
constexpr int kChannelPages[] = {
    CH_DATA_MODE,     CH_FILTER,        CH_DECAY,     CH_PRETRIGGER,     CH_AVERAGING,
    CH_VALID_MODE,    CH_MAX_MODE,      CH_RESET_MODE, CH_SNAPSHOT_MODE,
    CH_LASER_POWER,   CH_TRIGGER_LEVEL, CH_REFERENCE, CH_HIGH_TOLERANCE, CH_LOW_TOLERANCE,
};

constexpr int kEvaluationPages[] = {
    EVAL_MODE, EVAL_AVERAGING, SCAN_FREQUENCY, TEACH_MODE, EVAL_REFERENCE, EVAL_HIGH_TOLERANCE, EVAL_LOW_TOLERANCE,
};

std::vector<int> reading_order()
{
    std::vector<int> words;
    for (const int block : {BLOCK_A, BLOCK_B})
        for (const int offset : kChannelPages)
            words.push_back(block + offset);
    words.insert(words.end(), std::begin(kEvaluationPages), std::end(kEvaluationPages));
    words.push_back(ANALOG_OUTPUT_MODE);
    for (int output = 0; output < OUTPUTS; ++output) {
        words.push_back(output_mode_word(output));
        words.push_back(output_config_word(output));
    }
    return words;
}

}  // namespace

const std::vector<int>& words_in_reading_order()
{
    static const std::vector<int> words = reading_order();
    return words;
}

}  // namespace telvar
