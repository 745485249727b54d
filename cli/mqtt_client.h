// SPDX-License-Identifier: GPL-3.0-or-later
// A publishing MQTT client that outlives its broker: what is published
// while the broker is away waits in the client (up to a bound, the oldest
// dropped first) and goes out in order once it is back; the broker tells
// `offline` on the status topic when the process dies.
#pragma once

#include <atomic>
#include <chrono>
#include <string>

namespace telvar::cli {

struct BrokerAddress {
    bool tls = false;  // mqtts://
    std::string host;
    int port = 0;
};

struct MqttSettings {
    BrokerAddress broker;
    std::string client_id;
    std::string username;  // empty: none
    std::string password;
    std::string cafile;    // empty: the system's CAs
    int buffer = 0;        // samples kept while the broker is away
    std::string will_topic;
    std::string will_text;
};

class MqttClient {
public:
    explicit MqttClient(const MqttSettings& settings);
    ~MqttClient();
    MqttClient(const MqttClient&) = delete;
    MqttClient& operator=(const MqttClient&) = delete;

    // The first connection, waited for: empty when it stands, else why not.
    std::string connect();
    // QoS 1; false when the client took nothing.
    bool publish(const std::string& topic, const std::string& payload, bool retained);
    // Whether the broker is there now, and whether it came and went since
    // the last look.
    bool connected() const { return connected_; }
    bool changed() { return changed_.exchange(false); }
    // Publications given up to keep the buffer's bound, so far.
    long dropped();
    // Publications not yet acknowledged by the broker.
    long pending() const;
    // Waits up to `limit_ms` for every publication to be acknowledged, then
    // leaves the broker without its last will.
    void finish(int limit_ms);

private:
    friend struct MqttCallbacks;  // the library's threads call in there

    MqttSettings settings_;
    void* handle_ = nullptr;
    std::atomic<bool> connected_ = false;
    std::atomic<bool> changed_ = false;
    std::atomic<bool> ever_lost_ = false;
    std::atomic<int> first_answer_ = 0;  // 0 waiting, 1 connected, -1 refused
    int refusal_code_ = 0;
    std::string refusal_;
    std::string tls_error_;
    std::atomic<long> sent_ = 0;
    std::atomic<long> delivered_ = 0;
    long dropped_ = 0;
    std::chrono::steady_clock::time_point next_count_;
};

}  // namespace telvar::cli
