// SPDX-License-Identifier: GPL-3.0-or-later
// Binds the callback names that the panel files use to the functions.
#pragma once

namespace telvar {

void register_callbacks();

}  // namespace telvar
