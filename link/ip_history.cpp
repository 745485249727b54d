#include "link/ip_history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace telvar {

std::vector<std::string> read_ip_history(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    const qsizetype count = data.size() / IP_RECORD_SIZE;

    std::vector<std::string> entries;
    qsizetype pos = 0;
    for (qsizetype k = 0; k < count && pos < data.size(); ++k) {
        qsizetype end = data.indexOf('\n', pos);
        if (end < 0)
            end = data.size();
        QByteArray text = data.mid(pos, std::min<qsizetype>(end - pos, IP_RECORD_TEXT));
        pos = end + 1;
        const qsizetype zero = text.indexOf('\0');
        if (zero >= 0)
            text.truncate(zero);
        if (!text.isEmpty())
            entries.push_back(text.toStdString());
    }
    return entries;
}

bool write_ip_history(const std::string& path, const std::vector<std::string>& entries)
{
    QByteArray data;
    for (const std::string& entry : entries) {
        QByteArray record(IP_RECORD_TEXT, '\0');
        const std::size_t n = std::min<std::size_t>(entry.size(), IP_RECORD_TEXT);
        std::copy_n(entry.data(), n, record.data());
        data += record;
        data += '\n';
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // flush() before commit(): a full disk shows only when the data goes out.
    if (file.write(data) != data.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::string ip_history_location(const std::string& program_dir, const std::string& file_name)
{
    const QFileInfo dir(QString::fromStdString(program_dir));
    if (dir.isDir() && dir.isWritable())
        return QDir(dir.filePath()).filePath(QString::fromStdString(file_name)).toStdString();
    const QString user_dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user_dir);
    return QDir(user_dir).filePath(QString::fromStdString(file_name)).toStdString();
}

}  // namespace telvar
