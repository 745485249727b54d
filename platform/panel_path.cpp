#include "platform/panel_path.h"

#include <QDir>
#include <QFileInfo>

namespace telvar::detail {

QString panel_file_path(const QString& program_dir, const QString& name)
{
    if (QFileInfo(name).isAbsolute())
        return name;
    const QDir program(program_dir);
    const QString beside = program.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    // The build fills in the data folder as seen from the program's folder.
    const QString installed =
        QDir::cleanPath(program.filePath(QStringLiteral(TELVAR_INSTALLED_DATA_DIR "/") + name));
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace telvar::detail
