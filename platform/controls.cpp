// Values and attributes of panels and controls.
#include "platform/panel_table.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTextEdit>

#include <cmath>
#include <cstring>

namespace telvar {

using detail::find_control;
using detail::find_panel;

namespace {

QColor rgb(int value)
{
    return QColor((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// Colours live in a style sheet that keeps each one in a property of its own,
// so that GetCtrlAttribute can read back what was set.
void apply_colours(QWidget* w)
{
    QString sheet;
    const QVariant bg = w->property("telvarBg");
    const QVariant fg = w->property("telvarFg");
    const QVariant on = w->property("telvarOn");
    if (bg.isValid())
        sheet += QStringLiteral("background-color: %1;").arg(rgb(bg.toInt()).name());
    if (fg.isValid())
        sheet += QStringLiteral("color: %1;").arg(rgb(fg.toInt()).name());
    if (on.isValid() && qobject_cast<QAbstractButton*>(w)) {
        const QString cls = QString::fromLatin1(w->metaObject()->className());
        sheet = QStringLiteral("%1 { %2 } %1:checked { background-color: %3; }")
                    .arg(cls, sheet, rgb(on.toInt()).name());
    }
    w->setStyleSheet(sheet);
}

const char* colour_property(int attribute)
{
    switch (attribute) {
    case ATTR_CMD_BUTTON_COLOR:
    case ATTR_TEXT_BGCOLOR:
    case ATTR_FRAME_COLOR: return "telvarBg";
    case ATTR_TEXT_COLOR: return "telvarFg";
    case ATTR_ON_COLOR: return "telvarOn";
    default: return nullptr;
    }
}

// A control's caption is a label whose buddy it is; the two show together.
void show_captions(QWidget* w, bool visible)
{
    if (!w->parentWidget())
        return;
    for (QLabel* label : w->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == w)
            label->setVisible(visible);
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

// The value of a control as text, for the widgets that show text.
bool set_text(QWidget* w, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text);
        fit_to_content(label);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
        box->moveCursor(QTextCursor::End);  // text boxes append
        box->insertPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->moveCursor(QTextCursor::End);
        rich->insertPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable())
        combo->setEditText(text);
    else
        return false;
    return true;
}

bool get_text(QWidget* w, QString* text)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        *text = label->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        *text = edit->text();
    else if (auto* box = qobject_cast<QPlainTextEdit*>(w))
        *text = box->toPlainText();
    else if (auto* rich = qobject_cast<QTextEdit*>(w))
        *text = rich->toPlainText();
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        *text = combo->currentText();
    else
        return false;
    return true;
}

int set_number(QWidget* w, double value)
{
    const QSignalBlocker quiet(w);  // only the operator's changes are commits
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setChecked(value != 0);
    else if (auto* spin = qobject_cast<QSpinBox*>(w))
        spin->setValue(static_cast<int>(std::lround(value)));
    else if (auto* dspin = qobject_cast<QDoubleSpinBox*>(w))
        dspin->setValue(value);
    else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // Entries without values (as a panel file lists them) count by position.
        const int wanted = static_cast<int>(std::lround(value));
        const bool valued = combo->count() > 0 && combo->itemData(0).isValid();
        const int index = valued ? combo->findData(wanted) : (wanted < combo->count() ? wanted : -1);
        if (index < 0)
            return UIE_BAD_ATTRIBUTE;
        combo->setCurrentIndex(index);
    } else if (auto* bar = qobject_cast<QProgressBar*>(w))
        bar->setValue(static_cast<int>(std::lround(value)));
    else if (auto* lcd = qobject_cast<QLCDNumber*>(w))
        lcd->display(value);
    else if (auto* slider = qobject_cast<QSlider*>(w))
        slider->setValue(static_cast<int>(std::lround(value)));
    else if (!set_text(w, QString::number(value)))
        return UIE_BAD_CONTROL;
    return 0;
}

int get_number(QWidget* w, double* value)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        *value = button->isChecked() ? 1 : 0;
    else if (auto* spin = qobject_cast<QSpinBox*>(w))
        *value = spin->value();
    else if (auto* dspin = qobject_cast<QDoubleSpinBox*>(w))
        *value = dspin->value();
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        *value = combo->currentData().isValid() ? combo->currentData().toDouble() : combo->currentIndex();
    else if (auto* bar = qobject_cast<QProgressBar*>(w))
        *value = bar->value();
    else if (auto* lcd = qobject_cast<QLCDNumber*>(w))
        *value = lcd->value();
    else if (auto* slider = qobject_cast<QSlider*>(w))
        *value = slider->value();
    else if (QString text; get_text(w, &text))
        *value = text.trimmed().toDouble();
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
    if (const char* prop = colour_property(attribute)) {
        p->widget->setProperty(prop, value);
        apply_colours(p->widget);
        return 0;
    }
    return set_geometry(p->widget, attribute, value);
}

int SetPanelAttribute(int panel, int attribute, const char* value)
{
    detail::Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    if (attribute != ATTR_TITLE)
        return UIE_BAD_ATTRIBUTE;
    p->widget->setWindowTitle(QString::fromUtf8(value));
    return 0;
}

int GetPanelAttribute(int panel, int attribute, int* value)
{
    detail::Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
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
    if (!w)
        return UIE_BAD_CONTROL;
    const QSignalBlocker quiet(w);
    return set_text(w, QString::fromLatin1(value)) ? 0 : UIE_BAD_CONTROL;
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
    QString text;
    if (!w || size == 0 || !get_text(w, &text))
        return UIE_BAD_CONTROL;
    const QByteArray bytes = text.toLatin1();
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
    if (const char* prop = colour_property(attribute)) {
        w->setProperty(prop, value);
        apply_colours(w);
        return 0;
    }
    return set_geometry(w, attribute, value);
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
    if (attribute != ATTR_LABEL_TEXT)
        return UIE_BAD_ATTRIBUTE;
    const QString text = QString::fromLatin1(value);
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else
        w->setAccessibleName(text);
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, int* value)
{
    QWidget* w = find_control(panel, control);
    if (!w)
        return UIE_BAD_CONTROL;
    if (const char* prop = colour_property(attribute)) {
        const QVariant stored = w->property(prop);
        if (!stored.isValid())
            return UIE_BAD_ATTRIBUTE;
        *value = stored.toInt();
        return 0;
    }
    return get_geometry(w, attribute, value);
}

}  // namespace telvar
