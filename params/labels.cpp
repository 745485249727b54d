// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/labels.h"

namespace telvar {

namespace {

// The texts are put together from patterns, so that a language may order
// the group, the source and the event as it needs. By Source and Event.
constexpr const char* kSources[4] = {
    TR_NOOP("Conditions", "CHANNEL B"),
    TR_NOOP("Conditions", "CHANNEL IN0"),
    TR_NOOP("Conditions", "CHANNEL A"),
    TR_NOOP("Conditions", "CHANNEL IN1"),
};

// The snapshot label is the shortest: it says less about its sources.
constexpr const char* kSnapshotSources[4] = {
    TR_NOOP("Conditions", "CHAN. B"),
    TR_NOOP("Conditions", "INPUT 0"),
    TR_NOOP("Conditions", "CHAN. A"),
    TR_NOOP("Conditions", "INPUT 1"),
};

constexpr const char* kEvents[4] = {
    TR_NOOP("Conditions", "%1 POS. EDGE"),
    TR_NOOP("Conditions", "%1 NEG. EDGE"),
    TR_NOOP("Conditions", "%1 LOW STATE"),
    TR_NOOP("Conditions", "%1 HIGH STATE"),
};

const char* chosen(Group group)
{
    switch (group) {
    case Group::ResultValid: return tr_text("Conditions", "RESULT VALID ON: %1");
    case Group::MaxValue: return tr_text("Conditions", "AQUIRE MAX VALUE ON: %1");
    case Group::Reset: return tr_text("Conditions", "RESET VALUE ON: %1");
    case Group::Snapshot: return tr_text("Conditions", "STORE ON: %1");
    }
    return "%1";
}

const char* never(Group group)
{
    switch (group) {
    case Group::ResultValid: return tr_text("Conditions", "RESULT VALID: NEVER");
    case Group::MaxValue: return tr_text("Conditions", "AQUIRE MAX VALUE: NEVER");
    case Group::Reset: return tr_text("Conditions", "RESET VALUE: NEVER");
    case Group::Snapshot: return tr_text("Conditions", "STORE: NEVER");
    }
    return "";
}

int highest_bit(Group group)
{
    return group == Group::Reset || group == Group::Snapshot ? 7 : 15;
}

}  // namespace

std::string condition_event(Group group, int bit)
{
    if (bit < 0 || bit > 15)
        return "";
    const auto source = static_cast<int>(EVENT_BITS[bit].source);
    const auto event = static_cast<int>(EVENT_BITS[bit].event);
    const char* name = group == Group::Snapshot ? kSnapshotSources[source] : kSources[source];
    return with_args(tr_text("Conditions", kEvents[event]), {tr_text("Conditions", name)});
}

std::string condition_label(Group group, std::uint16_t word)
{
    if (has_every_sample(group) && word == 0xFFFF) {
        //: Completes "RESULT VALID ON: %1" and the like.
        return with_args(chosen(group), {tr_text("Conditions", "EVERY SAMPLE")});
    }
    for (int bit = highest_bit(group); bit >= 0; --bit) {
        if (!((word >> bit) & 1u))
            continue;
        std::string text = with_args(chosen(group), {condition_event(group, bit)});
        word &= static_cast<std::uint16_t>(~(1u << bit));
        if (word != 0)
            text += ", ...";
        return text;
    }
    return never(group);
}

std::string filter_label(std::uint16_t word)
{
    const char* choice = (word & 2u)   ? tr_text("Conditions", "MIN")
        : (word & 1u)                  ? tr_text("Conditions", "MAX")
                                       : tr_text("Conditions", "DIRECT");
    return with_args(tr_text("Conditions", "DATA FILTER: %1"), {choice});
}

}  // namespace telvar
