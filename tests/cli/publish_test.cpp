// SPDX-License-Identifier: GPL-3.0-or-later
// publish against the simulator and a real broker: the station's topics,
// the password and TLS, a broker that restarts, a process that dies, a
// controller's line that goes and comes back, and the refusals.
#include "tests/cli/cli_process.h"

#include "support/broker.h"
#include "telvar_version.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThread>

#include <csignal>
#include <set>

#include <gtest/gtest.h>

namespace telvar::test {
namespace {

class CliPublish : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(broker.ready()) << "mosquitto did not start";
        write_file(password_file, std::string(BROKER_PASSWORD) + "\n");
    }

    QStringList publish(const QString& broker_address, const QString& name) const
    {
        return {"publish", "--broker", broker_address, "--name", name, "--username", BROKER_USER, "--password-file",
                password_file};
    }
    QString plain() const { return "mqtt://127.0.0.1:" + QString::number(broker.port()); }

    Broker broker;
    QString password_file = broker.directory() + "/password";
};

QJsonObject json(const std::string& text)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

std::vector<std::string> payloads(const std::vector<Message>& messages)
{
    std::vector<std::string> texts;
    for (const Message& message : messages)
        texts.push_back(message.payload);
    return texts;
}

std::vector<long> seqs(const std::vector<Message>& live)
{
    std::vector<long> found;
    for (const Message& message : live)
        found.push_back(json(message.payload)["seq"].toInteger());
    return found;
}

// QoS 1 may bring a sample twice; a sample seen for the first time after a
// later one is out of order.
long first_seen_out_of_order(const std::vector<long>& seqs)
{
    std::set<long> seen;
    long highest = 0;
    long late = 0;
    for (const long seq : seqs) {
        late += seen.insert(seq).second && seq < highest;
        highest = std::max(highest, seq);
    }
    return late;
}

TEST_F(CliPublish, TheStationsTopicsComeOverTlsWithAPasswordAndSayOfflineAtTheEnd)
{
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    Subscriber subscriber(broker, "telvar-k20/st01/#", "station");
    const QString tls = "mqtts://localhost:" + QString::number(broker.tls_port());
    CliProcess publisher(tcp_line(sim) + publish(tls, "st01") + QStringList{"--cafile", broker.cafile()}, &sim);
    ASSERT_TRUE(subscriber.wait_for("/live", 20));
    const CliResult ended = publisher.stop(SIGTERM);
    EXPECT_EQ(ended.code, 143) << ended.err;
    EXPECT_EQ(ended.err, "telvar-k20: Interrupted.\n");
    EXPECT_EQ(ended.out, "Publishing to mqtts://localhost:" + std::to_string(broker.tls_port()) + " under telvar-k20/st01/\n");
    ASSERT_TRUE(subscriber.wait_for("/status", 2));
    const std::vector<Message> messages = subscriber.messages();
    EXPECT_EQ(payloads(on_topic(messages, "/status")), (std::vector<std::string>{"online", "offline"}));

    const std::string line = "TCP 127.0.0.1:" + std::to_string(sim.tcp_port());
    const QJsonObject info = json(on_topic(messages, "/info").at(0).payload);
    EXPECT_EQ(info["line"].toString().toStdString(), line);
    EXPECT_EQ(info["version"].toString(), "TELVAR-K20 SIM V1.00");
    EXPECT_EQ(info["tool"].toString().toStdString(), TELVAR_VERSION);

    // The set the controller holds, as get writes it.
    const QJsonObject parameters = json(on_topic(messages, "/parameters").at(0).payload);
    const CliResult get = run_cli(tcp_line(sim) + QStringList{"get", "-o", "-"}, &sim);
    ASSERT_EQ(get.code, 0) << get.err;
    QString section;
    int compared = 0;
    for (const QString& row : QString::fromStdString(get.out).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts)) {
        if (row.startsWith('[')) {
            section = row.mid(1, row.size() - 2);
            continue;
        }
        const QString key = row.section('=', 0, 0).trimmed();
        EXPECT_EQ(parameters[section][key].toInteger(), row.section('=', 1).trimmed().toLongLong()) << section.toStdString() << " " << key.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 40);

    const std::vector<Message> live = on_topic(messages, "/live");
    const std::vector<long> numbers = seqs(live);
    for (std::size_t k = 0; k < numbers.size(); ++k)
        EXPECT_EQ(numbers[k], long(k + 1));
    const QJsonObject sample = json(live.front().payload);
    EXPECT_EQ(sample["name"].toString(), "st01");
    EXPECT_EQ(sample["line"].toString().toStdString(), line);
    EXPECT_TRUE(sample["a_reference"].isDouble());

    // A newcomer finds what was retained: the station and its end.
    Subscriber newcomer(broker, "telvar-k20/st01/#", "newcomer");
    ASSERT_TRUE(newcomer.wait_for("/status", 1));
    ASSERT_TRUE(newcomer.wait_for("/parameters", 1));
    EXPECT_EQ(payloads(on_topic(newcomer.messages(), "/status")), std::vector<std::string>{"offline"});
    EXPECT_TRUE(on_topic(newcomer.messages(), "/live").empty());
}

