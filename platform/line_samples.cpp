// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/line_samples.h"

#include "platform/line_look.h"
#include "platform/panel_table.h"
#include "platform/userint.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace telvar {

namespace {

// Long enough for a whole dash-dot-dot of a thin line.
constexpr QSize kIconSize(24, 16);
constexpr qreal kPixelRatios[] = {1, 2};

QPixmap drawn_samples(std::span<const LineSample> samples, qreal ratio)
{
    QPixmap pixmap(kIconSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const auto count = static_cast<int>(samples.size());
    for (int k = 0; k < count; ++k) {
        const LineSample& sample = samples[static_cast<std::size_t>(k)];
        const detail::LineLook look{sample.colour, sample.style, sample.thick ? detail::kFatLine : detail::kThinLine,
                                    true};
        painter.setPen(detail::pen_of(look));
        const int y = kIconSize.height() * (k + 1) / (count + 1);
        painter.drawLine(0, y, kIconSize.width(), y);
    }
    return pixmap;
}

}  // namespace

int SetCtrlLineSamples(int panel, int control, std::span<const LineSample> samples)
{
    auto* button = qobject_cast<QAbstractButton*>(detail::find_control(panel, control));
    if (!button)
        return UIE_BAD_CONTROL;
    for (const LineSample& sample : samples)
        if ((sample.colour & ~0xFFFFFF) != 0 || !detail::is_line_style(sample.style))
            return UIE_BAD_ATTRIBUTE;
    QIcon icon;
    for (const qreal ratio : kPixelRatios)
        icon.addPixmap(drawn_samples(samples, ratio));
    button->setIcon(icon);
    button->setIconSize(kIconSize);
    return 0;
}

}  // namespace telvar
