// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of changes not yet sent: every field and selector of the pages
// whose value differs from what the reference shows there carries a mark
// and says "changed, not sent; controller: 57" (or "file: 57") to a screen
// reader; the view selector that shows its page carries one too.
#pragma once

#include "params/reference.h"

#include <vector>

namespace telvar {

// Marks the pages and view selectors as they stand against the reference.
void refresh_change_marks();
// Whether any control of the pages differs from the reference.
bool pages_hold_changes();

// The marked words, in the record's order.
std::vector<UnsentChange> unsent_changes();

}  // namespace telvar
