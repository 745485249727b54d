// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace telvar::cli {

namespace {

std::string compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

// The controller's and the system's texts are bytes of no known encoding:
// Latin-1 takes each byte as one character, so no byte is lost.
QString bytes(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

std::string info_json(const std::string& line, const std::string& version)
{
    return compact({{"line", QString::fromStdString(line)}, {"version", bytes(version)}});
}

std::string station_info_json(const std::string& line, const std::string& version, const std::string& tool)
{
    return compact(
        {{"line", QString::fromStdString(line)}, {"version", bytes(version)}, {"tool", QString::fromStdString(tool)}});
}

std::string parameters_json(const IniText& ini)
{
    QJsonObject sections;
    for (const IniSection& section : ini.sections) {
        QJsonObject keys;
        for (const IniItem& item : section.items) {
            bool whole = false;
            const qlonglong number = QString::fromStdString(item.value).toLongLong(&whole);
            keys.insert(QString::fromStdString(item.key), whole ? QJsonValue(number) : QJsonValue(bytes(item.value)));
        }
        sections.insert(QString::fromStdString(section.name), keys);
    }
    return compact(sections);
}

std::string verify_json(int compared, const std::vector<Difference>& differences)
{
    QJsonArray found;
    for (const Difference& difference : differences)
        found.append(QJsonObject{
            {"section", QString::fromLatin1(difference.key->section)},
            {"key", QString::fromLatin1(difference.key->key)},
            {"file", difference.ours},
            {"controller", difference.theirs},
        });
    return compact({{"compared", compared}, {"differences", found}});
}

std::string ports_json(const std::vector<ComPortInfo>& ports)
{
    QJsonArray list;
    for (const ComPortInfo& port : ports)
        list.append(QJsonObject{
            {"port", port.port},
            {"device", QString::fromStdString(port.device)},
            {"description", QString::fromStdString(port.description)},
            {"manufacturer", QString::fromStdString(port.manufacturer)},
            {"serial_number", QString::fromStdString(port.serial_number)},
            {"accessible", port.accessible},
        });
    return compact({{"ports", list}});
}

}  // namespace telvar::cli
