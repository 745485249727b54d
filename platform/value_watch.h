// SPDX-License-Identifier: GPL-3.0-or-later
// Watching the values of a panel's controls, for the value change hook.
#pragma once

class QWidget;

namespace telvar::detail {

// The hook hears of every change of the control's value, once per turn of
// the event loop however many changes that turn made.
void watch_value(QWidget* w);

}  // namespace telvar::detail
