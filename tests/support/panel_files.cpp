// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/panel_files.h"

#include <QDir>
#include <QFile>

namespace telvar::test {

QByteArray ui_widget(const QByteArray& cls, const QByteArray& name, const QByteArray& inner)
{
    return "<widget class=\"" + cls + "\" name=\"" + name + "\">" + inner + "</widget>";
}

QByteArray ui_property(const QByteArray& name, const QByteArray& value, bool stdset)
{
    return "<property name=\"" + name + "\"" + (stdset ? "" : " stdset=\"0\"") + ">" + value + "</property>";
}

QByteArray ui_geometry(int x, int y, int width, int height)
{
    return ui_property("geometry", "<rect><x>" + QByteArray::number(x) + "</x><y>" + QByteArray::number(y)
                                       + "</y><width>" + QByteArray::number(width) + "</width><height>"
                                       + QByteArray::number(height) + "</height></rect>");
}

std::string PanelFiles::path(const char* name) const
{
    return QDir(dir_.path()).filePath(QString::fromLatin1(name)).toStdString();
}

int PanelFiles::load(const char* name, const QByteArray& widgets, const std::vector<ControlRole>& roles,
                     const QByteArray& properties, int parentPanel)
{
    const QByteArray content = "<ui version=\"4.0\"><class>P</class><widget class=\"QWidget\" name=\"P\">"
        + ui_geometry(0, 0, 400, 300) + ui_property("resource", "<number>1</number>", false) + properties
        + widgets + "</widget></ui>";
    QFile file(QString::fromStdString(path(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return UIE_FILE_NOT_READABLE;
    file.close();
    DefinePanelRoles(path(name).c_str(), 1, roles);
    return LoadPanel(parentPanel, path(name).c_str(), 1);
}

}  // namespace telvar::test
