// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/invocation.h"

#include "firmware/download.h"
#include "link/tcp_line.h"
#include "platform/serial_ports.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <charconv>

namespace telvar::cli {

namespace {

enum class LineUse {
    Needed,      // talks with the controller over either line
    SerialOnly,  // the boot loader is reached over RS-232 alone
    Optional,    // a line or a file instead
    None,
};

// A command may have a rule for each number of file names it takes.
struct CommandRule {
    const char* name;
    int files;  // file names that follow the command
    LineUse line;
    std::vector<QString> options;   // the command's own options
    std::vector<QString> required;  // of those, the ones it cannot do without
};

const CommandRule kRules[] = {
    {"info", 0, LineUse::Needed, {"json"}, {}},
    {"get", 0, LineUse::Needed, {"eeprom", "o"}, {"o"}},
    {"send", 1, LineUse::Needed, {"eeprom"}, {}},
    {"verify", 1, LineUse::Needed, {"eeprom", "json"}, {}},
    {"live", 0, LineUse::Needed, {"count", "csv", "format", "name"}, {}},
    {"datamem", 0, LineUse::Needed, {"channel", "csv", "timeout"}, {"channel"}},
    {"stats", 0, LineUse::Optional, {"csv", "count", "json"}, {}},
    {"publish", 0, LineUse::Needed, {"broker", "topic", "name", "username", "password-file", "cafile", "buffer"}, {"broker"}},
    {"reset", 0, LineUse::Needed, {}, {}},
    {"teach", 0, LineUse::Needed, {}, {}},
    {"merge", 1, LineUse::None, {"lin-a", "lin-b", "start", "end", "o"}, {"start", "end", "o"}},
    {"download", 1, LineUse::SerialOnly, {}, {}},
    {"report", 0, LineUse::Needed, {"eeprom", "o"}, {"o"}},
    {"report", 1, LineUse::None, {"o"}, {"o"}},  // the file's set instead of the controller's
};

const char* const kLineOptions[] = {"tcp", "com", "device"};
// What fleet runs for each target: the commands that talk with one
// controller and end by themselves.
const char* const kFleetCommands[] = {"info", "get", "send", "verify", "report"};
// fleet's own options; the others given are the command's.
const char* const kFleetOptions[] = {"targets", "jobs", "json"};
// Taken by every command, under either of their names.
const char* const kCommonOptions[] = {"q", "quiet"};
// What stands for standard output in place of a file name.
constexpr const char* STANDARD_OUTPUT = "-";

QList<QCommandLineOption> known_options()
{
    const auto valued = [](const char* name, const char* value) {
        return QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(value));
    };
    return {
        QCommandLineOption(QStringList{"h", "help"}),
        QCommandLineOption("version"),
        QCommandLineOption(QStringList{"q", "quiet"}),
        QCommandLineOption("json"),
        QCommandLineOption("list-ports"),
        valued("tcp", "HOST:PORT"),
        valued("com", "N"),
        valued("device", "PATH"),
        QCommandLineOption("eeprom"),
        valued("o", "FILE"),
        valued("count", "N"),
        valued("csv", "FILE"),
        valued("format", "csv|jsonl|influx"),
        valued("name", "STATION"),
        valued("broker", "mqtt://HOST[:PORT]"),
        valued("topic", "PREFIX"),
        valued("username", "USER"),
        valued("password-file", "FILE"),
        valued("cafile", "FILE"),
        valued("buffer", "N"),
        valued("channel", "A|B"),
        valued("timeout", "SECONDS"),
        valued("lin-a", "FILE"),
        valued("lin-b", "FILE"),
        valued("start", "ADDR"),
        valued("end", "ADDR"),
        valued("targets", "FILE"),
        valued("jobs", "N"),
    };
}

std::string text(const QString& s)
{
    return s.toLocal8Bit().toStdString();
}

std::string dashed(const QString& option)
{
    return (option.size() == 1 ? "-" : "--") + text(option);
}

bool parse_decimal(std::string_view digits, long* value)
{
    const char* end = digits.data() + digits.size();
    const auto [stop, fault] = std::from_chars(digits.data(), end, *value);
    return !digits.empty() && fault == std::errc() && stop == end;
}

// Seconds above 0 and below a day, fractions allowed ("0.5", "30").
bool parse_seconds(std::string_view digits, double* seconds)
{
    constexpr double DAY = 86400;
    const char* end = digits.data() + digits.size();
    double value = 0;
    const auto [stop, fault] = std::from_chars(digits.data(), end, value, std::chars_format::fixed);
    if (digits.empty() || fault != std::errc() || stop != end || !(value > 0 && value < DAY))
        return false;
    *seconds = value;
    return true;
}

bool known_command(const std::string& name)
{
    return std::any_of(std::begin(kRules), std::end(kRules),
                       [&](const CommandRule& rule) { return name == rule.name; });
}

const CommandRule* find_rule(const std::string& name, qsizetype files)
{
    const auto found = std::find_if(std::begin(kRules), std::end(kRules),
                                    [&](const CommandRule& rule) { return name == rule.name && files == rule.files; });
    return found == std::end(kRules) ? nullptr : found;
}

std::string file_count_error(const std::string& name)
{
    bool none = false;
    bool one = false;
    for (const CommandRule& rule : kRules)
        if (name == rule.name)
            (rule.files == 0 ? none : one) = true;
    return name + (none && one ? " takes one file name or none"
                   : none      ? " takes no file name"
                               : " needs one file name");
}

template <std::size_t N>
bool is_one_of(const QString& option, const char* const (&names)[N])
{
    return std::any_of(std::begin(names), std::end(names), [&](const char* name) { return option == QLatin1String(name); });
}

// Each option given must be the command's own, a common one, or a line
// option it uses.
std::string check_options(const QCommandLineParser& parser, const CommandRule& rule)
{
    for (const QString& option : parser.optionNames()) {
        const bool own = std::find(rule.options.begin(), rule.options.end(), option) != rule.options.end();
        const bool line = is_one_of(option, kLineOptions) && rule.line != LineUse::None;
        if (!own && !line && !is_one_of(option, kCommonOptions))
            return std::string(rule.name) + " takes no " + dashed(option);
    }
    for (const QString& option : rule.required)
        if (!parser.isSet(option))
            return std::string(rule.name) + " needs " + dashed(option);
    return {};
}

std::string take_line(const QCommandLineParser& parser, const CommandRule& rule, LineChoice* line)
{
    const bool tcp = parser.isSet("tcp");
    const bool com = parser.isSet("com");
    const bool device = parser.isSet("device");
    if (rule.line == LineUse::None || (rule.line == LineUse::Optional && !tcp && !com && !device))
        return {};
    if (rule.line == LineUse::SerialOnly && !com && !device)
        return SERIAL_ONLY_TEXT;
    if (int(tcp) + int(com) + int(device) > 1)
        return "give only one of --tcp, --com and --device";
    if (!tcp && !com && !device)
        return std::string(rule.name) + " needs --tcp HOST:PORT, --com N or --device PATH";
    if (tcp) {
        line->kind = LineKind::Tcp;
        if (!parse_tcp_address(text(parser.value("tcp")), &line->host, &line->port))
            return "--tcp needs HOST:PORT with a port from 1 to 65535";
        return {};
    }
    if (device) {
        line->kind = LineKind::Device;
        line->device = text(parser.value("device"));
        const bool control = std::any_of(line->device.begin(), line->device.end(),
                                         [](char c) { return static_cast<unsigned char>(c) < 0x20; });
        return line->device.empty() || control ? "--device needs the path of a serial device" : std::string();
    }
    long port = 0;
    line->kind = LineKind::Com;
    if (!parse_decimal(text(parser.value("com")), &port) || port < COM_FIRST || port > COM_LAST)
        return "--com needs a port number from " + std::to_string(COM_FIRST) + " to " + std::to_string(COM_LAST);
    line->port = static_cast<int>(port);
    return {};
}

// A file name, or empty for standard output.
std::string file_or_standard_output(const QString& name)
{
    return name == QLatin1String(STANDARD_OUTPUT) ? std::string() : text(name);
}

// CSV goes where --csv says; the other formats are streams for a program
// reading standard output.
std::string take_live_format(const QCommandLineParser& parser, Invocation* invocation)
{
    const QString format = parser.value("format");
    if (parser.isSet("format")) {
        if (format == QLatin1String("jsonl"))
            invocation->format = LiveFormat::Jsonl;
        else if (format == QLatin1String("influx"))
            invocation->format = LiveFormat::Influx;
        else if (format != QLatin1String("csv"))
            return "--format needs csv, jsonl or influx";
    }
    if (invocation->format != LiveFormat::Csv && !invocation->csv.empty())
        return "--csv writes CSV; --format " + text(format) + " writes to standard output";
    invocation->name = text(parser.value("name"));
    const bool control = std::any_of(invocation->name.begin(), invocation->name.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (parser.isSet("name") && (invocation->name.empty() || control))
        return "--name needs a station name without line breaks or other control characters";
    if (parser.isSet("name") && invocation->command == "live" && invocation->format == LiveFormat::Csv)
        return "--name names the station in --format jsonl and influx";
    return {};
}

// stats reads a recording or takes a count of live samples, one or the other.
std::string take_stats_source(const QCommandLineParser& parser, const Invocation& invocation)
{
    if (invocation.command != "stats")
        return {};
    const bool line = invocation.line.kind != LineKind::None;
    if (parser.isSet("csv") && invocation.csv.empty())
        return "stats reads a recording from a file: --csv needs a file name";
    if (parser.isSet("csv") && (line || parser.isSet("count")))
        return "stats takes --csv FILE or a line with --count N, not both";
    if (!parser.isSet("csv") && !(line && parser.isSet("count")))
        return "stats needs --csv FILE, or --tcp HOST:PORT, --com N or --device PATH with --count N";
    return {};
}

// The default prefix holds the station's name, which then must be one level
// of a topic.
std::string take_publish_settings(const QCommandLineParser& parser, Invocation* invocation)
{
    constexpr long BUFFER_MAX = 1000000;
    if (invocation->command != "publish")
        return {};
    if (!parse_broker_address(text(parser.value("broker")), &invocation->broker))
        return "--broker needs mqtt://HOST[:PORT] or mqtts://HOST[:PORT], the port from 1 to 65535";
    invocation->topic = text(parser.value("topic"));
    const auto has_any = [](const std::string& s, std::string_view chars) {
        return s.find_first_of(chars) != std::string::npos
               || std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    };
    if (parser.isSet("topic") && (invocation->topic.empty() || has_any(invocation->topic, "+#")))
        return "--topic needs a topic prefix without + and #";
    if (!parser.isSet("topic") && has_any(invocation->name, "/+#"))
        return "--name is part of the topic telvar-k20/STATION: give it without /, + and #, or give --topic";
    invocation->username = text(parser.value("username"));
    invocation->password_file = text(parser.value("password-file"));
    invocation->cafile = text(parser.value("cafile"));
    if (parser.isSet("buffer") && (!parse_decimal(text(parser.value("buffer")), &invocation->buffer)
                                   || invocation->buffer < 1 || invocation->buffer > BUFFER_MAX))
        return "--buffer needs a number of samples from 1 to " + std::to_string(BUFFER_MAX);
    for (const char* option : {"username", "password-file", "cafile"})
        if (parser.isSet(option) && parser.value(option).isEmpty())
            return dashed(option) + " needs a value";
    if (!invocation->cafile.empty() && !invocation->broker.tls)
        return "--cafile is for mqtts:// brokers";
    return {};
}

std::string take_settings(const QCommandLineParser& parser, Invocation* invocation)
{
    for (const QString& option : {QStringLiteral("o"), QStringLiteral("csv")})
        if (parser.isSet(option) && parser.value(option).isEmpty())
            return dashed(option) + " needs a file name, or - for standard output";
    invocation->output = file_or_standard_output(parser.value("o"));
    invocation->quiet = parser.isSet("quiet");
    invocation->json = parser.isSet("json");
    invocation->eeprom = parser.isSet("eeprom");
    invocation->csv = file_or_standard_output(parser.value("csv"));
    invocation->table_a = text(parser.value("lin-a"));
    invocation->table_b = text(parser.value("lin-b"));
    if (parser.isSet("count") && (!parse_decimal(text(parser.value("count")), &invocation->count) || invocation->count < 1))
        return "--count needs a number of samples from 1 on";
    if (parser.isSet("channel")) {
        const QString channel = parser.value("channel").toUpper();
        invocation->channel = channel == "A" ? 1 : channel == "B" ? 2 : 0;
        if (invocation->channel == 0)
            return "--channel needs A or B";
    }
    if (parser.isSet("timeout") && !parse_seconds(text(parser.value("timeout")), &invocation->timeout))
        return "--timeout needs a number of seconds above 0 and below 86400";
    const auto take_address = [&](const char* bound, std::int64_t* address) {
        return !parser.isSet(bound) || parse_address(text(parser.value(bound)), address);
    };
    if (!take_address("start", &invocation->start) || !take_address("end", &invocation->end))
        return "--start and --end need an address from 0 to 0x7DFFFFFF, decimal or 0x-hexadecimal";
    if (invocation->command == "merge" && invocation->table_a.empty() && invocation->table_b.empty())
        return "merge needs --lin-a, --lin-b or both";
    if (invocation->command == "merge" && invocation->output.empty())
        return "merge writes its image into a file: -o needs a file name";
    if (invocation->command == "report" && invocation->output.empty())
        return "report writes a PDF file: -o needs a file name";
    if (std::string error = take_live_format(parser, invocation); !error.empty())
        return error;
    if (std::string error = take_stats_source(parser, *invocation); !error.empty())
        return error;
    return take_publish_settings(parser, invocation);
}

// fleet COMMAND [FILE]: the command's own options and files, its line
// from each row of the targets file, and -o a folder for get and report.
std::string take_fleet(const QCommandLineParser& parser, const QStringList& positional, Invocation* invocation)
{
    FleetChoice& fleet = invocation->fleet;
    if (positional.size() < 2)
        return "fleet needs a command: info, get, send, verify or report";
    fleet.command = text(positional[1]);
    if (!is_one_of(positional[1], kFleetCommands))
        return "fleet runs info, get, send, verify or report, not '" + fleet.command + "'";
    const CommandRule* rule = find_rule(fleet.command, positional.size() - 2);
    if (!rule || rule->line != LineUse::Needed)
        return "fleet " + fleet.command
               + (fleet.command == "send" || fleet.command == "verify" ? " needs one file name" : " takes no file name");
    if (rule->files == 1)
        invocation->file = text(positional[2]);
    for (const QString& option : parser.optionNames()) {
        if (is_one_of(option, kLineOptions))
            return "fleet takes the lines from --targets, not " + dashed(option);
        const bool own = std::find(rule->options.begin(), rule->options.end(), option) != rule->options.end();
        if (!own && !is_one_of(option, kFleetOptions) && !is_one_of(option, kCommonOptions))
            return "fleet " + fleet.command + " takes no " + dashed(option);
    }
    fleet.targets = text(parser.value("targets"));
    if (fleet.targets.empty())
        return "fleet needs --targets FILE";
    for (const QString& option : rule->required)
        if (!parser.isSet(option))
            return "fleet " + fleet.command + " needs " + dashed(option) + " FOLDER";
    long jobs = fleet.jobs;
    if (parser.isSet("jobs") && (!parse_decimal(text(parser.value("jobs")), &jobs) || jobs < 1 || jobs > FLEET_JOBS_MAX))
        return "--jobs needs a number from 1 to " + std::to_string(FLEET_JOBS_MAX);
    fleet.jobs = int(jobs);
    std::string error = take_settings(parser, invocation);
    if (error.empty() && parser.isSet("o") && invocation->output.empty())
        return "fleet " + fleet.command + " writes a file for each target: -o needs a folder";
    return error;
}

ParsedCommandLine refused_command(std::string error)
{
    return {{}, std::move(error)};
}

}  // namespace

ParsedCommandLine parse_command_line(const std::vector<std::string>& arguments)
{
    QCommandLineParser parser;
    parser.addOptions(known_options());
    QStringList words{QStringLiteral("telvar-k20")};
    for (const std::string& argument : arguments)
        words << QString::fromLocal8Bit(argument.c_str());
    if (!parser.parse(words))
        return refused_command(text(parser.errorText()));

    ParsedCommandLine parsed;
    Invocation& invocation = parsed.invocation;
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet("help")) {
        invocation.command = "help";
        return parsed;
    }
    if (parser.isSet("version")) {
        invocation.command = "version";
        return parsed;
    }
    if (parser.isSet("list-ports")) {
        const QStringList given = parser.optionNames();
        const bool alone = std::all_of(given.begin(), given.end(), [](const QString& option) {
            return option == QLatin1String("list-ports") || option == QLatin1String("json") || is_one_of(option, kCommonOptions);
        });
        if (!alone || !positional.isEmpty())
            return refused_command("--list-ports takes nothing but --json and -q");
        invocation.command = "list-ports";
        invocation.json = parser.isSet("json");
        invocation.quiet = parser.isSet("quiet");
        return parsed;
    }
    if (positional.isEmpty())
        return refused_command("no command given");
    invocation.command = text(positional.front());
    if (invocation.command == "fleet") {
        const std::string error = take_fleet(parser, positional, &invocation);
        return error.empty() ? parsed : refused_command(error);
    }
    if (!known_command(invocation.command))
        return refused_command("unknown command '" + invocation.command + "'");
    const CommandRule* rule = find_rule(invocation.command, positional.size() - 1);
    if (!rule)
        return refused_command(file_count_error(invocation.command));
    if (rule->files == 1)
        invocation.file = text(positional[1]);
    std::string error = check_options(parser, *rule);
    if (error.empty())
        error = take_line(parser, *rule, &invocation.line);
    if (error.empty())
        error = take_settings(parser, &invocation);
    if (!error.empty())
        return refused_command(error);
    return parsed;
}

