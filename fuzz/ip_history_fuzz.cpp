// SPDX-License-Identifier: GPL-3.0-or-later
// The address-history loader on any bytes: no entry is empty or over 20
// characters, and the writer's records load back to the same entries. The
// writer, fed the input's lines, cuts each at 20 characters or a zero byte.
#include "fuzz/property.h"
#include "link/ip_history_records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

// Lines of the input, each as an entry the operator might have typed.
Entries lines_of(std::string_view bytes)
{
    Entries lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string_view::npos; start = end + 1)
        lines.emplace_back(bytes.substr(start, end - start));
    lines.emplace_back(bytes.substr(start));
    return lines;
}

// What a record keeps of an entry: 20 characters, up to a zero byte.
Entries as_kept(const Entries& entries)
{
    Entries kept;
    for (const std::string& e : entries) {
        std::string text = e.substr(0, telvar::IP_RECORD_TEXT);
        text = text.substr(0, text.find('\0'));
        if (!text.empty())
            kept.push_back(text);
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace telvar;
    using fuzz::require;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const Entries entries = ip_history_entries(bytes);
    require(entries.size() <= size / IP_RECORD_SIZE, "at most one entry per 21 bytes");
    for (const std::string& e : entries) {
        require(!e.empty() && e.size() <= static_cast<std::size_t>(IP_RECORD_TEXT), "1 to 20 characters");
        require(e.find('\n') == std::string::npos && e.find('\0') == std::string::npos, "no line feed, no zero byte");
    }
    const std::string records = ip_history_records(entries);
    require(records.size() == entries.size() * IP_RECORD_SIZE, "21 bytes a record");
    require(ip_history_entries(records) == entries, "written and loaded again, the entries are the same");

    const Entries typed = lines_of(bytes);
    require(ip_history_entries(ip_history_records(typed)) == as_kept(typed), "the writer keeps 20 characters");
    return 0;
}
