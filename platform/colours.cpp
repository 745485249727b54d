// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colours.h"

#include "platform/control_kinds.h"
#include "platform/userint.h"

#include <QColor>
#include <QWidget>

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
    return rules;
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
