// SPDX-License-Identifier: GPL-3.0-or-later
// publish: the live samples into an MQTT broker, with the station's line,
// version and parameter set beside them and its state on a status topic,
// for as long as the command runs.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/json_texts.h"
#include "cli/line.h"
#include "cli/live_lines.h"
#include "cli/mqtt_client.h"
#include "cli/sample_loop.h"
#include "link/com232.h"
#include "params/record.h"
#include "platform/files.h"
#include "scope/live_sample.h"
#include "storage/ini_reader.h"
#include "storage/parameter_text.h"
#include "storage/transfer.h"

#include "telvar_version.h"

#include <QSysInfo>

#include <cstdlib>

namespace telvar::cli {

namespace {

constexpr const char* STATUS_ONLINE = "online";
constexpr const char* STATUS_LINE_LOST = "line lost";
constexpr const char* STATUS_OFFLINE = "offline";
constexpr const char* PASSWORD_VARIABLE = "TELVAR_MQTT_PASSWORD";
// How long the samples still waiting get at the end to reach the broker.
constexpr int FINISH_LIMIT_MS = 5000;

std::string broker_name(const BrokerAddress& broker)
{
    return (broker.tls ? "mqtts://" : "mqtt://") + broker.host + ":" + std::to_string(broker.port);
}

// From the file, or from the environment: never from the command line,
// where every user's process list would show it. A file's last line break
// is not part of it.
bool take_password(const Invocation& invocation, std::string* password, std::string* error)
{
    if (invocation.password_file.empty()) {
        const char* given = std::getenv(PASSWORD_VARIABLE);
        *password = given ? given : "";
        return true;
    }
    if (std::string why; ReadWholeFile(invocation.password_file, FileKind::settings, password, &why) != FILE_OK) {
        *error = WithReason("Could not read the password file: " + invocation.password_file, why);
        return false;
    }
    if (!password->empty() && password->back() == '\n')
        password->pop_back();
    if (!password->empty() && password->back() == '\r')
        password->pop_back();
    return true;
}

std::string samples(long count)
{
    return std::to_string(count) + (count == 1 ? " sample" : " samples");
}

// --topic, or telvar-k20/ and the station's name, the host's by default.
std::string topic_prefix(const Invocation& invocation)
{
    if (!invocation.topic.empty())
        return invocation.topic;
    return "telvar-k20/" + (invocation.name.empty() ? QSysInfo::machineHostName().toStdString() : invocation.name);
}

class Station {
public:
    Station(const Invocation& invocation, MqttClient& client)
        : invocation_(invocation), client_(client), prefix_(topic_prefix(invocation))
    {
    }

    // What a newcomer to the broker finds at once: the line, the versions,
    // the parameter set and the state. A broker that lost them on its way
    // down gets them again when it is back.
    void tell_all()
    {
        client_.publish(prefix_ + "/info", station_info_json(line_name(invocation_.line), szVersion, TELVAR_VERSION),
                        true);
        client_.publish(prefix_ + "/parameters", parameters_json(read_ini(parameter_file_text(parameter))), true);
        tell(state_);
    }

    // The state, with the count of the samples dropped so far, if any.
    void tell(const std::string& state)
    {
        state_ = state;
        const std::string dropped = dropped_told_ > 0 && state != STATUS_OFFLINE
                                        ? "; " + samples(dropped_told_) + " dropped"
                                        : std::string();
        client_.publish(prefix_ + "/status", state + dropped, true);
    }

    int take(long seq)
    {
        look_at_broker();
        const LivePoint point{std::chrono::system_clock::now(), seq, rawdata,
                              sample_traces(rawdata, parameter), line_name(invocation_.line), invocation_.name};
        std::string payload = jsonl_line(point);
        payload.pop_back();
        client_.publish(prefix_ + "/live", payload, false);
        return EXIT_DONE;
    }

    // What the library did with the broker since the last look, said.
    void look_at_broker()
    {
        if (!client_.changed())
            return;
        const std::string broker = broker_name(invocation_.broker);
        if (!client_.connected()) {
            note("Lost the broker " + broker + "; keeping up to " + std::to_string(invocation_.buffer)
                 + " samples until it is back");
            return;
        }
        const long dropped = client_.dropped() - dropped_told_;
        dropped_told_ = client_.dropped();
        if (dropped == 0)
            note("The broker " + broker + " is back");
        else
            note("The broker " + broker + " is back; " + samples(dropped)
                 + " were dropped while it was away, the oldest first (--buffer " + std::to_string(invocation_.buffer)
                 + ")");
        tell_all();
    }

private:
    const Invocation& invocation_;
    MqttClient& client_;
    std::string prefix_;
    std::string state_ = STATUS_ONLINE;
    long dropped_told_ = 0;
};

int publish_samples(Station& station)
{
    if (!fetch_record(RAM))
        return fail_with_status();
    station.tell_all();
    SampleSink sink;
    sink.take = [&](long seq) { return station.take(seq); };
    sink.line_lost = [&] {
        station.tell(STATUS_LINE_LOST);
        return int(EXIT_DONE);
    };
    sink.line_back = [&] { station.tell(STATUS_ONLINE); };
    // A broker that comes back while the line is away hears so at once.
    sink.waiting = [&] { station.look_at_broker(); };
    long taken = 0;
    return take_samples(0, &taken, sink);
}

}  // namespace

// Runs until a signal comes or the line fails for good; the broker tells
// `offline` in either case, and also when the process dies.
int run_publish(const Invocation& invocation)
{
    std::string password;
    if (std::string error; !take_password(invocation, &password, &error))
        return fail(EXIT_FILE, error);
    // An empty password file is a broker's without passwords.
    if (!password.empty() && invocation.username.empty())
        return fail_usage("a password needs --username: MQTT sends a password only with a user name");
    std::string authorities;
    if (std::string why; !invocation.cafile.empty()
                         && ReadWholeFile(invocation.cafile, FileKind::settings, &authorities, &why) != FILE_OK)
        return fail(EXIT_FILE, WithReason("Could not read the CA file: " + invocation.cafile, why));
    const std::string prefix = topic_prefix(invocation);
    // One client a station: the broker keeps its unacknowledged samples
    // under this name while the line to it is down.
    MqttClient client({invocation.broker, "telvar-k20:" + prefix, invocation.username, password, invocation.cafile,
                       static_cast<int>(invocation.buffer), prefix + "/status", STATUS_OFFLINE});
    if (const std::string why = client.connect(); !why.empty())
        return interrupt_requested()
                   ? fail_interrupted("nothing was published")
                   : fail(EXIT_BROKER, "Could not publish to the broker " + broker_name(invocation.broker) + ": " + why);
    tell("Publishing to " + broker_name(invocation.broker) + " under " + prefix + "/");
    Station station(invocation, client);
    follow_lost_lines();
    const int code = with_line(invocation.line, [&] { return publish_samples(station); });
    station.tell(STATUS_OFFLINE);
    client.finish(FINISH_LIMIT_MS);
    const long pending = client.pending();
    const long dropped = client.dropped();
    std::string left;
    if (pending > 0)
        left = std::to_string(pending) + " samples could not be delivered: the broker " + broker_name(invocation.broker)
               + " is away";
    if (dropped > 0)
        left += (left.empty() ? "" : "; ") + std::to_string(dropped) + " samples were dropped while the broker was away";
    if (code != EXIT_DONE || !interrupt_requested()) {
        if (!left.empty())
            note(left);
        return code;
    }
    return fail_interrupted(left);
}

}  // namespace telvar::cli
