// SPDX-License-Identifier: GPL-3.0-or-later
// Colours of controls. They are kept in the control's own style sheet after
// the style its panel file gave it, each rule for the state it belongs to,
// so that a colour set by code neither wipes the file's style nor hides the
// panel's look of checked buttons. Internal to the platform layer.
#pragma once

class QWidget;

namespace telvar::detail {

// Whether the attribute is one of the colour attributes.
bool is_colour(int attribute);
// 0, or UIE_BAD_ATTRIBUTE for a colour the control's kind does not take.
int set_colour(QWidget* widget, int attribute, int rgb);
// UIE_BAD_ATTRIBUTE while no such colour has been set.
int get_colour(const QWidget* widget, int attribute, int* rgb);

}  // namespace telvar::detail
