// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ip_history.h"

#include "platform/files.h"

namespace telvar {

std::vector<std::string> read_ip_history(const std::string& path)
{
    std::string data;
    if (ReadWholeFile(path, FileKind::history, &data) != FILE_OK)
        return {};
    return ip_history_entries(data);
}

bool write_ip_history(const std::string& path, const std::vector<std::string>& entries)
{
    return SaveFileAtomically(path, ip_history_records(entries)) == FILE_OK;
}

std::string ip_history_location(const std::string& program_dir, const std::string& file_name)
{
    const std::string dir = ProgramDirectoryForFiles(program_dir) ? program_dir : UserDataDir();
    return dir + "/" + file_name;
}

}  // namespace telvar
