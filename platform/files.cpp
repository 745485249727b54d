// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files.h"

#include "platform/handle_table.h"
#include "platform/panel_path.h"
#include "platform/test_seams.h"
#include "platform/translation.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>

namespace telvar {

namespace {

bool g_fail_writes = false;

struct KindLimit {
    const char* refusal;  // why a file too large is refused: %1 is the limit
    int megabytes;
};

// One row a FileKind, in its order. Real parameter files, tables, histories
// settings and fleet targets are a few kilobytes, images a few megabytes.
// Each refusal is a sentence of its own: other languages inflect what the
// file is not.
constexpr KindLimit kKindLimits[] = {
    {TR_NOOP("Files", "larger than %1 MB, not a parameter file"), 1},
    {TR_NOOP("Files", "larger than %1 MB, not a firmware image"), 64},
    {TR_NOOP("Files", "larger than %1 MB, not a linearisation table"), 4},
    {TR_NOOP("Files", "larger than %1 MB, not an address history"), 1},
    {TR_NOOP("Files", "larger than %1 MB, not a settings file"), 1},
    {TR_NOOP("Files", "larger than %1 MB, not a targets file"), 1},
};
static_assert(std::size(kKindLimits) == static_cast<std::size_t>(FileKind::targets) + 1);

constexpr std::int64_t MEGABYTE = 1 << 20;

const KindLimit& limit_of(FileKind kind)
{
    return kKindLimits[static_cast<std::size_t>(kind)];
}

std::string size_refusal(FileKind kind)
{
    const KindLimit& limit = limit_of(kind);
    return with_args(tr_text("Files", limit.refusal), {std::to_string(limit.megabytes)});
}

bool larger_than_kind(std::int64_t bytes, FileKind kind)
{
    return bytes > limit_of(kind).megabytes * MEGABYTE;
}

// Why a file of this status is not one the tool reads or replaces; empty when it is.
std::string not_regular(const struct stat& status)
{
    if (S_ISDIR(status.st_mode))
        return ErrorReason(EISDIR);
    return S_ISREG(status.st_mode) ? std::string() : std::string(tr_text("Files", "not a regular file"));
}

// Why a file of this status is not to be read; empty when it is.
std::string refusal(const struct stat& status, FileKind kind)
{
    if (std::string refused = not_regular(status); !refused.empty())
        return refused;
    return larger_than_kind(status.st_size, kind) ? size_refusal(kind) : std::string();
}

template <typename Result>
Result failed(Result result, std::string* why, std::string reason)
{
    if (why)
        *why = std::move(reason);
    return result;
}

// A reason stands after its text, in brackets: in English it starts small.
// German starts its nouns with a capital wherever they stand.
std::string lower_first(QString text)
{
    if (!text.isEmpty() && current_language() == "en")
        text[0] = text[0].toLower();
    return text.toLocal8Bit().toStdString();
}

// Qt words the system's errors as the system does, though not every one it
// meets on a write: there the system's own word, while errno still holds it.
// Qt's word for that is in the window's language: a file without an error
// tells it.
std::string reason_of(const QFileDevice& file)
{
    const int error = errno;
    const QString reason = file.errorString();
    return reason == QFile().errorString() && error != 0 ? ErrorReason(error) : lower_first(reason);
}

int read_open_file(int fd, FileKind kind, std::string* content, std::string* why)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return failed(FILE_CANNOT_OPEN, why, ErrorReason(errno));
    if (std::string refused = refusal(status, kind); !refused.empty())
        return failed(FILE_CANNOT_OPEN, why, std::move(refused));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(FILE_CANNOT_OPEN, why, ErrorReason(errno));
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
        // A file that grows while it is read is held to the limit too.
        if (larger_than_kind(static_cast<std::int64_t>(bytes.size()), kind))
            return failed(FILE_CANNOT_OPEN, why, size_refusal(kind));
    }
    *content = std::move(bytes);
    return FILE_OK;
}

}  // namespace

void FailFileWrites(bool fail)
{
    g_fail_writes = fail;
}

