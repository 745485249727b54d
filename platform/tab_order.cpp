// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/panel_table.h"
#include "platform/userint.h"

#include <QList>
#include <QWidget>

namespace telvar {

namespace {

// The inner part of a compound control (a spin box's text field) moves with
// the control it belongs to.
bool inner_part(const QWidget* w, const QWidget* panel)
{
    const QWidget* holder = w->parentWidget();
    return holder != panel && holder->focusProxy() == w;
}

}  // namespace

int SetPanelTabPosition(int childPanel, int panel, int control)
{
    detail::Panel* child = detail::find_panel(childPanel);
    if (!child || child->parent != panel)
        return UIE_BAD_PANEL;
    QWidget* after = detail::find_control(panel, control);
    if (!after)
        return UIE_BAD_CONTROL;
    QWidget* page = child->widget;
    // The panel itself too: Tab from a panel that holds the focus goes on to its first control.
    QList<QWidget*> parts{page};
    for (QWidget* w = page->nextInFocusChain(); w != page && page->isAncestorOf(w); w = w->nextInFocusChain())
        if (!inner_part(w, page))
            parts.append(w);
    // QWidget::setTabOrder leaves a widget that takes no focus where it is;
    // frames, captions and controls locked for now take none, yet must come
    // along, so that a control once freed stands in its place.
    QList<Qt::FocusPolicy> policies;
    for (QWidget* w : parts) {
        policies.append(w->focusPolicy());
        if (w->focusPolicy() == Qt::NoFocus)
            w->setFocusPolicy(Qt::TabFocus);
    }
    QWidget* previous = after;
    for (QWidget* w : parts) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
    for (qsizetype k = 0; k < parts.size(); ++k)
        parts[k]->setFocusPolicy(policies[k]);
    return 0;
}

}  // namespace telvar
