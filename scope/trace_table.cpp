// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/trace_table.h"

#include "platform/looks.h"
#include "platform/translation.h"

namespace telvar {

namespace {

using enum TraceSwitch;

constexpr int A_DARK = 0x0040C0, A_LIGHT = 0x5C9DFF, A_VALUE = 0x0070FF;
constexpr int B_DARK = 0x007A00, B_LIGHT = 0x4CBF4C, B_VALUE = 0x00A800;
constexpr int E_DARK = 0x8A2BB0, E_LIGHT = 0xC38BDB, E_VALUE = 0xA030C8;

// Measured: the value solid, the second dashed, the third dotted. Thresholds:
// the trigger level dash-dot-dot, the upper limit dashed, the reference
// dash-dot, the lower limit dotted.
constexpr TraceLook kLooks[] = {
    {TRACE_A, TR_NOOP("Traces", "Channel A"), A_VALUE, VAL_SOLID, ChannelA, None},
    {TRACE_B, TR_NOOP("Traces", "Channel B"), B_VALUE, VAL_SOLID, ChannelB, None},
    {TRACE_EVAL, TR_NOOP("Traces", "Evaluation"), E_VALUE, VAL_SOLID, Evaluation, None},
    {TRACE_A_TRIGGER, TR_NOOP("Traces", "A trigger level"), A_DARK, VAL_DASH_DOT_DOT, ChannelA, Trigger},
    {TRACE_A_UPPER, TR_NOOP("Traces", "A upper limit"), A_LIGHT, VAL_DASH, ChannelA, Upper},
    {TRACE_A_REFERENCE, TR_NOOP("Traces", "A reference"), A_DARK, VAL_DASH_DOT, ChannelA, Reference},
    {TRACE_A_LOWER, TR_NOOP("Traces", "A lower limit"), A_LIGHT, VAL_DOT, ChannelA, Lower},
    {TRACE_B_TRIGGER, TR_NOOP("Traces", "B trigger level"), B_DARK, VAL_DASH_DOT_DOT, ChannelB, Trigger},
    {TRACE_B_UPPER, TR_NOOP("Traces", "B upper limit"), B_LIGHT, VAL_DASH, ChannelB, Upper},
    {TRACE_B_REFERENCE, TR_NOOP("Traces", "B reference"), B_DARK, VAL_DASH_DOT, ChannelB, Reference},
    {TRACE_B_LOWER, TR_NOOP("Traces", "B lower limit"), B_LIGHT, VAL_DOT, ChannelB, Lower},
    {TRACE_EVAL_UPPER, TR_NOOP("Traces", "Evaluation upper limit"), E_LIGHT, VAL_DASH, Evaluation, Upper},
    {TRACE_EVAL_REFERENCE, TR_NOOP("Traces", "Evaluation reference"), E_DARK, VAL_DASH_DOT, Evaluation, Reference},
    {TRACE_EVAL_LOWER, TR_NOOP("Traces", "Evaluation lower limit"), E_LIGHT, VAL_DOT, Evaluation, Lower},
    {TRACE_A_SECOND, TR_NOOP("Traces", "A second value"), A_LIGHT, VAL_DASH, ChannelA, Second},
    {TRACE_A_THIRD, TR_NOOP("Traces", "A third value"), A_DARK, VAL_DOT, ChannelA, Third},
    {TRACE_B_SECOND, TR_NOOP("Traces", "B second value"), B_LIGHT, VAL_DASH, ChannelB, Second},
    {TRACE_B_THIRD, TR_NOOP("Traces", "B third value"), B_DARK, VAL_DOT, ChannelB, Third},
};

constexpr CurveLook kCurves[] = {
    {TR_NOOP("Traces", "Channel A data"), VAL_BLUE, false, nullptr, ChannelA, ChannelA},
    {TR_NOOP("Traces", "Channel A trigger level"), VAL_BLUE, true, nullptr, ChannelA, Trigger},
    {TR_NOOP("Traces", "Channel A pretrigger"), VAL_BLUE, true, TR_NOOP("Traces", "trigger"), ChannelA, Trigger},
    {TR_NOOP("Traces", "Channel A upper limit"), VAL_GREEN, true, nullptr, ChannelA, Upper},
    {TR_NOOP("Traces", "Channel A reference"), VAL_BLACK, true, nullptr, ChannelA, Reference},
    {TR_NOOP("Traces", "Channel A lower limit"), VAL_GREEN, true, nullptr, ChannelA, Lower},
    {TR_NOOP("Traces", "Channel B data"), VAL_GREEN, false, nullptr, ChannelB, ChannelB},
    {TR_NOOP("Traces", "Channel B trigger level"), VAL_BLUE, true, nullptr, ChannelB, Trigger},
    {TR_NOOP("Traces", "Channel B pretrigger"), VAL_BLUE, true, TR_NOOP("Traces", "trigger"), ChannelB, Trigger},
    {TR_NOOP("Traces", "Channel B upper limit"), VAL_GREEN, true, nullptr, ChannelB, Upper},
    {TR_NOOP("Traces", "Channel B reference"), VAL_BLACK, true, nullptr, ChannelB, Reference},
    {TR_NOOP("Traces", "Channel B lower limit"), VAL_GREEN, true, nullptr, ChannelB, Lower},
};

}  // namespace

const std::span<const TraceLook> TRACE_LOOKS{kLooks};
const std::span<const CurveLook> MEMORY_LOOKS{kCurves};

}  // namespace telvar
