// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/labels.h"

namespace telvar {

namespace {

// By bit: the fragment of the result-valid, max-value and reset labels.
constexpr const char* kEventFragments[16] = {
    " ON: CHANNEL B POS. EDGE",    " ON: CHANNEL B NEG. EDGE",
    " ON: CHANNEL IN0 POS. EDGE",  " ON: CHANNEL IN0 NEG. EDGE",
    " ON: CHANNEL A POS. EDGE",    " ON: CHANNEL A NEG. EDGE",
    " ON: CHANNEL IN1 POS. EDGE",  " ON: CHANNEL IN1 NEG. EDGE",
    " ON: CHANNEL B LOW STATE",    " ON: CHANNEL B HIGH STATE",
    " ON: CHANNEL IN0 LOW STATE",  " ON: CHANNEL IN0 HIGH STATE",
    " ON: CHANNEL A LOW STATE",    " ON: CHANNEL A HIGH STATE",
    " ON: CHANNEL IN1 LOW STATE",  " ON: CHANNEL IN1 HIGH STATE",
};

// By bit: the fragment of the snapshot label, which carries edges only.
constexpr const char* kSnapshotFragments[8] = {
    " ON: CHAN. B POS. EDGE",  " ON: CHAN. B NEG. EDGE",  " ON: INPUT 0 POS. EDGE",
    " ON: INPUT 0 NEG. EDGE",  " ON: CHAN. A POS. EDGE",  " ON: CHAN. A NEG. EDGE",
    " ON: INPUT 1 POS. EDGE",  " ON: INPUT 1 NEG. EDGE",
};

const char* prefix(Group group)
{
    switch (group) {
    case Group::ResultValid: return "RESULT VALID";
    case Group::MaxValue: return "AQUIRE MAX VALUE";
    case Group::Reset: return "RESET VALUE";
    case Group::Snapshot: return "STORE";
    }
    return "";
}

int highest_bit(Group group)
{
    return group == Group::Reset || group == Group::Snapshot ? 7 : 15;
}

}  // namespace

std::string condition_label(Group group, std::uint16_t word)
{
    std::string text = prefix(group);
    if (has_every_sample(group) && word == 0xFFFF)
        return text + " ON: EVERY SAMPLE";
    for (int bit = highest_bit(group); bit >= 0; --bit) {
        if (!((word >> bit) & 1u))
            continue;
        text += group == Group::Snapshot ? kSnapshotFragments[bit] : kEventFragments[bit];
        word &= static_cast<std::uint16_t>(~(1u << bit));
        if (word != 0)
            text += ", ...";
        return text;
    }
    return text + ": NEVER";
}

std::string filter_label(std::uint16_t word)
{
    const char* choice = (word & 2u) ? "MIN" : (word & 1u) ? "MAX" : "DIRECT";
    return std::string("DATA FILTER: ") + choice;
}

}  // namespace telvar
