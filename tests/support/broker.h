// SPDX-License-Identifier: GPL-3.0-or-later
// A real MQTT broker for the publisher's tests: Debian's mosquitto on two
// free loopback ports, one plain and one TLS, both asking for the user
// `plant` with the password `secret`; its CA made for the test, and a
// second CA it does not know. Its subscriber is mosquitto_sub.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

namespace telvar::test {

inline constexpr const char* BROKER_USER = "plant";
inline constexpr const char* BROKER_PASSWORD = "secret";

class Broker {
public:
    Broker();
    ~Broker();

    bool ready() const { return ready_; }
    quint16 port() const { return port_; }
    quint16 tls_port() const { return tls_port_; }
    QString cafile() const;
    QString stranger_cafile() const;  // a CA the broker's certificate is not from
    QString directory() const { return dir_.path(); }

    // Gone as a restarted broker is gone; back on the same ports, with the
    // sessions and retained messages it saved.
    void stop();
    bool start();

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
    quint16 tls_port_ = 0;
    bool ready_ = false;
};

struct Message {
    std::string topic;
    std::string payload;
};

// A QoS 1 subscriber that keeps its session across a broker's restart.
class Subscriber {
public:
    Subscriber(const Broker& broker, const QString& topic, const QString& id);
    ~Subscriber();
    // The messages so far, retained ones first.
    std::vector<Message> messages();
    // Waits until `count` messages came on topics ending in `suffix`.
    bool wait_for(const std::string& suffix, std::size_t count, int limit_ms = 15000);

private:
    QProcess process_;
    std::string received_;
};

std::vector<Message> on_topic(const std::vector<Message>& messages, const std::string& suffix);

}  // namespace telvar::test
