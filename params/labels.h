// SPDX-License-Identifier: GPL-3.0-or-later
// The one-line texts that state the choice of each selector group of a
// channel's first page, built from the group's word.
#pragma once

#include "params/events.h"
#include "platform/translation.h"

#include <cstdint>
#include <string>

namespace telvar {

// Shown through tr_text("Conditions", ...).
inline constexpr const char* DATA_FORMAT_RAW_TEXT = TR_NOOP("Conditions", "DATA FORMAT: RAW");
inline constexpr const char* DATA_FORMAT_NORM_TEXT = TR_NOOP("Conditions", "DATA FORMAT: NORM");

// "RESULT VALID ON: CHANNEL A HIGH STATE, ..." and the like: the prefix of the
// group, then the highest selected event, ", ..." when there are more, or
// ": NEVER" when there is none.
std::string condition_label(Group group, std::uint16_t word);

// The event of one bit of a group's word as its condition text names it
// ("CHANNEL A HIGH STATE", "INPUT 0 POS. EDGE"), for a list of them all.
std::string condition_event(Group group, int bit);

// "DATA FILTER: " and MIN, MAX or DIRECT, from the filter word.
std::string filter_label(std::uint16_t word);

}  // namespace telvar
