// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ip_history_records.h"

#include <algorithm>

namespace telvar {

std::vector<std::string> ip_history_entries(std::string_view bytes)
{
    const std::size_t count = bytes.size() / IP_RECORD_SIZE;
    std::vector<std::string> entries;
    std::size_t pos = 0;
    for (std::size_t k = 0; k < count && pos < bytes.size(); ++k) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view text = bytes.substr(pos, std::min<std::size_t>(end - pos, IP_RECORD_TEXT));
        pos = end + 1;
        text = text.substr(0, text.find('\0'));
        if (!text.empty())
            entries.emplace_back(text);
    }
    return entries;
}

std::string ip_history_records(const std::vector<std::string>& entries)
{
    std::string bytes;
    for (const std::string& entry : entries) {
        std::string record(IP_RECORD_TEXT, '\0');
        std::copy_n(entry.data(), std::min<std::size_t>(entry.size(), IP_RECORD_TEXT), record.begin());
        bytes += record + '\n';
    }
    return bytes;
}

}  // namespace telvar
