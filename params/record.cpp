// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/record.h"

namespace telvar {

std::uint16_t parameter[PARAMETER_WORDS];

}  // namespace telvar
