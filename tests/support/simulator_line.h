// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's line opened to the simulator, as the connection dialog opens it.
#pragma once

#include "support/simulator.h"

namespace telvar::test {

enum class Line { Serial, Tcp };

// Fails the calling test when the simulator is not up or the line check fails.
void open_line(const Simulator& sim, Line line);

}  // namespace telvar::test
