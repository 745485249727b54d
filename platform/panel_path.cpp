// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/panel_path.h"

#include <QDir>
#include <QFileInfo>

namespace telvar::detail {

namespace {

QString installed_data_dir(const QDir& program)
{
    // The build fills in the data folder as seen from the program's folder.
    return QDir::cleanPath(program.filePath(QStringLiteral(TELVAR_INSTALLED_DATA_DIR)));
}

}  // namespace

bool installed_program(const QString& program_dir)
{
    return QFileInfo(installed_data_dir(QDir(program_dir))).isDir();
}

QString panel_file_path(const QString& program_dir, const QString& name)
{
    if (QFileInfo(name).isAbsolute())
        return name;
    const QDir program(program_dir);
    const QString beside = program.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir(installed_data_dir(program)).filePath(name);
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace telvar::detail