std::string ErrorReason(int error)
{
    return lower_first(QString::fromLocal8Bit(std::strerror(error)));
}

std::string WithReason(const std::string& text, const std::string& why)
{
    return why.empty() ? text : text + " (" + why + ")";
}

int ReadWholeFile(const std::string& path, FileKind kind, std::string* content, std::string* why)
{
    // Looked at before it is opened: opening a FIFO or a device may wait, or
    // stir the device.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return failed(FILE_CANNOT_OPEN, why, ErrorReason(errno));
    if (std::string refused = refusal(status, kind); !refused.empty())
        return failed(FILE_CANNOT_OPEN, why, std::move(refused));
    // Should a FIFO take the file's place after the look, the open still
    // does not wait for a writer, and the second look refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failed(FILE_CANNOT_OPEN, why, ErrorReason(errno));
    const int code = read_open_file(fd, kind, content, why);
    ::close(fd);
    return code;
}

std::string FileRefusal(const std::string& path, FileKind kind)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? refusal(status, kind) : std::string();
}

namespace {

detail::HandleTable<std::unique_ptr<QFile>> g_text_files;

}  // namespace

int OpenTextFile(const std::string& path, std::string* why)
{
    auto file = std::make_unique<QFile>(QString::fromLocal8Bit(path.c_str()));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return failed(FILE_CANNOT_OPEN, why, reason_of(*file));
    return g_text_files.add(std::move(file));
}

int WriteTextFile(int handle, const std::string& text, std::string* why)
{
    const auto* file = g_text_files.find(handle);
    if (!file)
        return failed(FILE_WRITE_FAILED, why, ErrorReason(EBADF));
    if (g_fail_writes)
        return failed(FILE_WRITE_FAILED, why, ErrorReason(ENOSPC));
    const auto size = static_cast<qint64>(text.size());
    return (*file)->write(text.data(), size) == size ? FILE_OK : failed(FILE_WRITE_FAILED, why, reason_of(**file));
}

int CloseTextFile(int handle, std::string* why)
{
    const auto* file = g_text_files.find(handle);
    if (!file)
        return failed(FILE_CANNOT_OPEN, why, ErrorReason(EBADF));
    (*file)->close();
    const int code =
        (*file)->error() == QFileDevice::NoError ? FILE_OK : failed(FILE_WRITE_FAILED, why, reason_of(**file));
    g_text_files.remove(handle);
    return code;
}

int SaveFileAtomically(const std::string& path, const std::string& content, std::string* why)
{
    const QString name = QString::fromLocal8Bit(path.c_str());
    if (struct stat status {}; ::stat(path.c_str(), &status) == 0) {
        if (std::string refused = not_regular(status); !refused.empty())
            return failed(FILE_CANNOT_OPEN, why, std::move(refused));
        QFile target(name);
        if (!target.open(QIODevice::ReadWrite | QIODevice::Append))
            return failed(FILE_CANNOT_OPEN, why, reason_of(target));
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return failed(FILE_CANNOT_OPEN, why, reason_of(file));
    if (g_fail_writes) {
        file.cancelWriting();
        return failed(FILE_WRITE_FAILED, why, ErrorReason(ENOSPC));
    }
    const auto size = static_cast<qint64>(content.size());
    // flush() before commit(): a full device shows only when the data goes out.
    if (file.write(content.data(), size) != size || !file.flush()) {
        const std::string reason = reason_of(file);
        file.cancelWriting();
        return failed(FILE_WRITE_FAILED, why, reason);
    }
    return file.commit() ? FILE_OK : failed(FILE_WRITE_FAILED, why, reason_of(file));
}

bool DirectoryWritable(const std::string& path, std::string* why)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return failed(false, why, ErrorReason(errno));
    if (!S_ISDIR(status.st_mode))
        return failed(false, why, ErrorReason(ENOTDIR));
    // access() asks the file system too: a read-only one refuses root as well.
    if (::access(path.c_str(), W_OK | X_OK) != 0)
        return failed(false, why, ErrorReason(errno));
    return true;
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
