// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_target.h"

#include "cli/console.h"
#include "cli/exit_codes.h"
#include "platform/csv_file.h"
#include "platform/files.h"

#include <QDir>
#include <cerrno>
#include <QFileInfo>

#include <filesystem>
#include <vector>

namespace telvar::cli {

namespace {

std::string folder_of(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? "." : folder.string();
}

std::string failure_text(const std::string& path, const std::string& why)
{
    return WithReason("Could not write the CSV file: " + csv_name(path), why);
}

bool refused_target(std::string* why, const std::string& reason)
{
    *why = reason;
    return false;
}

}  // namespace

std::string csv_name(const std::string& path)
{
    return path.empty() ? "standard output" : path;
}

int csv_failure(const std::string& path, const std::string& why)
{
    return fail(EXIT_FILE, failure_text(path, why));
}

bool csv_target_takes_rows(const std::string& path, std::string* why)
{
    if (path.empty())
        return true;
    const QFileInfo target(QString::fromLocal8Bit(path.c_str()));
    if (target.isDir())
        return refused_target(why, ErrorReason(EISDIR));
    if (target.exists() && !target.isWritable())
        return refused_target(why, ErrorReason(EACCES));
    return DirectoryWritable(folder_of(path), why);
}

// A save replaces only a plain file: a device such as /dev/full is refused.
bool csv_target_takes_file(const std::string& path, std::string* why)
{
    if (!csv_target_takes_rows(path, why))
        return false;
    const QFileInfo target(QString::fromLocal8Bit(path.c_str()));
    return path.empty() || !target.exists() || target.isFile() || refused_target(why, "not a plain file");
}

int deliver_csv(const std::string& path, const std::string& csv, const std::string& rescue_name)
{
    std::vector<std::string> places{path};
    if (!path.empty())
        places.emplace_back();
    places.push_back(QDir::temp().filePath(QString::fromLocal8Bit(rescue_name.c_str())).toLocal8Bit().toStdString());
    for (std::size_t k = 0; k < places.size(); ++k) {
        std::string why;
        if (SaveCsv(places[k], csv, &why))
            return k == 0 ? EXIT_DONE : EXIT_FILE;
        const bool last = k + 1 == places.size();
        note(failure_text(places[k], why) + (last ? "; its rows are lost" : "; its rows go to " + csv_name(places[k + 1]) + " instead"));
    }
    return EXIT_FILE;
}

}  // namespace telvar::cli
