// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's table of loaded panels; internal to the platform layer.
#pragma once

#include "platform/userint.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace telvar::detail {

struct Panel {
    QPointer<QWidget> widget;
    int parent = 0;
    int owner = 0;  // a top-level panel this one stays above
    PanelCallbackPtr callback = nullptr;
    std::map<int, QPointer<QWidget>> controls;
    std::map<const QWidget*, int> ids;
    std::map<int, CtrlCallbackPtr> callbacks;
};

Panel* find_panel(int panel);
QWidget* find_control(int panel, int control);
// The new panel's handle.
int add_panel(Panel panel);
// Makes a top-level panel stay above another (ATTR_OWNER_PANEL); 0 frees it.
int set_owner(int panel, int owner);

void deliver_control_event(int panel, int control, int event, int eventData1 = 0, int eventData2 = 0);
void deliver_panel_event(int panel, int event);

}  // namespace telvar::detail
