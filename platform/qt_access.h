// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt widgets behind panel and control handles: for the platform's own
// parts (plots, print) and for tests that drive a panel like an operator.
#pragma once

class QWidget;

namespace telvar {

QWidget* PanelWidget(int panel);
QWidget* ControlWidget(int panel, int control);
// The handle of a panel widget, 0 when it is none.
int PanelHandle(const QWidget* widget);

}  // namespace telvar
