// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/trace_table.h"

#include "platform/userint.h"

namespace telvar {

namespace {

using enum TraceSwitch;

constexpr int A_DARK = 0x0040C0, A_LIGHT = 0x5C9DFF, A_VALUE = 0x0070FF;
constexpr int B_DARK = 0x007A00, B_LIGHT = 0x4CBF4C, B_VALUE = 0x00A800;
constexpr int E_DARK = 0x8A2BB0, E_LIGHT = 0xC38BDB, E_VALUE = 0xA030C8;

constexpr TraceLook kLooks[] = {
    {TRACE_A, "Channel A", A_VALUE, false, ChannelA, None},
    {TRACE_B, "Channel B", B_VALUE, false, ChannelB, None},
    {TRACE_EVAL, "Evaluation", E_VALUE, false, Evaluation, None},
    {TRACE_A_TRIGGER, "A trigger level", A_DARK, true, ChannelA, Trigger},
    {TRACE_A_UPPER, "A upper limit", A_LIGHT, true, ChannelA, Upper},
    {TRACE_A_REFERENCE, "A reference", A_DARK, true, ChannelA, Reference},
    {TRACE_A_LOWER, "A lower limit", A_LIGHT, true, ChannelA, Lower},
    {TRACE_B_TRIGGER, "B trigger level", B_DARK, true, ChannelB, Trigger},
    {TRACE_B_UPPER, "B upper limit", B_LIGHT, true, ChannelB, Upper},
    {TRACE_B_REFERENCE, "B reference", B_DARK, true, ChannelB, Reference},
    {TRACE_B_LOWER, "B lower limit", B_LIGHT, true, ChannelB, Lower},
    {TRACE_EVAL_UPPER, "Evaluation upper limit", E_LIGHT, true, Evaluation, Upper},
    {TRACE_EVAL_REFERENCE, "Evaluation reference", E_DARK, true, Evaluation, Reference},
    {TRACE_EVAL_LOWER, "Evaluation lower limit", E_LIGHT, true, Evaluation, Lower},
    {TRACE_A_SECOND, "A second value", A_LIGHT, false, ChannelA, Second},
    {TRACE_A_THIRD, "A third value", A_DARK, false, ChannelA, Third},
    {TRACE_B_SECOND, "B second value", B_LIGHT, false, ChannelB, Second},
    {TRACE_B_THIRD, "B third value", B_DARK, false, ChannelB, Third},
};

constexpr CurveLook kCurves[] = {
    {"Channel A data", VAL_BLUE, false, nullptr, ChannelA, ChannelA},
    {"Channel A trigger level", VAL_BLUE, true, nullptr, ChannelA, Trigger},
    {"Channel A pretrigger", VAL_BLUE, true, "trigger", ChannelA, Trigger},
    {"Channel A upper limit", VAL_GREEN, true, nullptr, ChannelA, Upper},
    {"Channel A reference", VAL_BLACK, true, nullptr, ChannelA, Reference},
    {"Channel A lower limit", VAL_GREEN, true, nullptr, ChannelA, Lower},
    {"Channel B data", VAL_GREEN, false, nullptr, ChannelB, ChannelB},
    {"Channel B trigger level", VAL_BLUE, true, nullptr, ChannelB, Trigger},
    {"Channel B pretrigger", VAL_BLUE, true, "trigger", ChannelB, Trigger},
    {"Channel B upper limit", VAL_GREEN, true, nullptr, ChannelB, Upper},
    {"Channel B reference", VAL_BLACK, true, nullptr, ChannelB, Reference},
    {"Channel B lower limit", VAL_GREEN, true, nullptr, ChannelB, Lower},
};

}  // namespace

const std::span<const TraceLook> TRACE_LOOKS{kLooks};
const std::span<const CurveLook> MEMORY_LOOKS{kCurves};

}  // namespace telvar
