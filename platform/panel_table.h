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
    PanelCallbackPtr callback = nullptr;
    std::map<int, QPointer<QWidget>> controls;
    std::map<const QWidget*, int> ids;
    std::map<int, CtrlCallbackPtr> callbacks;
};

Panel* find_panel(int panel);
QWidget* find_control(int panel, int control);
// The new panel's handle.
int add_panel(Panel panel);

void deliver_control_event(int panel, int control, int event, int eventData1 = 0, int eventData2 = 0);
void deliver_panel_event(int panel, int event);

}  // namespace telvar::detail
