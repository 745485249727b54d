// SPDX-License-Identifier: GPL-3.0-or-later
// What a control of a loaded panel offers the operator.
#pragma once

namespace telvar::test {

// Dimmed: shown greyed out, it takes no clicks.
bool dimmed(int panel, int control);

}  // namespace telvar::test
