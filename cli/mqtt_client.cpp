// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/mqtt_client.h"

#include "cli/interrupt.h"

#include <MQTTAsync.h>
#include <netdb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

namespace telvar::cli {

namespace {

// A broker that is not there is looked for again after 1 s, then less
// often, but at least every 4 s.
constexpr int RETRY_FIRST_S = 1;
constexpr int RETRY_LAST_S = 4;
constexpr int KEEP_ALIVE_S = 10;
constexpr int CONNECT_LIMIT_S = 10;
constexpr int QOS = 1;
constexpr int RETAINED_TOPICS = 3;
// Samples sent and not yet acknowledged. A broker that comes back meets
// a stream at the pace of its acknowledgements, never the whole buffer at
// once: a burst that fills the socket made the library send torn packets.
constexpr int IN_FLIGHT = 64;
constexpr auto POLL_STEP = std::chrono::milliseconds(10);
constexpr auto DROP_COUNT_STEP = std::chrono::milliseconds(50);

std::string uri(const BrokerAddress& broker)
{
    return (broker.tls ? "ssl://" : "tcp://") + broker.host + ":" + std::to_string(broker.port);
}

// The return codes of a refused CONNECT in MQTT 3.1.1.
std::string refusal_text(int code)
{
    switch (code) {
    case 1: return "it does not speak this MQTT version";
    case 2: return "it refused the client identifier";
    case 3: return "the broker is unavailable";
    case 4: return "wrong user name or password";
    case 5: return "not authorised (a wrong user name or password, or none given)";
    default: return {};
    }
}

}  // namespace

struct MqttCallbacks {
    static MqttClient& of(void* context) { return *static_cast<MqttClient*>(context); }

