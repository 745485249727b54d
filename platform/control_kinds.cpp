// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_kinds.h"

#include "platform/userint.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>
#include <iterator>

namespace telvar::detail {

namespace {

template <typename T>
bool is(const QWidget* w)
{
    return qobject_cast<const T*>(w) != nullptr;
}

template <typename T>
T* as(QWidget* w)
{
    return static_cast<T*>(w);
}

template <typename T>
const T* as(const QWidget* w)
{
    return static_cast<const T*>(w);
}

int rounded(double value)
{
    return static_cast<int>(std::lround(value));
}

bool is_editable_combo(const QWidget* w)
{
    return is<QComboBox>(w) && as<QComboBox>(w)->isEditable();
}

// Matched by name: the graph module alone knows the plot library.
bool is_plot(const QWidget* w)
{
    return w->inherits("QCustomPlot");
}

bool is_any(const QWidget*)
{
    return true;
}

void dim(QWidget* w, bool dimmed)
{
    w->setEnabled(!dimmed);
}

// Eats what the operator does to a locked control and its parts: clicks,
// keys, the wheel and shortcuts.
class InputLock : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut: return true;
        default: return false;
        }
    }
};

// A locked control also leaves the tab order; its own focus policy comes back when freed.
void lock_input(QWidget* w, bool locked)
{
    static InputLock lock;
    QList<QWidget*> parts = w->findChildren<QWidget*>();
    parts.prepend(w);
    for (QWidget* part : parts) {
        if (locked)
            part->installEventFilter(&lock);
        else
            part->removeEventFilter(&lock);
    }
    const char* kFocus = "telvarFocusPolicy";
    if (locked) {
        if (!w->property(kFocus).isValid())
            w->setProperty(kFocus, static_cast<int>(w->focusPolicy()));
        w->setFocusPolicy(Qt::NoFocus);
        w->clearFocus();
    } else if (const QVariant policy = w->property(kFocus); policy.isValid()) {
        w->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy.toInt()));
    }
}

// Buttons: the number is whether the button is on.
double button_number(const QWidget* w)
{
    return as<QAbstractButton>(w)->isChecked() ? 1 : 0;
}

int set_button_number(QWidget* w, double value)
{
    as<QAbstractButton>(w)->setChecked(value != 0);
    return 0;
}

void commit_on_click(QWidget* w, std::function<void()> commit)
{
    QObject::connect(as<QAbstractButton>(w), &QAbstractButton::clicked, std::move(commit));
}

// Spin boxes commit a typed number on Enter or when left, not per keystroke.
double spin_number(const QWidget* w)
{
    return as<QSpinBox>(w)->value();
}

int set_spin_number(QWidget* w, double value)
{
    as<QSpinBox>(w)->setValue(rounded(value));
    return 0;
}

void commit_spin(QWidget* w, std::function<void()> commit)
{
    auto* spin = as<QSpinBox>(w);
    spin->setKeyboardTracking(false);
    QObject::connect(spin, &QSpinBox::valueChanged, std::move(commit));
}

void lock_spin(QWidget* w, bool locked)
{
    auto* spin = as<QAbstractSpinBox>(w);
    const char* kButtons = "telvarButtonSymbols";
    if (!spin->property(kButtons).isValid())
        spin->setProperty(kButtons, static_cast<int>(spin->buttonSymbols()));
    spin->setReadOnly(locked);
    spin->setButtonSymbols(locked ? QAbstractSpinBox::NoButtons
                                  : static_cast<QAbstractSpinBox::ButtonSymbols>(spin->property(kButtons).toInt()));
}

// Rings: entries with int values; entries without values (as a panel file
// lists them) count by position.
double ring_number(const QWidget* w)
{
    const auto* combo = as<QComboBox>(w);
    return combo->currentData().isValid() ? combo->currentData().toDouble() : combo->currentIndex();
}

int set_ring_number(QWidget* w, double value)
{
    auto* combo = as<QComboBox>(w);
    const int wanted = rounded(value);
    const bool valued = combo->count() > 0 && combo->itemData(0).isValid();
    const int index = valued ? combo->findData(wanted) : (wanted < combo->count() ? wanted : -1);
    if (index < 0)
        return UIE_BAD_ATTRIBUTE;
    combo->setCurrentIndex(index);
    return 0;
}

QString combo_text(const QWidget* w)
{
    return as<QComboBox>(w)->currentText();
}

void commit_on_choice(QWidget* w, std::function<void()> commit)
{
    QObject::connect(as<QComboBox>(w), &QComboBox::activated, std::move(commit));
}

void set_combo_text(QWidget* w, const QString& text)
{
    as<QComboBox>(w)->setEditText(text);
}

// Typed text commits on Enter or when the field is left after a change; an
// entry chosen from the list commits at once, as if typed. Edits are
// tracked apart from isModified(), which inline completion clears.
void commit_typed_or_chosen(QWidget* w, std::function<void()> commit)
{
    auto* combo = as<QComboBox>(w);
    QLineEdit* edit = combo->lineEdit();
    QObject::connect(edit, &QLineEdit::textEdited, [edit] { edit->setProperty("telvarEdited", true); });
    QObject::connect(combo, &QComboBox::activated, [edit, commit] {
        edit->setProperty("telvarEdited", false);
        commit();
    });
    QObject::connect(edit, &QLineEdit::editingFinished, [edit, commit] {
        if (!edit->property("telvarEdited").toBool())
            return;
        edit->setProperty("telvarEdited", false);
        commit();
    });
}

