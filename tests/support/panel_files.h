// SPDX-License-Identifier: GPL-3.0-or-later
// Panel files written on the fly for tests of the platform: one panel
// (resource 1) of the given widgets, in a temporary directory, loaded with
// a role for every control the test names.
#pragma once

#include "platform/userint.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace telvar::test {

// One widget of a panel file: class, object name and inner XML (properties, items).
QByteArray ui_widget(const QByteArray& cls, const QByteArray& name, const QByteArray& inner = "");
// A property of a widget: its XML, as <string>text</string> or <bool>true</bool>.
QByteArray ui_property(const QByteArray& name, const QByteArray& value, bool stdset = true);
QByteArray ui_geometry(int x, int y, int width, int height);

class PanelFiles {
public:
    // Writes a panel file named `name` whose panel holds `widgets` (and the
    // panel's own `properties`), defines the roles and loads it: the handle
    // or a negative code.
    int load(const char* name, const QByteArray& widgets, const std::vector<ControlRole>& roles,
             const QByteArray& properties = "", int parentPanel = 0);
    std::string path(const char* name) const;

private:
    QTemporaryDir dir_;
};

}  // namespace telvar::test
