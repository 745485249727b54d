// SPDX-License-Identifier: GPL-3.0-or-later
// Values and attributes of panels and controls.
#include "platform/control_notes.h"
#include "platform/shown_text.h"
#include "platform/colours.h"
#include "platform/control_kinds.h"
#include "platform/panel_table.h"
#include "platform/plot_control.h"
#include "platform/value_watch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>
#include <cstring>

namespace telvar {

using detail::find_control;
using detail::find_panel;
using detail::get_colour;
using detail::is_colour;
using detail::kind_of;
using detail::set_colour;
using detail::ControlKind;

namespace {

// A control's caption is a label whose buddy it is; the two show together.
void show_captions(QWidget* w, bool visible)
{
    if (!w->parentWidget())
        return;
    for (QLabel* label : w->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == w)
            label->setVisible(visible);
}

// A dimmed control's caption looks dimmed with it.
void dim_captions(QWidget* w, bool dimmed)
{
    if (!w->parentWidget())
        return;
    for (QLabel* label : w->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == w)
            label->setEnabled(!dimmed);
}

// Controls made at run time take the size their text needs.
void fit_to_content(QWidget* w)
{
    if (w->property("telvarAutoSize").toBool())
        w->adjustSize();
}

int set_geometry(QWidget* w, int attribute, int value)
{
    QFont font = w->font();
    switch (attribute) {
    case ATTR_TEXT_BOLD:
        font.setBold(value != 0);
        w->setFont(font);
        fit_to_content(w);
        return 0;
    case ATTR_TEXT_POINT_SIZE:
        if (value <= 0)
            return UIE_BAD_ATTRIBUTE;
        // Sizes are pixel heights, so that texts keep to their places on any screen.
        font.setPixelSize(value);
        w->setFont(font);
        fit_to_content(w);
        return 0;
    case ATTR_VISIBLE:
        w->setVisible(value != 0);
        show_captions(w, value != 0);
        return 0;
    case ATTR_DIMMED: w->setEnabled(value == 0); return 0;
    case ATTR_LEFT: w->move(value, w->y()); return 0;
    case ATTR_TOP: w->move(w->x(), value); return 0;
    case ATTR_WIDTH: w->resize(value, w->height()); return 0;
    case ATTR_HEIGHT: w->resize(w->width(), value); return 0;
    default: return UIE_BAD_ATTRIBUTE;
    }
}

// A dialog keeps one default button: setting it unsets the one before.
int set_default_button(QWidget* w, bool on)
{
    auto* button = qobject_cast<QPushButton*>(w);
    if (!button)
        return UIE_BAD_ATTRIBUTE;
    button->setDefault(on);
    return 0;
}

int get_geometry(QWidget* w, int attribute, int* value)
{
    switch (attribute) {
    case ATTR_VISIBLE: *value = !w->isHidden(); return 0;
    case ATTR_DIMMED: *value = !w->isEnabled(); return 0;
    case ATTR_LEFT: *value = w->x(); return 0;
    case ATTR_TOP: *value = w->y(); return 0;
    case ATTR_WIDTH: *value = w->width(); return 0;
    case ATTR_HEIGHT: *value = w->height(); return 0;
    default: return UIE_BAD_ATTRIBUTE;
    }
}

constexpr const char* kMode = "telvarMode";

int set_mode(QWidget* w, int mode)
{
    const ControlKind& kind = kind_of(w);
    if (mode != VAL_HOT && mode != VAL_INDICATOR)
        return UIE_BAD_ATTRIBUTE;
    if (!kind.set_locked)
        return mode == VAL_INDICATOR ? 0 : UIE_BAD_ATTRIBUTE;
    kind.set_locked(w, mode == VAL_INDICATOR);
    w->setProperty(kMode, mode);
    return 0;
}

int get_mode(const QWidget* w)
{
    if (!kind_of(w).set_locked)
        return VAL_INDICATOR;
    const QVariant mode = w->property(kMode);
    return mode.isValid() ? mode.toInt() : VAL_HOT;
}

int set_number(QWidget* w, double value)
{
    const ControlKind& kind = kind_of(w);
    const QSignalBlocker quiet(w);  // only the operator's changes are commits
    if (kind.set_number) {
        const double before = kind.get_number(w);
        const int result = kind.set_number(w, value);
        if (kind.get_number(w) != before)
            detail::value_set(w);
        return result;
    }
    if (!kind.set_text)
        return UIE_BAD_CONTROL;
    kind.set_text(w, QString::number(value));
    return 0;
}

int get_number(const QWidget* w, double* value)
{
    const ControlKind& kind = kind_of(w);
    if (kind.get_number)
        *value = kind.get_number(w);
    else if (kind.get_text)
        *value = kind.get_text(w).trimmed().toDouble();
    else
        return UIE_BAD_CONTROL;
    return 0;
}

}  // namespace

int SetPanelAttribute(int panel, int attribute, int value)
{
    detail::Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    if (attribute == ATTR_OWNER_PANEL)
        return detail::set_owner(panel, value);
    return set_geometry(p->widget, attribute, value);
}

int SetPanelAttribute(int panel, int attribute, const char* value)
{
    detail::Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    if (attribute != ATTR_TITLE)
        return UIE_BAD_ATTRIBUTE;
    p->widget->setWindowTitle(detail::shown_text(value));
    return 0;
}

int GetPanelAttribute(int panel, int attribute, int* value)
{
    detail::Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    if (attribute == ATTR_OWNER_PANEL) {
        *value = p->owner;
        return 0;
    }
    return get_geometry(p->widget, attribute, value);
}

int SetCtrlVal(int panel, int control, int value)
{
    QWidget* w = find_control(panel, control);
    return w ? set_number(w, value) : UIE_BAD_CONTROL;
}

int SetCtrlVal(int panel, int control, double value)
{
    QWidget* w = find_control(panel, control);
    return w ? set_number(w, value) : UIE_BAD_CONTROL;
}

int SetCtrlVal(int panel, int control, const char* value)
{
    QWidget* w = find_control(panel, control);
    if (!w || !kind_of(w).set_text)
        return UIE_BAD_CONTROL;
    const QSignalBlocker quiet(w);
    kind_of(w).set_text(w, detail::shown_text(value));
    return 0;
}

int ResetTextBox(int panel, int control, const char* text)
{
    QWidget* w = find_control(panel, control);
    auto* box = qobject_cast<QPlainTextEdit*>(w);
    if (!box)
        return UIE_BAD_CONTROL;
    const QSignalBlocker quiet(w);
    box->clear();
    kind_of(w).set_text(w, detail::shown_text(text));
    return 0;
}

int GetCtrlVal(int panel, int control, double* value)
{
    QWidget* w = find_control(panel, control);
    return w ? get_number(w, value) : UIE_BAD_CONTROL;
}

int GetCtrlVal(int panel, int control, int* value)
{
    double number = 0;
    const int result = GetCtrlVal(panel, control, &number);
    if (result == 0)
        *value = static_cast<int>(std::lround(number));
    return result;
}

int GetCtrlVal(int panel, int control, unsigned short* value)
{
    double number = 0;
    const int result = GetCtrlVal(panel, control, &number);
    if (result == 0)
        *value = static_cast<unsigned short>(static_cast<long>(std::lround(number)) & 0xFFFF);
    return result;
}

int GetCtrlVal(int panel, int control, char* buffer, std::size_t size)
{
    QWidget* w = find_control(panel, control);
    if (!w || size == 0 || !kind_of(w).get_text)
        return UIE_BAD_CONTROL;
    const QByteArray bytes = kind_of(w).get_text(w).toLatin1();
    const std::size_t n = std::min<std::size_t>(bytes.size(), size - 1);
    std::memcpy(buffer, bytes.constData(), n);
    buffer[n] = '\0';
    return 0;
}

int SetCtrlAttribute(int panel, int control, int attribute, int value)
{
    QWidget* w = find_control(panel, control);
    if (!w)
        return UIE_BAD_CONTROL;
    if (is_colour(attribute))
        return set_colour(w, attribute, value);
    if (detail::is_chart_attribute(attribute))
        return detail::set_chart_attribute(w, attribute, value);
    switch (attribute) {
    case ATTR_DIMMED:
        kind_of(w).set_dimmed(w, value != 0);
        dim_captions(w, value != 0);
        return 0;
    case ATTR_CTRL_MODE: return set_mode(w, value);
    case ATTR_DEFAULT_BUTTON: return set_default_button(w, value != 0);
    default: return set_geometry(w, attribute, value);
    }
}

int SetCtrlAttribute(int panel, int control, int attribute, const char* value)
{
    QWidget* w = find_control(panel, control);
    if (!w)
        return UIE_BAD_CONTROL;
    if (attribute == ATTR_TEXT_FONT) {
        // Only the application's font is known here; a size or weight set before stays.
        if (std::strcmp(value, VAL_APP_FONT) != 0)
            return UIE_BAD_ATTRIBUTE;
        QFont font = QApplication::font();
        font.setBold(w->font().bold());
        if (w->font().pixelSize() > 0)
            font.setPixelSize(w->font().pixelSize());
        w->setFont(font);
        fit_to_content(w);
        return 0;
    }
    if (attribute == ATTR_DESCRIPTION) {
        detail::set_plain_description(w, detail::shown_text(value));
        return 0;
    }
    if (attribute == ATTR_DIMMED_REASON) {
        detail::set_dimmed_reason(w, detail::shown_text(value));
        return 0;
    }
    if (attribute == ATTR_CHANGE_MARK) {
        detail::set_change_mark(w, detail::shown_text(value));
        return 0;
    }
    if (attribute != ATTR_LABEL_TEXT)
        return UIE_BAD_ATTRIBUTE;
    const QString text = detail::shown_text(value);
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (qobject_cast<QLabel*>(w))
        kind_of(w).set_text(w, text);
    else
        w->setAccessibleName(text);
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, int* value)
{
    QWidget* w = find_control(panel, control);
    if (!w)
        return UIE_BAD_CONTROL;
    if (is_colour(attribute))
        return get_colour(w, attribute, value);
    if (detail::is_chart_attribute(attribute))
        return detail::get_chart_attribute(w, attribute, value);
    if (attribute == ATTR_CTRL_MODE) {
        *value = get_mode(w);
        return 0;
    }
    if (attribute == ATTR_DEFAULT_BUTTON) {
        const auto* button = qobject_cast<const QPushButton*>(w);
        if (!button)
            return UIE_BAD_ATTRIBUTE;
        *value = button->isDefault() ? 1 : 0;
        return 0;
    }
    return get_geometry(w, attribute, value);
}

}  // namespace telvar
