// SPDX-License-Identifier: GPL-3.0-or-later
// Controls made at run time, pictures shown in picture controls, and the
// entries of list controls.
#include "platform/panel_table.h"
#include "platform/shown_text.h"
#include "platform/pictures.h"

#include <QComboBox>
#include <QLabel>

namespace telvar {

namespace {

// Numbers of controls made at run time, apart from the roles of the files.
int g_next_new_control = 100000;

}  // namespace

int NewCtrl(int panel, int style, const char* label, int top, int left)
{
    detail::Panel* p = detail::find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    if (style != CTRL_TEXT_MSG)
        return UIE_BAD_ATTRIBUTE;
    auto* text = new QLabel(p->widget);
    text->setTextFormat(Qt::PlainText);
    text->setText(detail::shown_text(label));
    text->move(left, top);
    text->setAutoFillBackground(true);
    text->setProperty("telvarAutoSize", true);  // grows with its text and font
    text->adjustSize();
    text->show();
    const int control = g_next_new_control++;
    p->controls[control] = text;
    p->ids[text] = control;
    return control;
}

int DisplayImageFile(int panel, int control, const char* fileName)
{
    auto* picture = qobject_cast<QLabel*>(detail::find_control(panel, control));
    if (!picture)
        return UIE_BAD_CONTROL;
    return detail::show_picture(picture, QString::fromLocal8Bit(fileName)) ? 0 : UIE_FILE_NOT_READABLE;
}

int ClearListCtrl(int panel, int control)
{
    auto* list = qobject_cast<QComboBox*>(detail::find_control(panel, control));
    if (!list)
        return UIE_BAD_CONTROL;
    list->clear();
    return 0;
}

int InsertListItem(int panel, int control, int index, const char* label, int value)
{
    auto* list = qobject_cast<QComboBox*>(detail::find_control(panel, control));
    if (!list || index < -1 || index > list->count())
        return UIE_BAD_CONTROL;
    list->insertItem(index == -1 ? list->count() : index, detail::shown_text(label), value);
    return 0;
}

int GetNumListItems(int panel, int control, int* count)
{
    auto* list = qobject_cast<QComboBox*>(detail::find_control(panel, control));
    if (!list)
        return UIE_BAD_CONTROL;
    *count = list->count();
    return 0;
}

}  // namespace telvar
