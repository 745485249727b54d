// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a text the window shows. Translated texts come as UTF-8; the
// controller's, the files' and the operator's own texts have always come as
// Latin-1. Internal to the platform layer.
#pragma once

#include <QString>

namespace telvar::detail {

// UTF-8 where the bytes are UTF-8, else Latin-1 (a Latin-1 text with letters
// beyond ASCII is hardly ever valid UTF-8).
QString shown_text(const char* bytes);

}  // namespace telvar::detail
