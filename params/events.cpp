// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/events.h"

#include <iterator>

namespace telvar {

namespace {

using enum Group;
using enum Event;
constexpr Source A = Source::ChannelA;
constexpr Source B = Source::ChannelB;
constexpr Source IN0 = Source::In0;
constexpr Source IN1 = Source::In1;
constexpr Source OTHER = Source::OtherChannel;
constexpr Source NONE = Source::None;

// A grid per group: one row per source, one column per event.
constexpr Selector kSelectors[] = {
    {"VALID_A_POS", ResultValid, A, PositiveEdge},     {"VALID_A_NEG", ResultValid, A, NegativeEdge},
    {"VALID_A_LOW", ResultValid, A, LowState},         {"VALID_A_HIGH", ResultValid, A, HighState},
    {"VALID_B_POS", ResultValid, B, PositiveEdge},     {"VALID_B_NEG", ResultValid, B, NegativeEdge},
    {"VALID_B_LOW", ResultValid, B, LowState},         {"VALID_B_HIGH", ResultValid, B, HighState},
    {"VALID_IN0_POS", ResultValid, IN0, PositiveEdge}, {"VALID_IN0_NEG", ResultValid, IN0, NegativeEdge},
    {"VALID_IN0_LOW", ResultValid, IN0, LowState},     {"VALID_IN0_HIGH", ResultValid, IN0, HighState},
    {"VALID_IN1_POS", ResultValid, IN1, PositiveEdge}, {"VALID_IN1_NEG", ResultValid, IN1, NegativeEdge},
    {"VALID_IN1_LOW", ResultValid, IN1, LowState},     {"VALID_IN1_HIGH", ResultValid, IN1, HighState},
    {"VALID_EVERY", ResultValid, NONE, EverySample},

    {"MAX_OTHER_POS", MaxValue, OTHER, PositiveEdge},  {"MAX_OTHER_NEG", MaxValue, OTHER, NegativeEdge},
    {"MAX_OTHER_LOW", MaxValue, OTHER, LowState},      {"MAX_OTHER_HIGH", MaxValue, OTHER, HighState},
    {"MAX_IN0_POS", MaxValue, IN0, PositiveEdge},      {"MAX_IN0_NEG", MaxValue, IN0, NegativeEdge},
    {"MAX_IN0_LOW", MaxValue, IN0, LowState},          {"MAX_IN0_HIGH", MaxValue, IN0, HighState},
    {"MAX_IN1_POS", MaxValue, IN1, PositiveEdge},      {"MAX_IN1_NEG", MaxValue, IN1, NegativeEdge},
    {"MAX_IN1_LOW", MaxValue, IN1, LowState},          {"MAX_IN1_HIGH", MaxValue, IN1, HighState},
    {"MAX_EVERY", MaxValue, NONE, EverySample},

    {"RESET_A_POS", Reset, A, PositiveEdge},           {"RESET_A_NEG", Reset, A, NegativeEdge},
    {"RESET_B_POS", Reset, B, PositiveEdge},           {"RESET_B_NEG", Reset, B, NegativeEdge},
    {"RESET_IN0_POS", Reset, IN0, PositiveEdge},       {"RESET_IN0_NEG", Reset, IN0, NegativeEdge},
    {"RESET_IN1_POS", Reset, IN1, PositiveEdge},       {"RESET_IN1_NEG", Reset, IN1, NegativeEdge},

    {"SNAP_A_POS", Snapshot, A, PositiveEdge},         {"SNAP_A_NEG", Snapshot, A, NegativeEdge},
    {"SNAP_B_POS", Snapshot, B, PositiveEdge},         {"SNAP_B_NEG", Snapshot, B, NegativeEdge},
    {"SNAP_IN0_POS", Snapshot, IN0, PositiveEdge},     {"SNAP_IN0_NEG", Snapshot, IN0, NegativeEdge},
    {"SNAP_IN1_POS", Snapshot, IN1, PositiveEdge},     {"SNAP_IN1_NEG", Snapshot, IN1, NegativeEdge},
};

Source resolved(Source source, Channel page)
{
    if (source != OTHER)
        return source;
    return page == Channel::A ? B : A;
}

bool is_state(Event event)
{
    return event == LowState || event == HighState;
}

}  // namespace

const std::span<const Selector> EVENT_SELECTORS{kSelectors};

int selector_bit(const Selector& selector, Channel page)
{
    const Source source = resolved(selector.source, page);
    for (int bit = 0; bit < static_cast<int>(std::size(EVENT_BITS)); ++bit)
        if (EVENT_BITS[bit].source == source && EVENT_BITS[bit].event == selector.event)
            return bit;
    return -1;
}

bool has_every_sample(Group group)
{
    return group == ResultValid || group == MaxValue;
}

bool shows(const Selector& selector, Channel page, std::uint16_t word)
{
    const bool every = has_every_sample(selector.group) && word == 0xFFFF;
    if (selector.event == EverySample)
        return every;
    return !every && (word >> selector_bit(selector, page)) & 1u;
}

bool clears(const Selector& clicked, const Selector& other)
{
    if (clicked.group != other.group || &clicked == &other || clicked.role == other.role)
        return false;
    switch (clicked.group) {
    case Reset:
        return false;
    case Snapshot:
        return true;
    case ResultValid:
    case MaxValue:
        break;
    }
    if (clicked.event == EverySample || other.event == EverySample)
        return true;
    if (clicked.source != other.source)
        return false;
    // Within one source the two edges go together; a state goes with nothing.
    return is_state(clicked.event) || is_state(other.event);
}

}  // namespace telvar
