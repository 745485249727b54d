// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fleet_targets.h"

#include "platform/serial_ports.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <charconv>
#include <map>
#include <string_view>

namespace telvar::cli {

namespace {

// A name becomes NAME.ini or NAME.pdf: it must fit a file name with them.
constexpr std::size_t NAME_MAX_BYTES = 251;
constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

bool has_control(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Why the name cannot name the target's file; empty when it can.
std::string name_refusal(const std::string& name)
{
    if (name.empty())
        return "the name is empty";
    if (name.find('/') != std::string::npos || name == "." || name == ".." || has_control(name))
        return "the name '" + name + "' cannot be a file name (no /, . or .., no control characters)";
    if (name.size() > NAME_MAX_BYTES)
        return "the name is longer than " + std::to_string(NAME_MAX_BYTES) + " bytes";
    return {};
}

bool starts_with_prefix(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
           && std::equal(prefix.begin(), prefix.end(), text.begin(),
                         [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string folded(const std::string& name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size())).toCaseFolded().toStdString();
}

}  // namespace

bool parse_target_line(const std::string& text, LineChoice* choice)
{
    const std::string_view line(text);
    if (starts_with_prefix(line, "tcp:")) {
        choice->kind = LineKind::Tcp;
        return parse_tcp_address(line.substr(4), &choice->host, &choice->port);
    }
    if (starts_with_prefix(line, "com:")) {
        const std::string_view digits = line.substr(4);
        int port = 0;
        const auto [stop, fault] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
        choice->kind = LineKind::Com;
        choice->port = port;
        return !digits.empty() && fault == std::errc() && stop == digits.data() + digits.size() && port >= COM_FIRST
               && port <= COM_LAST;
    }
    if (starts_with_prefix(line, "device:")) {
        choice->kind = LineKind::Device;
        choice->device = std::string(line.substr(7));
        return !choice->device.empty() && !has_control(choice->device);
    }
    return false;
}

std::string port_key(const LineChoice& choice)
{
    if (choice.kind == LineKind::Tcp) {
        std::string host = choice.host;
        std::transform(host.begin(), host.end(), host.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        return "tcp:" + host + ":" + std::to_string(choice.port);
    }
    const std::string device = choice.kind == LineKind::Com ? ComDevice(choice.port) : choice.device;
    const QString resolved = QFileInfo(QString::fromLocal8Bit(device.c_str())).canonicalFilePath();
    return "serial:" + (resolved.isEmpty() ? device : resolved.toLocal8Bit().toStdString());
}

bool parse_targets(const std::string& content, const std::string& path, std::vector<FleetTarget>* targets,
                   std::string* error)
{
    std::string_view rest(content);
    if (rest.substr(0, UTF8_BOM.size()) == UTF8_BOM)
        rest.remove_prefix(UTF8_BOM.size());
    // The line number each name is on, by its name in lower case: on a
    // folder that does not tell case apart, ST01.ini and st01.ini are one file.
    std::map<std::string, int> names;
    const auto refuse = [&](int number, const std::string& why) {
        *error = path + ":" + std::to_string(number) + ": " + why;
        return false;
    };
    bool header = false;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view row = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!row.empty() && row.back() == '\r')
            row.remove_suffix(1);
        if (trimmed(row).empty())
            continue;
        const std::size_t comma = row.find(',');
        if (comma == std::string_view::npos || row.find(',', comma + 1) != std::string_view::npos)
            return refuse(number, header ? "a row needs name,line" : "the header must be name,line");
        FleetTarget target;
        target.name = std::string(trimmed(row.substr(0, comma)));
        target.line = std::string(trimmed(row.substr(comma + 1)));
        if (!header) {
            if (target.name != "name" || target.line != "line")
                return refuse(number, "the header must be name,line");
            header = true;
            continue;
        }
        if (const std::string why = name_refusal(target.name); !why.empty())
            return refuse(number, why);
        if (const auto earlier = names.find(folded(target.name)); earlier != names.end())
            return refuse(number, "the name " + target.name + " is on line " + std::to_string(earlier->second) + " already");
        if (!parse_target_line(target.line, &target.choice))
            return refuse(number, "the line '" + target.line + "' is none of tcp:HOST:PORT, com:N (" + std::to_string(COM_FIRST)
                                      + "-" + std::to_string(COM_LAST) + ") and device:PATH");
        names.emplace(folded(target.name), number);
        target.port_key = port_key(target.choice);
        targets->push_back(std::move(target));
    }
    if (!header)
        return refuse(1, "the header must be name,line");
    if (targets->empty())
        *error = path + ": no target under the header name,line";
    return !targets->empty();
}

}  // namespace telvar::cli
