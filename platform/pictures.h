// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures in picture controls (labels). An SVG picture is drawn for the
// control's size times the screen's pixel ratio, and drawn again whenever
// either changes, so that it stays sharp at any scale; other images are
// shown as they are. Internal to the platform layer.
#pragma once

class QLabel;
class QString;

namespace telvar::detail {

// false, leaving the picture as it was, when the file is no readable image.
bool show_picture(QLabel* picture, const QString& fileName);

}  // namespace telvar::detail
