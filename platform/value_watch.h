// SPDX-License-Identifier: GPL-3.0-or-later
// Watching the values of a panel's controls, for the value change hook.
#pragma once

class QWidget;

namespace telvar::detail {

// The hook hears of every change of the control's value, once per turn of
// the event loop however many changes that turn made.
void watch_value(QWidget* w);
// A change the program made with the control's signals held back, which the
// hook must hear of all the same: what a page shows is what the marks judge.
void value_set(QWidget* w);

}  // namespace telvar::detail