    // Also called for the first connection, which is no change.
    static void connected(void* context, char*)
    {
        of(context).connected_ = true;
        if (of(context).ever_lost_)
            of(context).changed_ = true;
    }
    static void lost(void* context, char*)
    {
        of(context).connected_ = false;
        of(context).ever_lost_ = true;
        of(context).changed_ = true;
    }
    // The publisher subscribes to nothing; the library wants the callback.
    static int message(void*, char* topic, int, MQTTAsync_message* message)
    {
        MQTTAsync_freeMessage(&message);
        MQTTAsync_free(topic);
        return 1;
    }
    static void delivered(void* context, MQTTAsync_token) { ++of(context).delivered_; }
    static void connect_success(void* context, MQTTAsync_successData*)
    {
        of(context).connected_ = true;
        of(context).first_answer_ = 1;
    }
    // The library may go on trying after the first refusal, which is the one told.
    static void connect_failure(void* context, MQTTAsync_failureData* response)
    {
        MqttClient& client = of(context);
        if (client.first_answer_ != 0)
            return;
        client.refusal_code_ = response ? response->code : 0;
        client.refusal_ = response && response->message ? response->message : "";
        client.first_answer_ = -1;
    }
    // OpenSSL's line is "thread:error:code:library:function:reason:file:line:detail";
    // the reason and the detail name the fault.
    static int tls_error(const char* text, std::size_t length, void* context)
    {
        if (of(context).first_answer_ != 0)
            return 0;
        std::vector<std::string> fields;
        std::string field;
        for (const char c : std::string_view(text, length)) {
            if (c == ':' && fields.size() < 8) {
                fields.push_back(field);
                field.clear();
            } else if (c != '\n') {
                field += c;
            }
        }
        fields.push_back(field);
        std::string& reason = of(context).tls_error_;
        reason = fields.size() > 5 ? fields[5] : std::string(text, length);
        if (fields.size() > 8 && !fields[8].empty())
            reason += " (" + fields[8] + ")";
        return 0;
    }
};

MqttClient::MqttClient(const MqttSettings& settings) : settings_(settings)
{
    MQTTAsync_createOptions options = MQTTAsync_createOptions_initializer;
    options.sendWhileDisconnected = 1;
    options.allowDisconnectedSendAtAnyTime = 0;
    // The bound counts the retained info, parameters and status too.
    options.maxBufferedMessages = settings_.buffer + RETAINED_TOPICS;
    options.deleteOldestMessages = 1;
    MQTTAsync handle = nullptr;
    if (MQTTAsync_createWithOptions(&handle, uri(settings_.broker).c_str(), settings_.client_id.c_str(),
                                    MQTTCLIENT_PERSISTENCE_NONE, nullptr, &options) != MQTTASYNC_SUCCESS)
        return;
    handle_ = handle;
    MQTTAsync_setCallbacks(handle, this, MqttCallbacks::lost, MqttCallbacks::message, MqttCallbacks::delivered);
    MQTTAsync_setConnected(handle, this, MqttCallbacks::connected);
}

MqttClient::~MqttClient()
{
    if (handle_) {
        MQTTAsync handle = handle_;
        MQTTAsync_destroy(&handle);
    }
}

std::string MqttClient::connect()
{
    if (!handle_)
        return "the broker's address cannot be used";
    // The library says no more than that it could not connect.
    const std::string& host = settings_.broker.host;
    const bool bracketed = host.size() > 2 && host.front() == '[' && host.back() == ']';
    addrinfo* found = nullptr;
    if (getaddrinfo((bracketed ? host.substr(1, host.size() - 2) : host).c_str(), nullptr, nullptr, &found) != 0)
        return "unknown host " + settings_.broker.host;
    freeaddrinfo(found);
    MQTTAsync_willOptions will = MQTTAsync_willOptions_initializer;
    will.topicName = settings_.will_topic.c_str();
    will.message = settings_.will_text.c_str();
    will.retained = 1;
    will.qos = QOS;
    MQTTAsync_SSLOptions tls = MQTTAsync_SSLOptions_initializer;
    tls.trustStore = settings_.cafile.empty() ? nullptr : settings_.cafile.c_str();
    tls.enableServerCertAuth = 1;
    tls.verify = 1;
    // A CA file given is the only one trusted: the plant's own.
    tls.disableDefaultTrustStore = settings_.cafile.empty() ? 0 : 1;
    tls.ssl_error_cb = MqttCallbacks::tls_error;
    tls.ssl_error_context = this;
    MQTTAsync_connectOptions options = MQTTAsync_connectOptions_initializer;
    options.keepAliveInterval = KEEP_ALIVE_S;
    options.connectTimeout = CONNECT_LIMIT_S;
    // The broker keeps what was sent but not acknowledged when the line
    // breaks, so that it is sent again rather than lost.
    options.cleansession = 0;
    options.maxInflight = IN_FLIGHT;
    options.automaticReconnect = 1;
    options.minRetryInterval = RETRY_FIRST_S;
    options.maxRetryInterval = RETRY_LAST_S;
    options.will = &will;
    options.ssl = settings_.broker.tls ? &tls : nullptr;
    options.username = settings_.username.empty() ? nullptr : settings_.username.c_str();
    options.password = settings_.username.empty() && settings_.password.empty() ? nullptr : settings_.password.c_str();
    options.onSuccess = MqttCallbacks::connect_success;
    options.onFailure = MqttCallbacks::connect_failure;
    options.context = this;
    if (const int code = MQTTAsync_connect(handle_, &options); code != MQTTASYNC_SUCCESS)
        return MQTTAsync_strerror(code);
    while (first_answer_ == 0 && !interrupt_requested())
        std::this_thread::sleep_for(POLL_STEP);
    if (first_answer_ > 0)
        return {};
    if (first_answer_ == 0)
        return "interrupted while connecting";
    if (!tls_error_.empty())
        return "TLS failed: " + tls_error_;
    if (const std::string refusal = refusal_text(refusal_code_); !refusal.empty())
        return "the broker refused the connection: " + refusal;
    const std::string where = settings_.broker.host + ":" + std::to_string(settings_.broker.port);
    return refusal_.empty() ? "no broker answers at " + where : "no broker answers at " + where + " (" + refusal_ + ")";
}

bool MqttClient::publish(const std::string& topic, const std::string& payload, bool retained)
{
    MQTTAsync_message message = MQTTAsync_message_initializer;
    message.payload = const_cast<char*>(payload.data());
    message.payloadlen = static_cast<int>(payload.size());
    message.qos = QOS;
    message.retained = retained ? 1 : 0;
    MQTTAsync_responseOptions options = MQTTAsync_responseOptions_initializer;
    if (MQTTAsync_sendMessage(handle_, topic.c_str(), &message, &options) != MQTTASYNC_SUCCESS)
        return false;
    ++sent_;
    // A look at the buffer costs the library a walk through it, under the
    // lock its own threads need to reconnect; every sample would starve them.
    if (!connected_ && std::chrono::steady_clock::now() >= next_count_) {
        next_count_ = std::chrono::steady_clock::now() + DROP_COUNT_STEP;
        dropped();
    }
    return true;
}

// The library drops the oldest without a word. While the broker is away
// nothing is acknowledged, and once all is delivered nothing waits: then
// what was sent and is neither acknowledged nor waiting was dropped.
long MqttClient::dropped()
{
    const long waiting = pending();
    dropped_ = std::max(dropped_, sent_ - delivered_ - waiting);
    return dropped_;
}

long MqttClient::pending() const
{
    MQTTAsync_token* tokens = nullptr;
    if (MQTTAsync_getPendingTokens(handle_, &tokens) != MQTTASYNC_SUCCESS || !tokens)
        return 0;
    long count = 0;
    while (tokens[count] != -1)
        ++count;
    MQTTAsync_free(tokens);
    return count;
}

void MqttClient::finish(int limit_ms)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    while (connected_ && pending() > 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(POLL_STEP);
    MQTTAsync_disconnectOptions options = MQTTAsync_disconnectOptions_initializer;
    options.timeout = 1000;
    if (connected_)
        MQTTAsync_disconnect(handle_, &options);
    while (MQTTAsync_isConnected(handle_) && std::chrono::steady_clock::now() < until + std::chrono::seconds(1))
        std::this_thread::sleep_for(POLL_STEP);
}

}  // namespace telvar::cli
