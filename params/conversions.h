// SPDX-License-Identifier: GPL-3.0-or-later
// How a page field shows its share of a record word, and what it gives back.
// A word that several fields share (the teach bytes, an output's flag and
// configuration value) is the OR of what each of them gives back.
#pragma once

#include <cstdint>

namespace telvar {

enum class Conversion {
    Plain,        // the whole word
    Negated,      // tolerances below a reference: shown as minus the word
    LowByte,      // first teach field
    HighByte,     // second teach field
    ConfigFlag,   // bit 0 of an output's configuration word
    ConfigValue,  // bits 1-15 of an output's configuration word
};

// The value a field shows for `word`.
int field_value(Conversion conversion, std::uint16_t word);
// The bits of the word that a field holding `value` gives.
std::uint16_t word_bits(Conversion conversion, int value);

}  // namespace telvar
