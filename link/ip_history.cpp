#include "link/ip_history.h"

#include "platform/files.h"

#include <algorithm>

namespace telvar {

std::vector<std::string> read_ip_history(const std::string& path)
{
    std::string data;
    if (ReadWholeFile(path, &data) != FILE_OK)
        return {};
    const std::size_t count = data.size() / IP_RECORD_SIZE;

    // Each entry is a line of at most 20 characters; a zero byte ends its text.
    std::vector<std::string> entries;
    std::size_t pos = 0;
    for (std::size_t k = 0; k < count && pos < data.size(); ++k) {
        std::size_t end = data.find('\n', pos);
        if (end == std::string::npos)
            end = data.size();
        std::string text = data.substr(pos, std::min<std::size_t>(end - pos, IP_RECORD_TEXT));
        pos = end + 1;
        text.resize(std::min(text.size(), text.find('\0')));
        if (!text.empty())
            entries.push_back(text);
    }
    return entries;
}

bool write_ip_history(const std::string& path, const std::vector<std::string>& entries)
{
    std::string data;
    for (const std::string& entry : entries) {
        std::string record(IP_RECORD_TEXT, '\0');
        std::copy_n(entry.data(), std::min<std::size_t>(entry.size(), IP_RECORD_TEXT), record.begin());
        data += record + '\n';
    }
    return SaveFileAtomically(path, data) == FILE_OK;
}

std::string ip_history_location(const std::string& program_dir, const std::string& file_name)
{
    const std::string dir = ProgramDirectoryForFiles(program_dir) ? program_dir : UserDataDir();
    return dir + "/" + file_name;
}

}  // namespace telvar
