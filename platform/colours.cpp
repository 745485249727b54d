// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colours.h"

#include "platform/control_kinds.h"
#include "platform/userint.h"

#include <QColor>
#include <QWidget>

#include <cmath>

namespace telvar::detail {

namespace {

struct Slot {
    const char* property;  // where the colour is kept, for reading it back
    const char* declaration;
    const char* ColourSelectors::*selector;
};

constexpr Slot kBackground = {"telvarBg", "background-color", &ColourSelectors::background};
constexpr Slot kText = {"telvarFg", "color", &ColourSelectors::text};
constexpr Slot kOn = {"telvarOn", "background-color", &ColourSelectors::on};
constexpr const Slot* kSlots[] = {&kBackground, &kText, &kOn};
// Above this, a colour is a colour and not a shade of grey (0-255).
constexpr int kChromaticSaturation = 64;

const Slot* slot_of(int attribute)
{
    switch (attribute) {
    case ATTR_CMD_BUTTON_COLOR:
    case ATTR_TEXT_BGCOLOR:
    case ATTR_FRAME_COLOR: return &kBackground;
    case ATTR_TEXT_COLOR: return &kText;
    case ATTR_ON_COLOR: return &kOn;
    default: return nullptr;
    }
}

// The style the panel file gave the control, kept before the first colour.
// Bare declarations are meant for the control itself, as Qt reads them.
QString file_sheet(QWidget* w)
{
    const char* kFileSheet = "telvarFileSheet";
    if (!w->property(kFileSheet).isValid())
        w->setProperty(kFileSheet, w->styleSheet());
    const QString sheet = w->property(kFileSheet).toString().trimmed();
    if (sheet.isEmpty() || sheet.contains(QLatin1Char('{')))
        return sheet;
    return QStringLiteral("* { %1 }").arg(sheet);
}

// The relative luminance of a colour on the screen, 0 (black) to 1 (white).
double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// Black or white, whichever stands out more against the background.
QColor readable_on(const QColor& background)
{
    const double l = luminance(background);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
}

// A grey background is the idle look, whose dimmed text shows the button is
// dimmed; a colour of its own says a command runs, and its text must stay
// readable although the button is dimmed.
QString dimmed_text_rule(const QWidget* w, const ControlKind& kind, const QString& self)
{
    const QVariant rgb = w->property(kBackground.property);
    if (!kind.colours.dimmed_text || !rgb.isValid())
        return {};
    const QColor background = QColor::fromRgb(static_cast<QRgb>(rgb.toInt()));
    if (background.hsvSaturation() < kChromaticSaturation)
        return {};
    return QStringLiteral("\n%1 { color: %2; }")
        .arg(QString::fromLatin1(kind.colours.dimmed_text).arg(self), readable_on(background).name());
}

QString colour_rules(const QWidget* w, const ControlKind& kind)
{
    // The exact class, so that no part of the control that is a widget of
    // its own takes the rules.
    const QString self = QLatin1Char('.') + QString::fromLatin1(w->metaObject()->className());
    QString rules;
    for (const Slot* slot : kSlots) {
        const QVariant rgb = w->property(slot->property);
        if (!rgb.isValid())
            continue;
        const QString selector = QString::fromLatin1(kind.colours.*slot->selector).arg(self);
        const QString colour = QColor::fromRgb(static_cast<QRgb>(rgb.toInt())).name();
        rules += QStringLiteral("\n%1 { %2: %3; }").arg(selector, QString::fromLatin1(slot->declaration), colour);
    }
    return rules + dimmed_text_rule(w, kind, self);
}

}  // namespace

bool is_colour(int attribute)
{
    return slot_of(attribute) != nullptr;
}

int set_colour(QWidget* w, int attribute, int rgb)
{
    const Slot* slot = slot_of(attribute);
    const ControlKind& kind = kind_of(w);
    if (!slot || !(kind.colours.*slot->selector))
        return UIE_BAD_ATTRIBUTE;
    const QString own = file_sheet(w);
    w->setProperty(slot->property, rgb & 0xFFFFFF);
    w->setStyleSheet(own + colour_rules(w, kind));
    return 0;
}

int get_colour(const QWidget* w, int attribute, int* rgb)
{
    const Slot* slot = slot_of(attribute);
    if (!slot)
        return UIE_BAD_ATTRIBUTE;
    const QVariant stored = w->property(slot->property);
    if (!stored.isValid())
        return UIE_BAD_ATTRIBUTE;
    *rgb = stored.toInt();
    return 0;
}

}  // namespace telvar::detail
