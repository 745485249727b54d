// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/conversions.h"

namespace telvar {

int field_value(Conversion conversion, std::uint16_t word)
{
    switch (conversion) {
    case Conversion::Plain: return word;
    case Conversion::Negated: return -static_cast<int>(word);
    case Conversion::LowByte: return word & 0xFF;
    case Conversion::HighByte: return word >> 8;
    case Conversion::ConfigFlag: return word & 1;
    case Conversion::ConfigValue: return word & 0xFFFE;
    }
    return 0;
}

std::uint16_t word_bits(Conversion conversion, int value)
{
    const auto bits = static_cast<unsigned>(value);  // two's complement: -250 gives 250 back
    switch (conversion) {
    case Conversion::Plain: return static_cast<std::uint16_t>(bits);
    case Conversion::Negated: return static_cast<std::uint16_t>(0u - bits);
    case Conversion::LowByte: return static_cast<std::uint16_t>(bits & 0xFF);
    case Conversion::HighByte: return static_cast<std::uint16_t>((bits & 0xFF) << 8);
    case Conversion::ConfigFlag: return static_cast<std::uint16_t>(bits & 1);
    // Bit 0 belongs to the flag, whatever the value field holds.
    case Conversion::ConfigValue: return static_cast<std::uint16_t>(bits & 0xFFFE);
    }
    return 0;
}

}  // namespace telvar
