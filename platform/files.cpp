// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files.h"

#include "platform/handle_table.h"
#include "platform/panel_path.h"
#include "platform/test_seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <memory>

namespace telvar {

namespace {

bool g_fail_writes = false;

}  // namespace

void FailFileWrites(bool fail)
{
    g_fail_writes = fail;
}

int ReadWholeFile(const std::string& path, std::string* content)
{
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return FILE_CANNOT_OPEN;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FILE_CANNOT_OPEN;
    content->assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return FILE_OK;
}

namespace {

detail::HandleTable<std::unique_ptr<QFile>> g_text_files;

}  // namespace

int OpenTextFile(const std::string& path)
{
    auto file = std::make_unique<QFile>(QString::fromLocal8Bit(path.c_str()));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return FILE_CANNOT_OPEN;
    return g_text_files.add(std::move(file));
}

int WriteTextFile(int handle, const std::string& text)
{
    const auto* file = g_text_files.find(handle);
    if (!file || g_fail_writes)
        return FILE_WRITE_FAILED;
    const auto size = static_cast<qint64>(text.size());
    return (*file)->write(text.data(), size) == size ? FILE_OK : FILE_WRITE_FAILED;
}

int CloseTextFile(int handle)
{
    const auto* file = g_text_files.find(handle);
    if (!file)
        return FILE_CANNOT_OPEN;
    (*file)->close();
    const bool failed = (*file)->error() != QFileDevice::NoError;
    g_text_files.remove(handle);
    return failed ? FILE_WRITE_FAILED : FILE_OK;
}

int SaveFileAtomically(const std::string& path, const std::string& content)
{
    const QString name = QString::fromLocal8Bit(path.c_str());
    if (QFileInfo::exists(name)) {
        QFile target(name);
        if (!QFileInfo(name).isFile() || !target.open(QIODevice::ReadWrite | QIODevice::Append))
            return FILE_CANNOT_OPEN;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return FILE_CANNOT_OPEN;
    const auto size = static_cast<qint64>(content.size());
    // flush() before commit(): a full device shows only when the data goes out.
    if (g_fail_writes || file.write(content.data(), size) != size || !file.flush()) {
        file.cancelWriting();
        return FILE_WRITE_FAILED;
    }
    return file.commit() ? FILE_OK : FILE_WRITE_FAILED;
}

bool DirectoryWritable(const std::string& path)
{
    const QFileInfo dir(QString::fromLocal8Bit(path.c_str()));
    return dir.isDir() && dir.isWritable();
}

bool ProgramDirectoryForFiles(const std::string& program_dir)
{
    return DirectoryWritable(program_dir) && !detail::installed_program(QString::fromLocal8Bit(program_dir.c_str()));
}

std::string FileDialogsDir(const std::string& program_dir)
{
    return ProgramDirectoryForFiles(program_dir) ? program_dir : DocumentsDir();
}

std::string DocumentsDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toLocal8Bit().toStdString();
}

std::string UserDataDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir.toLocal8Bit().toStdString();
}

std::string UserConfigDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(dir);
    return dir.toLocal8Bit().toStdString();
}

void MoveFileIfAbsent(const std::string& from, const std::string& to)
{
    const QString source = QString::fromLocal8Bit(from.c_str());
    const QString target = QString::fromLocal8Bit(to.c_str());
    if (source != target && QFile::exists(source) && !QFile::exists(target))
        QFile::rename(source, target);
}

}  // namespace telvar
