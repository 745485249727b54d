// SPDX-License-Identifier: GPL-3.0-or-later
// The nine trace switches of the main window: whether each is on, and the
// icons that show how the lines each switches are drawn, one short line per
// channel it applies to: the strip chart's traces while the strip chart is
// shown, the data-memory graph's curves while the graph is shown.
#pragma once

#include "scope/trace_table.h"

namespace telvar {

// TraceSwitch::None counts as on.
bool switch_on(TraceSwitch s);

void show_strip_looks();
void show_memory_looks();

}  // namespace telvar
