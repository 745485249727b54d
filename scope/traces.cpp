// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/traces.h"

#include "params/record.h"

#include <algorithm>

namespace telvar {

int upper_limit(std::uint16_t reference, std::uint16_t tolerance)
{
    return std::min(reference + tolerance, LIMIT_MAX);
}

int lower_limit(std::uint16_t reference, std::uint16_t tolerance)
{
    return tolerance > reference ? 0 : reference - tolerance;
}

std::array<double, TRACES> sample_traces(const std::uint16_t* live, const std::uint16_t* record)
{
    const auto limits = [record](int block, double* trigger, double* upper, double* reference, double* lower) {
        if (trigger)
            *trigger = record[block + CH_TRIGGER_LEVEL];
        *upper = upper_limit(record[block + CH_REFERENCE], record[block + CH_HIGH_TOLERANCE]);
        *reference = record[block + CH_REFERENCE];
        *lower = lower_limit(record[block + CH_REFERENCE], record[block + CH_LOW_TOLERANCE]);
    };
    std::array<double, TRACES + 1> t{};  // indexed by trace number
    t[TRACE_A] = live[2];
    t[TRACE_B] = live[3];
    t[TRACE_EVAL] = live[1];
    limits(BLOCK_A, &t[TRACE_A_TRIGGER], &t[TRACE_A_UPPER], &t[TRACE_A_REFERENCE], &t[TRACE_A_LOWER]);
    limits(BLOCK_B, &t[TRACE_B_TRIGGER], &t[TRACE_B_UPPER], &t[TRACE_B_REFERENCE], &t[TRACE_B_LOWER]);
    // The evaluation's reference and tolerances lie in the common block at 44-46,
    // in the order reference, low, high, as a channel's lie at 6-8.
    limits(int{EVAL_REFERENCE} - int{CH_REFERENCE}, nullptr, &t[TRACE_EVAL_UPPER], &t[TRACE_EVAL_REFERENCE],
           &t[TRACE_EVAL_LOWER]);
    t[TRACE_A_SECOND] = live[4];
    t[TRACE_A_THIRD] = live[6];
    t[TRACE_B_SECOND] = live[5];
    t[TRACE_B_THIRD] = live[7];
    std::array<double, TRACES> traces;
    std::copy(t.begin() + 1, t.end(), traces.begin());
    return traces;
}

MemoryCurves memory_curves(const std::uint16_t* record, int block)
{
    MemoryCurves c;
    const std::uint16_t reference = record[block + CH_REFERENCE];
    c.trigger.fill(record[block + CH_TRIGGER_LEVEL]);
    c.upper.fill(static_cast<std::uint16_t>(upper_limit(reference, record[block + CH_HIGH_TOLERANCE])));
    c.reference.fill(reference);
    c.lower.fill(static_cast<std::uint16_t>(lower_limit(reference, record[block + CH_LOW_TOLERANCE])));
    // A pretrigger beyond the memory leaves the whole step at 0.
    const int step = std::min<int>(record[block + CH_PRETRIGGER], MEMORY_SAMPLES);
    for (int k = 0; k < MEMORY_SAMPLES; ++k)
        c.pretrigger[k] = k < step ? 0 : LIMIT_MAX;
    return c;
}

}  // namespace telvar
