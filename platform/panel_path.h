// SPDX-License-Identifier: GPL-3.0-or-later
// Where a panel file named without a folder is read from. Internal to the
// platform layer.
#pragma once

#include <QString>

namespace telvar::detail {

// Beside the program, as in the build tree or a folder of its own; else in
// the data folder of an installed program (../share/telvar-k20-dizer from
// bin/). A name found in neither place stays beside the program, so that
// the failure names the program's folder. A full path is taken as it is.
QString panel_file_path(const QString& program_dir, const QString& name);

// Whether the program runs installed: its data folder is there.
bool installed_program(const QString& program_dir);

}  // namespace telvar::detail
