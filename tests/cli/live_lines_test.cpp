// SPDX-License-Identifier: GPL-3.0-or-later
// live's JSON Lines and line-protocol points: the keys and values of a
// sample, the time in both forms, and the escaping the line protocol's
// documentation gives for tag values.
#include "cli/live_lines.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace telvar::cli {
namespace {

LivePoint point_at(const char* utc, const std::string& name)
{
    static const unsigned short live[8] = {0, 2140, 1954, 2357, 1960, 2377, 1950, 2370};
    std::array<double, TRACES> traces{};
    for (int trace = 1; trace <= TRACES; ++trace)
        traces[trace - 1] = 100 * trace;
    const qint64 ms = QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODateWithMs).toMSecsSinceEpoch();
    return {std::chrono::system_clock::time_point(std::chrono::milliseconds(ms)), 7, live, traces,
            "TCP 127.0.0.1:10001", name};
}

TEST(LiveLines, TagValuesEscapeCommasEqualSignsAndSpaces)
{
    const std::pair<const char*, const char*> cases[] = {
        {"server 01", "server\\ 01"},
        {"tag,value", "tag\\,value"},
        {"a=b", "a\\=b"},
        {"TCP 127.0.0.1:10001", "TCP\\ 127.0.0.1:10001"},
        {"C:\\line", "C:\\\\line"},
        {"press\\", "press\\\\"},
        {"plain", "plain"},
    };
    for (const auto& [value, escaped] : cases)
        EXPECT_EQ(influx_tag(value), escaped) << value;
}

TEST(LiveLines, AJsonLineHoldsTheSampleUnderItsKeys)
{
    const std::string line = jsonl_line(point_at("2026-12-08T23:28:05.129Z", "press \"4\""));
    ASSERT_EQ(line.back(), '\n');
    EXPECT_EQ(line.rfind("{\"time\":\"2026-12-08T23:28:05.129Z\",\"seq\":7,", 0), 0u) << line;
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << line;
    EXPECT_EQ(o.size(), 22);
    EXPECT_EQ(o["line"].toString(), "TCP 127.0.0.1:10001");
    EXPECT_EQ(o["name"].toString(), "press \"4\"");
    EXPECT_EQ(o["evaluation"].toInt(), 2140);
    EXPECT_EQ(o["b_third"].toInt(), 2370);
    EXPECT_EQ(o["a_trigger"].toInt(), 100 * TRACE_A_TRIGGER);
    EXPECT_EQ(o["evaluation_lower"].toInt(), 100 * TRACE_EVAL_LOWER);
    EXPECT_FALSE(QJsonDocument::fromJson(QByteArray::fromStdString(jsonl_line(point_at("2026-12-08T23:28:05.129Z", ""))))
                     .object()
                     .contains("name"));
}

TEST(LiveLines, APointCarriesTheSameValuesAsIntegersAndItsTimeInNanoseconds)
{
    EXPECT_EQ(influx_line(point_at("2026-12-08T23:28:05.129Z", "press 4")),
              "telvar_k20,line=TCP\\ 127.0.0.1:10001,name=press\\ 4 seq=7i,evaluation=2140i,a=1954i,b=2357i,"
              "a_second=1960i,b_second=2377i,a_third=1950i,b_third=2370i,a_trigger=400i,a_upper=500i,"
              "a_reference=600i,a_lower=700i,b_trigger=800i,b_upper=900i,b_reference=1000i,b_lower=1100i,"
              "evaluation_upper=1200i,evaluation_reference=1300i,evaluation_lower=1400i 1796772485129000000\n");
}

}  // namespace
}  // namespace telvar::cli
