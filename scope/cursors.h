// SPDX-License-Identifier: GPL-3.0-or-later
// The cursors of the strip chart and the data-memory graph: the Cursors
// button switches them on and off on both, and each chart's readout tells
// the traces the switches show at its cursors.
#pragma once

#include "platform/userint.h"

namespace telvar {

// Both readouts told what to read; the cursors off.
void setup_cursors();
// The readouts read again: the traces shown or the memory drawn changed.
void refresh_cursors();

CtrlCallback CC_CURSORS;

}  // namespace telvar