bool parse_address(std::string_view text, std::int64_t* address)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view digits = hex ? text.substr(2) : text;
    const char* end = digits.data() + digits.size();
    std::int64_t value = 0;
    const auto [stop, fault] = std::from_chars(digits.data(), end, value, hex ? 16 : 10);
    if (digits.empty() || fault != std::errc() || stop != end || value < 0 || value > ADDRESS_MAX)
        return false;
    *address = value;
    return true;
}

bool parse_tcp_address(std::string_view text, std::string* host, int* port)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0 || colon >= IP_TEXT_SIZE)
        return false;
    long number = 0;
    if (!parse_decimal(text.substr(colon + 1), &number) || number < 1 || number > 65535)
        return false;
    *host = std::string(text.substr(0, colon));
    *port = static_cast<int>(number);
    return true;
}

bool parse_broker_address(std::string_view text, BrokerAddress* broker)
{
    constexpr std::string_view PLAIN = "mqtt://";
    constexpr std::string_view TLS = "mqtts://";
    const bool tls = text.substr(0, TLS.size()) == TLS;
    if (!tls && text.substr(0, PLAIN.size()) != PLAIN)
        return false;
    const std::string_view address = text.substr(tls ? TLS.size() : PLAIN.size());
    std::string host;
    int port = tls ? 8883 : 1883;
    const bool bracketed = address.substr(0, 1) == "[";
    const std::size_t host_end = bracketed ? address.find(']') + 1 : address.rfind(':');
    if (bracketed && host_end == 0)
        return false;
    if (host_end != std::string_view::npos && host_end < address.size()) {
        if (!parse_tcp_address(address, &host, &port))
            return false;
    } else {
        host = std::string(address);
    }
    const bool bad = host.empty() || host.find_first_of("/?#@ ") != std::string::npos
                     || std::any_of(host.begin(), host.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (bad)
        return false;
    *broker = {tls, host, port};
    return true;
}

}  // namespace telvar::cli
