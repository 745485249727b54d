// SPDX-License-Identifier: GPL-3.0-or-later
// The reference: the set the pages were last in step with, as it was last
// fetched from or sent to the controller, or loaded from or saved to a
// parameter file. The pages' changes are what differs from it; whoever
// shows them marks the pages anew when it is taken or forgotten.
#pragma once

#include <cstdint>

namespace telvar {

enum class ReferenceKind { None, Controller, File };

// Takes the record as it stands as the reference.
void take_reference(ReferenceKind kind);
// Start-up: no set is known, nothing is marked.
void forget_reference();
ReferenceKind reference_kind();
// The reference's words, PARAMETER_WORDS of them; all 0 while there is none.
const std::uint16_t* reference_words();
// What the reference is, as the marks name it: "controller" or "file", in
// the window's language.
const char* reference_name();

// A word of the record whose controls carry a mark: what the pages make of
// it and what the reference holds.
struct UnsentChange {
    int index;
    std::uint16_t pages;
    std::uint16_t reference;
};

}  // namespace telvar
