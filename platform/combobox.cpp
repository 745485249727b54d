// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/combobox.h"
#include "platform/shown_text.h"

#include "platform/qt_access.h"
#include "platform/userint.h"

#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

#include <cstring>

namespace telvar {

namespace {

QComboBox* combo_of(int panel, int control)
{
    auto* combo = qobject_cast<QComboBox*>(ControlWidget(panel, control));
    return combo && combo->isEditable() ? combo : nullptr;
}

// Up and Down open the list instead of stepping through it.
class ArrowKeysOpenList : public QObject {
public:
    explicit ArrowKeysOpenList(QComboBox* combo) : QObject(combo), combo_(combo) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        combo_->showPopup();
        return true;
    }

private:
    QComboBox* combo_;
};

}  // namespace

int Combo_NewComboBox(int panel, int control)
{
    QComboBox* combo = combo_of(panel, control);
    if (!combo)
        return UIE_BAD_CONTROL;
    if (combo->property("telvarCombo").toBool())
        return 0;
    combo->setProperty("telvarCombo", true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(false);
    auto* completer = new QCompleter(combo->model(), combo);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setFilterMode(Qt::MatchStartsWith);
    combo->setCompleter(completer);
    auto* filter = new ArrowKeysOpenList(combo);
    combo->installEventFilter(filter);
    combo->lineEdit()->installEventFilter(filter);
    return 0;
}

int Combo_InsertComboItem(int panel, int control, int index, const char* item, const char* value)
{
    QComboBox* combo = combo_of(panel, control);
    if (!combo || index < -1 || index > combo->count())
        return UIE_BAD_CONTROL;
    const QString text = detail::shown_text(item);
    // Inserting must not change what the operator has in the field.
    const QString typed = combo->currentText();
    combo->insertItem(index == -1 ? combo->count() : index, text, QString::fromLatin1(value));
    combo->setEditText(typed);
    return 0;
}

int Combo_DeleteComboItem(int panel, int control, int index, int count)
{
    QComboBox* combo = combo_of(panel, control);
    if (!combo || index < 0)
        return UIE_BAD_CONTROL;
    const QString typed = combo->currentText();
    const int last = count < 0 ? combo->count() : std::min(combo->count(), index + count);
    for (int k = last - 1; k >= index; --k)
        combo->removeItem(k);
    combo->setEditText(typed);
    return 0;
}

int Combo_GetIndexFromValue(int panel, int control, int* index, const char* value)
{
    QComboBox* combo = combo_of(panel, control);
    if (!combo)
        return UIE_BAD_CONTROL;
    *index = combo->findData(QString::fromLatin1(value), Qt::UserRole, Qt::MatchExactly);
    return 0;
}

int Combo_GetNumComboItems(int panel, int control, int* count)
{
    QComboBox* combo = combo_of(panel, control);
    if (!combo)
        return UIE_BAD_CONTROL;
    *count = combo->count();
    return 0;
}

int Combo_GetValueFromIndex(int panel, int control, int index, char* value, std::size_t size)
{
    QComboBox* combo = combo_of(panel, control);
    if (!combo || index < 0 || index >= combo->count() || size == 0)
        return UIE_BAD_CONTROL;
    const QByteArray bytes = combo->itemData(index).toString().toLatin1();
    const std::size_t n = std::min<std::size_t>(bytes.size(), size - 1);
    std::memcpy(value, bytes.constData(), n);
    value[n] = '\0';
    return 0;
}

int Combo_SetComboAttribute(int panel, int control, int attribute, int value)
{
    if (!combo_of(panel, control))
        return UIE_BAD_CONTROL;
    if (attribute != ATTR_VISIBLE && attribute != ATTR_TEXT_BGCOLOR)
        return UIE_BAD_ATTRIBUTE;
    return SetCtrlAttribute(panel, control, attribute, value);
}

}  // namespace telvar
