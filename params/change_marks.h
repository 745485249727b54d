// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of changes not yet sent: every field and selector of the pages
// whose value differs from what the reference shows there carries a mark
// and says "changed, not sent; controller: 57" (or "file: 57") to a screen
// reader; the view selector of a page with a change carries one too.
#pragma once

namespace telvar {

// Marks the pages and view selectors as they stand against the reference.
void refresh_change_marks();
// Whether any control of the pages differs from the reference.
bool pages_hold_changes();

}  // namespace telvar
