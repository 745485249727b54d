// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a text fits a control: a caller that must keep part of a text in
// sight (a time, a count) shortens the rest until it does.
#include "platform/panel_table.h"
#include "platform/shown_text.h"
#include "platform/userint.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

namespace telvar {

int CtrlTextFits(int panel, int control, const char* text)
{
    const QWidget* w = detail::find_control(panel, control);
    if (!w)
        return UIE_BAD_CONTROL;
    int room = w->contentsRect().width();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        // Inside its margins a label indents its text: by default, with a
        // frame, half the width of an "x" (rounded up here).
        const int indent = label->indent() >= 0 ? label->indent()
            : label->frameWidth() > 0          ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 + 1
                                               : 0;
        room -= 2 * label->margin() + indent;
    }
    return QFontMetrics(w->font()).horizontalAdvance(detail::shown_text(text)) <= room ? 1 : 0;
}

}  // namespace telvar
