// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line asks for: the command, the line to the controller
// and the command's files and settings, all checked before anything is
// opened, so that a mistyped command line touches neither files nor line.
#pragma once

#include "cli/mqtt_client.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace telvar::cli {

enum class LineKind { None, Tcp, Com, Device };

// How live writes its samples: the recorder's CSV, JSON Lines, or InfluxDB line protocol.
enum class LiveFormat { Csv, Jsonl, Influx };

struct LineChoice {
    LineKind kind = LineKind::None;
    std::string host;    // --tcp HOST
    int port = 0;        // --tcp's port, or --com's port number
    std::string device;  // --device PATH
};

// fleet: the command run for each controller of a targets file.
struct FleetChoice {
    std::string command;  // "info", "get", "send", "verify" or "report"
    std::string targets;  // --targets FILE
    int jobs = 8;         // --jobs: children at once
};

struct Invocation {
    std::string command;  // "info", "get", ..., "download", "report", "stats", "fleet", "list-ports", "help" or "version"
    LineChoice line;
    std::string file;     // the file named after send, verify, merge, download and report
    std::string output;   // -o; get: empty for standard output (-o -)
    bool quiet = false;   // -q: no status lines
    bool json = false;    // info, verify, stats and --list-ports answer in JSON
    bool eeprom = false;
    long count = 0;       // live and stats: samples to take; 0 takes them until Ctrl-C
    std::string csv;      // live and datamem: empty for standard output (no --csv, or --csv -); stats: the recording
    LiveFormat format = LiveFormat::Csv;  // live --format
    std::string name;     // live and publish --name: the station its lines name; empty for none
    BrokerAddress broker;       // publish --broker
    std::string topic;          // publish --topic: the topics' prefix; empty for telvar-k20/STATION
    std::string username;       // publish --username; empty for none
    std::string password_file;  // publish --password-file; empty: TELVAR_MQTT_PASSWORD, if set
    std::string cafile;         // publish --cafile; empty: the system's CAs
    long buffer = 10000;        // publish --buffer: samples kept while the broker is away
    int channel = 0;      // datamem: 1 channel A, 2 channel B
    double timeout = 0;   // datamem: seconds to wait for a new recording; 0 waits until Ctrl-C
    std::string table_a;  // merge: empty when the channel is left out
    std::string table_b;
    std::int64_t start = 0;  // merge window, before the firmware's offset
    std::int64_t end = 0;
    FleetChoice fleet;    // fleet: -o is the folder of the targets' files
};

struct ParsedCommandLine {
    Invocation invocation;
    std::string error;  // why the command line is refused; empty when it is good
};

// The arguments after the program name.
ParsedCommandLine parse_command_line(const std::vector<std::string>& arguments);

// The most children fleet --jobs runs at once.
inline constexpr int FLEET_JOBS_MAX = 64;

// The largest window address the update page takes.
inline constexpr std::int64_t ADDRESS_MAX = 0x7DFFFFFF;

// Decimal, or hexadecimal after 0x, from 0 to ADDRESS_MAX.
bool parse_address(std::string_view text, std::int64_t* address);
// HOST:PORT, the port from 1 to 65535; the host may not be empty.
bool parse_tcp_address(std::string_view text, std::string* host, int* port);
// mqtt://HOST[:PORT] (1883 unless given) or mqtts://HOST[:PORT] (8883).
bool parse_broker_address(std::string_view text, BrokerAddress* broker);

}  // namespace telvar::cli