// A password from the environment that the broker refuses, no broker at
// all, a certificate from a CA not given, a password file that is a folder,
// a password without a user name.
TEST_F(CliPublish, WhatStopsThePublisherIsNamedAndEndsWithItsOwnCode)
{
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    const QString tls = "mqtts://localhost:" + QString::number(broker.tls_port());
    const QString nobody = "mqtt://127.0.0.1:" + QString::number(broker.port() == 1 ? 2 : 1);
    const struct {
        QStringList arguments;
        QStringList environment;
        int code;
        std::string error;
    } cases[] = {
        {{"publish", "--broker", plain(), "--username", BROKER_USER}, {"TELVAR_MQTT_PASSWORD=wrong"}, 8,
         "Could not publish to the broker " + plain().toStdString()
             + ": the broker refused the connection: not authorised (a wrong user name or password, or none given)"},
        {{"publish", "--broker", nobody}, {}, 8,
         "Could not publish to the broker " + nobody.toStdString() + ": no broker answers at "
             + nobody.mid(7).toStdString() + " (TCP/TLS connect failure)"},
        {publish(tls, "st01") + QStringList{"--cafile", broker.stranger_cafile()}, {}, 8,
         "Could not publish to the broker " + tls.toStdString() + ": TLS failed: certificate verify failed"},
        {{"publish", "--broker", plain(), "--password-file", broker.directory()}, {}, 4,
         "Could not read the password file: " + broker.directory().toStdString() + " (is a directory)"},
        {{"publish", "--broker", plain()}, {"TELVAR_MQTT_PASSWORD=secret"}, 2,
         "a password needs --username: MQTT sends a password only with a user name\nTry 'telvar-k20 --help'."},
    };
    for (const auto& c : cases) {
        const CliResult refused = run_cli(tcp_line(sim) + c.arguments, &sim, CliSurroundings{c.environment});
        EXPECT_EQ(refused.code, c.code) << refused.err;
        EXPECT_EQ(refused.err, "telvar-k20: " + c.error + "\n");
    }
}

// Two stations through one restart: one keeps every sample, the other
// only its last 20, and says how many it dropped.
TEST_F(CliPublish, ABrokerThatRestartsLosesNothingUpToTheBufferAndTheRestIsCounted)
{
    Simulator sim({"--delay", "5"});
    ASSERT_TRUE(sim.ready());
    Subscriber subscriber(broker, "telvar-k20/+/live", "restart");
    Subscriber status(broker, "telvar-k20/few/status", "restart-status");
    CliProcess all(tcp_line(sim) + publish(plain(), "all"), &sim);
    CliProcess few(tcp_line(sim) + publish(plain(), "few") + QStringList{"--buffer", "20"}, &sim);
    ASSERT_TRUE(subscriber.wait_for("few/live", 10));
    ASSERT_TRUE(subscriber.wait_for("all/live", 10));
    broker.stop();
    QThread::msleep(2000);
    ASSERT_TRUE(broker.start());
    // Each client looks for the broker again after its own back-off, up to 4 s.
    const std::vector<Message> before = subscriber.messages();
    ASSERT_TRUE(subscriber.wait_for("few/live", on_topic(before, "few/live").size() + 40, 20000));
    ASSERT_TRUE(subscriber.wait_for("all/live", on_topic(before, "all/live").size() + 40, 20000));
    const CliResult ended_all = all.stop(SIGINT);
    const CliResult ended_few = few.stop(SIGINT);
    EXPECT_EQ(ended_all.code, 130);
    EXPECT_EQ(ended_few.code, 130);

    const std::vector<long> kept = seqs(on_topic(subscriber.messages(), "all/live"));
    EXPECT_EQ(std::set<long>(kept.begin(), kept.end()).size(), std::size_t(kept.back())) << "a sample was lost";
    EXPECT_EQ(first_seen_out_of_order(kept), 0);
    EXPECT_NE(ended_all.err.find("Lost the broker " + plain().toStdString()), std::string::npos) << ended_all.err;
    EXPECT_NE(ended_all.err.find("The broker " + plain().toStdString() + " is back\n"), std::string::npos) << ended_all.err;

    const std::vector<long> thinned = seqs(on_topic(subscriber.messages(), "few/live"));
    const long missing = thinned.back() - long(std::set<long>(thinned.begin(), thinned.end()).size());
    EXPECT_GT(missing, 0);
    EXPECT_EQ(first_seen_out_of_order(thinned), 0);
    const std::string count = std::to_string(missing) + " samples";
    EXPECT_NE(ended_few.err.find("is back; " + count + " were dropped while it was away, the oldest first (--buffer 20)"),
              std::string::npos)
        << ended_few.err;
    EXPECT_NE(ended_few.err.find("Interrupted; " + count + " were dropped while the broker was away."), std::string::npos)
        << ended_few.err;
    ASSERT_TRUE(status.wait_for("/status", 2));
    const std::vector<std::string> told = payloads(on_topic(status.messages(), "/status"));
    EXPECT_NE(std::find(told.begin(), told.end(), "online; " + count + " dropped"), told.end());
}

// The controller's line goes and comes back; then the publisher dies
// without a word, and the broker says so for it.
TEST_F(CliPublish, TheStatusFollowsTheLineAndTheLastWillSaysOfflineWhenThePublisherDies)
{
    Simulator sim({"--close-after", "40"});
    ASSERT_TRUE(sim.ready());
    Subscriber subscriber(broker, "telvar-k20/st02/#", "will");
    CliProcess publisher(tcp_line(sim) + publish(plain(), "st02"), &sim);
    ASSERT_TRUE(subscriber.wait_for("/status", 3));
    ASSERT_TRUE(subscriber.wait_for("/live", 40));
    publisher.stop(SIGKILL);
    ASSERT_TRUE(subscriber.wait_for("/status", 4));
    EXPECT_EQ(payloads(on_topic(subscriber.messages(), "/status")),
              (std::vector<std::string>{"online", "line lost", "online", "offline"}));
    const std::vector<long> numbers = seqs(on_topic(subscriber.messages(), "/live"));
    EXPECT_EQ(first_seen_out_of_order(numbers), 0);
    EXPECT_EQ(std::set<long>(numbers.begin(), numbers.end()).size(), std::size_t(numbers.back()));
}

}  // namespace
}  // namespace telvar::test
