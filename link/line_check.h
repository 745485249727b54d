// SPDX-License-Identifier: GPL-3.0-or-later
// The line check and version query that follow every opening of a line.
#pragma once

namespace telvar {

inline constexpr int VERSION_TEXT_SIZE = 72;

extern const char (&szVersion)[VERSION_TEXT_SIZE];  // the controller's version text

// 1 when the controller acknowledged the line check, else 0.
int CheckComLine();
// 1 when the version answer came, else 0; shows the version on the status line.
int GetVERSIONInfo();

}  // namespace telvar
