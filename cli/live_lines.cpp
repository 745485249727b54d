// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/live_lines.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

namespace telvar::cli {

namespace {

// The values of a sample, in the recorder's order: live words 1 to 7, then
// the thresholds as the chart draws them.
struct LiveKey {
    const char* key;
    int word;   // 1-7, or 0 for a trace
    int trace;  // TRACE_..., when word is 0
};

constexpr LiveKey kKeys[] = {
    {"evaluation", 1, 0},
    {"a", 2, 0},
    {"b", 3, 0},
    {"a_second", 4, 0},
    {"b_second", 5, 0},
    {"a_third", 6, 0},
    {"b_third", 7, 0},
    {"a_trigger", 0, TRACE_A_TRIGGER},
    {"a_upper", 0, TRACE_A_UPPER},
    {"a_reference", 0, TRACE_A_REFERENCE},
    {"a_lower", 0, TRACE_A_LOWER},
    {"b_trigger", 0, TRACE_B_TRIGGER},
    {"b_upper", 0, TRACE_B_UPPER},
    {"b_reference", 0, TRACE_B_REFERENCE},
    {"b_lower", 0, TRACE_B_LOWER},
    {"evaluation_upper", 0, TRACE_EVAL_UPPER},
    {"evaluation_reference", 0, TRACE_EVAL_REFERENCE},
    {"evaluation_lower", 0, TRACE_EVAL_LOWER},
};

long value_of(const LivePoint& point, const LiveKey& key)
{
    return key.word ? point.live[key.word] : static_cast<long>(point.traces[key.trace - 1]);
}

// A JSON string, quotes and escapes as Qt's JSON writer makes them.
std::string json_string(const std::string& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{QString::fromStdString(text)}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2).toStdString();
}

}  // namespace

std::string jsonl_line(const LivePoint& point)
{
    const qint64 ms = std::chrono::duration_cast<std::chrono::milliseconds>(point.time.time_since_epoch()).count();
    const QString time = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
    std::string line = "{\"time\":\"" + time.toStdString() + "\",\"seq\":" + std::to_string(point.seq)
                       + ",\"line\":" + json_string(point.line);
    if (!point.name.empty())
        line += ",\"name\":" + json_string(point.name);
    for (const LiveKey& key : kKeys)
        line += ",\"" + std::string(key.key) + "\":" + std::to_string(value_of(point, key));
    return line + "}\n";
}

std::string influx_tag(std::string_view value)
{
    std::string escaped;
    for (const char c : value) {
        if (c == ',' || c == '=' || c == ' ' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string influx_line(const LivePoint& point)
{
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(point.time.time_since_epoch()).count();
    std::string line = "telvar_k20,line=" + influx_tag(point.line);
    if (!point.name.empty())
        line += ",name=" + influx_tag(point.name);
    line += " seq=" + std::to_string(point.seq) + "i";
    for (const LiveKey& key : kKeys)
        line += "," + std::string(key.key) + "=" + std::to_string(value_of(point, key)) + "i";
    return line + " " + std::to_string(ns) + "\n";
}

}  // namespace telvar::cli
