// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a panel file into widgets. Only faults of the file itself refuse
// it: a file that cannot be read, XML that is not well formed, a widget,
// layout or action that cannot be made. Warnings the toolkit prints while
// the widgets are made, for whatever reason, do not. Internal to the
// platform layer.
#pragma once

#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace telvar::detail {

struct PanelFile {
    std::unique_ptr<QWidget> top;
    // Picture controls that the file gives an SVG picture: object name, file.
    std::vector<std::pair<QString, QString>> svg_pictures;
};

// 0, UIE_FILE_NOT_READABLE or UIE_BAD_FILE.
int read_panel_file(const QString& path, PanelFile* file);

}  // namespace telvar::detail
