// SPDX-License-Identifier: GPL-3.0-or-later
// The reference: the set the pages were last in step with, as it was last
// fetched from or sent to the controller, or loaded from or saved to a
// parameter file. The pages' changes are what differs from it.
#pragma once

#include <cstdint>

namespace telvar {

enum class ReferenceKind { None, Controller, File };

// Takes the record as it stands as the reference, and marks the pages anew.
void take_reference(ReferenceKind kind);
// Start-up: no set is known, nothing is marked.
void forget_reference();
ReferenceKind reference_kind();
// The reference's words, PARAMETER_WORDS of them; all 0 while there is none.
const std::uint16_t* reference_words();

}  // namespace telvar