void lock_editable_combo(QWidget* w, bool locked)
{
    lock_input(w, locked);
    as<QComboBox>(w)->lineEdit()->setReadOnly(locked);
}

QString line_text(const QWidget* w)
{
    return as<QLineEdit>(w)->text();
}

void set_line_text(QWidget* w, const QString& text)
{
    as<QLineEdit>(w)->setText(text);
}

void commit_changed_line(QWidget* w, std::function<void()> commit)
{
    auto* edit = as<QLineEdit>(w);
    QObject::connect(edit, &QLineEdit::editingFinished, [edit, commit] {
        if (!edit->isModified())
            return;
        edit->setModified(false);
        commit();
    });
}

void lock_line(QWidget* w, bool locked)
{
    as<QLineEdit>(w)->setReadOnly(locked);
}

// Labels show what code gives them as typed, never as markup, and tell
// screen readers their text: a file's fixed name would hide the value.
QString label_text(const QWidget* w)
{
    return as<QLabel>(w)->text();
}

void set_label_text(QWidget* w, const QString& text)
{
    auto* label = as<QLabel>(w);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAccessibleName(text);
    // Texts made at run time take the size their text needs.
    if (label->property("telvarAutoSize").toBool())
        label->adjustSize();
}

// Text boxes: setting appends, getting gives the whole text.
QString plain_box_text(const QWidget* w)
{
    return as<QPlainTextEdit>(w)->toPlainText();
}

void append_plain_box(QWidget* w, const QString& text)
{
    auto* box = as<QPlainTextEdit>(w);
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(text);
    box->setAccessibleName(box->toPlainText());
}

void lock_plain_box(QWidget* w, bool locked)
{
    as<QPlainTextEdit>(w)->setReadOnly(locked);
}

double progress_number(const QWidget* w)
{
    return as<QProgressBar>(w)->value();
}

int set_progress_number(QWidget* w, double value)
{
    // QProgressBar repaints at once on a visible change; a loop that sets it
    // twice a pass would paint twice a pass. Drawn with the next event pass instead.
    auto* bar = as<QProgressBar>(w);
    bar->setUpdatesEnabled(false);
    bar->setValue(rounded(value));
    bar->setUpdatesEnabled(true);
    return 0;
}

// Checked buttons keep the look the panel gives them: a button colour is
// for the button while off, the on colour while on.
constexpr ColourSelectors kButtonColours = {"%1:!checked", "%1", "%1:checked", "%1:disabled:!checked"};
constexpr ColourSelectors kPlainColours = {"%1", "%1", nullptr};
// The text field and the drop-down list of a combo box share its colours.
constexpr ColourSelectors kComboColours = {"%1, %1 QLineEdit, %1 QAbstractItemView",
                                           "%1, %1 QLineEdit, %1 QAbstractItemView", nullptr};
constexpr ColourSelectors kBarColours = {"%1", "%1", "%1::chunk"};
constexpr ColourSelectors kBackgroundOnly = {"%1", nullptr, nullptr};
constexpr ColourSelectors kNoColours = {nullptr, nullptr, nullptr};

// First match wins: a kind comes before the kinds it is a special case of.
constexpr ControlKind kKinds[] = {
    // push button
    {is<QPushButton>, button_number, set_button_number, nullptr, nullptr, commit_on_click, dim, lock_input,
     kButtonColours},
    // check button
    {is<QCheckBox>, button_number, set_button_number, nullptr, nullptr, commit_on_click, dim, lock_input,
     kPlainColours},
    // spin box
    {is<QSpinBox>, spin_number, set_spin_number, nullptr, nullptr, commit_spin, dim, lock_spin, kPlainColours},
    // editable combo box: a text field with a list
    {is_editable_combo, nullptr, nullptr, combo_text, set_combo_text, commit_typed_or_chosen, dim,
     lock_editable_combo, kComboColours},
    // ring: a plain combo box of valued entries
    {is<QComboBox>, ring_number, set_ring_number, combo_text, nullptr, commit_on_choice, dim, lock_input,
     kComboColours},
    // line edit
    {is<QLineEdit>, nullptr, nullptr, line_text, set_line_text, commit_changed_line, dim, lock_line,
     kPlainColours},
    // label: text message, numeric display, picture
    {is<QLabel>, nullptr, nullptr, label_text, set_label_text, nullptr, dim, nullptr, kPlainColours},
    // plain text box
    {is<QPlainTextEdit>, nullptr, nullptr, plain_box_text, append_plain_box, nullptr, dim, lock_plain_box,
     kPlainColours},
    // progress bar
    {is<QProgressBar>, progress_number, set_progress_number, nullptr, nullptr, nullptr, dim, nullptr,
     kBarColours},
    // plot: drawn by the graph functions, no value
    {is_plot, nullptr, nullptr, nullptr, nullptr, nullptr, dim, nullptr, kNoColours},
    // decoration
    {is<QFrame>, nullptr, nullptr, nullptr, nullptr, nullptr, dim, nullptr, kBackgroundOnly},
    // anything else: no value
    {is_any, nullptr, nullptr, nullptr, nullptr, nullptr, dim, nullptr, kNoColours},
};

}  // namespace

const ControlKind& kind_of(const QWidget* widget)
{
    for (const ControlKind& kind : kKinds)
        if (kind.is(widget))
            return kind;
    return kKinds[std::size(kKinds) - 1];
}

}  // namespace telvar::detail
