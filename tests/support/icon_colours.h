// SPDX-License-Identifier: GPL-3.0-or-later
// What the icon of a button or check box shows, drawn for a screen of pixel
// ratio 2: the colours of its opaque pixels.
#pragma once

#include "platform/qt_access.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>

#include <set>

namespace telvar::test {

inline std::set<int> icon_colours(int panel, int control)
{
    std::set<int> colours;
    const auto* button = qobject_cast<const QAbstractButton*>(ControlWidget(panel, control));
    if (!button)
        return colours;
    const QImage image = button->icon().pixmap(button->iconSize(), 2.0).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                colours.insert(static_cast<int>(image.pixel(x, y) & 0xFFFFFF));
    return colours;
}

}  // namespace telvar::test
