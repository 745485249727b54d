// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what each command takes, and what is refused before
// anything is opened.
#include "cli/invocation.h"
#include "firmware/download.h"

#include <gtest/gtest.h>

namespace telvar::cli {
namespace {

ParsedCommandLine parse(std::vector<std::string> arguments)
{
    return parse_command_line(arguments);
}

TEST(Invocation, TakesEachCommandWithItsLineFilesAndSettings)
{
    const Invocation get = parse({"--tcp", "127.0.0.1:10001", "get", "--eeprom", "-o", "set.ini"}).invocation;
    EXPECT_EQ(get.command, "get");
    EXPECT_EQ(get.line.kind, LineKind::Tcp);
    EXPECT_EQ(get.line.host, "127.0.0.1");
    EXPECT_EQ(get.line.port, 10001);
    EXPECT_TRUE(get.eeprom);
    EXPECT_EQ(get.output, "set.ini");

    const Invocation verify = parse({"verify", "set.ini", "--com", "65"}).invocation;
    EXPECT_EQ(verify.file, "set.ini");
    EXPECT_EQ(verify.line.kind, LineKind::Com);
    EXPECT_EQ(verify.line.port, 65);
    EXPECT_FALSE(verify.eeprom);

    const Invocation live = parse({"--tcp", "controller.local:4000", "live", "--count", "25", "--csv", "l.csv"}).invocation;
    EXPECT_EQ(live.line.host, "controller.local");
    EXPECT_EQ(live.count, 25);
    EXPECT_EQ(live.csv, "l.csv");
    EXPECT_EQ(parse({"--com", "1", "live"}).invocation.count, 0) << "until Ctrl-C";
    const Invocation stream = parse({"--com", "1", "live", "--format", "influx", "--name", "line 3, station=7"}).invocation;
    EXPECT_EQ(stream.format, LiveFormat::Influx);
    EXPECT_EQ(stream.name, "line 3, station=7");
    EXPECT_EQ(parse({"--com", "1", "live", "--format", "jsonl"}).invocation.format, LiveFormat::Jsonl);

    const Invocation publish = parse({"--com", "1", "publish", "--broker", "mqtts://broker.plant", "--name", "press 4",
                                      "--username", "plant", "--buffer", "50"}).invocation;
    EXPECT_TRUE(publish.broker.tls);
    EXPECT_EQ(publish.broker.host, "broker.plant");
    EXPECT_EQ(publish.broker.port, 8883);
    EXPECT_EQ(publish.name, "press 4") << "a station's name in a topic level";
    EXPECT_EQ(publish.buffer, 50);
    EXPECT_EQ(parse({"--com", "1", "publish", "--broker", "mqtt://[::1]:1884"}).invocation.broker.port, 1884);
    EXPECT_EQ(parse({"--com", "1", "publish", "--broker", "mqtt://10.0.0.2"}).invocation.broker.port, 1883);
    EXPECT_EQ(parse({"--com", "1", "publish", "--broker", "mqtt://h"}).invocation.buffer, 10000);

    const ParsedCommandLine recording = parse({"stats", "--csv", "rec.csv", "--json"});
    ASSERT_EQ(recording.error, "");
    EXPECT_EQ(recording.invocation.csv, "rec.csv");
    EXPECT_EQ(recording.invocation.line.kind, LineKind::None) << "a recording needs no line";
    EXPECT_TRUE(recording.invocation.json);
    const Invocation sampled = parse({"--device", "/dev/ttyUSB0", "stats", "--count", "500"}).invocation;
    EXPECT_EQ(sampled.line.kind, LineKind::Device);
    EXPECT_EQ(sampled.count, 500);

    EXPECT_EQ(parse({"--com", "80", "datamem", "--channel", "b"}).invocation.channel, 2);
    EXPECT_EQ(parse({"--com", "80", "datamem", "--channel", "A"}).invocation.channel, 1);

    const ParsedCommandLine merge =
        parse({"merge", "fw.S", "--lin-b", "b.dat", "--start", "0x10000", "--end", "69632", "-o", "merged.S"});
    ASSERT_EQ(merge.error, "");
    EXPECT_EQ(merge.invocation.file, "fw.S");
    EXPECT_EQ(merge.invocation.table_a, "");
    EXPECT_EQ(merge.invocation.table_b, "b.dat");
    EXPECT_EQ(merge.invocation.start, 0x10000);
    EXPECT_EQ(merge.invocation.end, 0x11000);
    EXPECT_EQ(merge.invocation.line.kind, LineKind::None);

    const ParsedCommandLine report = parse({"report", "set.ini", "-o", "set.pdf"});
    ASSERT_EQ(report.error, "");
    EXPECT_EQ(report.invocation.file, "set.ini");
    EXPECT_EQ(report.invocation.output, "set.pdf");
    EXPECT_EQ(report.invocation.line.kind, LineKind::None) << "a file's set needs no line";
    const Invocation fetched = parse({"--com", "65", "report", "--eeprom", "-o", "set.pdf"}).invocation;
    EXPECT_EQ(fetched.file, "");
    EXPECT_EQ(fetched.line.kind, LineKind::Com);
    EXPECT_TRUE(fetched.eeprom);

    const ParsedCommandLine download = parse({"download", "image.S", "--com", "65"});
    ASSERT_EQ(download.error, "");
    EXPECT_EQ(download.invocation.line.port, 65);
    const Invocation by_path = parse({"download", "image.S", "--device", "/dev/serial/by-id/usb-x", "-q"}).invocation;
    EXPECT_EQ(by_path.line.kind, LineKind::Device);
    EXPECT_EQ(by_path.line.device, "/dev/serial/by-id/usb-x");
    EXPECT_TRUE(by_path.quiet);

    // "-" is standard output, as an empty name is inside.
    const Invocation piped = parse({"--com", "1", "get", "-o", "-"}).invocation;
    EXPECT_EQ(piped.output, "");
    EXPECT_FALSE(piped.quiet);
    EXPECT_EQ(parse({"--com", "1", "live", "--csv", "-"}).invocation.csv, "");
    const Invocation datamem = parse({"--com", "1", "datamem", "--channel", "A", "--timeout", "2.5", "--quiet"}).invocation;
    EXPECT_EQ(datamem.timeout, 2.5);
    EXPECT_TRUE(datamem.quiet);
    EXPECT_TRUE(parse({"--com", "1", "verify", "s.ini", "--json"}).invocation.json);
    EXPECT_TRUE(parse({"--list-ports", "--json", "-q"}).invocation.json);

    EXPECT_EQ(parse({"--list-ports"}).invocation.command, "list-ports");
    EXPECT_EQ(parse({"get", "--help"}).invocation.command, "help") << "help whatever else is given";
    EXPECT_EQ(parse({"-h"}).invocation.command, "help");
    EXPECT_EQ(parse({"info", "--version"}).invocation.command, "version");

    const Invocation fleet = parse({"fleet", "--targets", "t.csv", "--jobs", "3", "verify", "s.ini", "--eeprom", "--json", "-q"}).invocation;
    EXPECT_EQ(fleet.command, "fleet");
    EXPECT_EQ(fleet.fleet.command, "verify");
    EXPECT_EQ(fleet.fleet.targets, "t.csv");
    EXPECT_EQ(fleet.fleet.jobs, 3);
    EXPECT_EQ(fleet.file, "s.ini");
    EXPECT_TRUE(fleet.eeprom && fleet.json && fleet.quiet);
    const Invocation fleet_get = parse({"fleet", "--targets", "t.csv", "get", "-o", "sets"}).invocation;
    EXPECT_EQ(fleet_get.output, "sets");
    EXPECT_EQ(fleet_get.fleet.jobs, 8) << "the default";
}

TEST(Invocation, RefusesWhatACommandCannotDo)
{
    const std::string timeout_refused = "--timeout needs a number of seconds above 0 and below 86400";
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{}, "no command given"},
        {{"--tcp", "h:1", "frobnicate"}, "unknown command 'frobnicate'"},
        {{"--frobnicate"}, "Unknown option 'frobnicate'."},
        {{"info"}, "info needs --tcp HOST:PORT, --com N or --device PATH"},
        {{"--tcp", "h:1", "--com", "1", "info"}, "give only one of --tcp, --com and --device"},
        {{"--device", "/dev/ttyUSB0", "--com", "1", "info"}, "give only one of --tcp, --com and --device"},
        {{"--device", "", "info"}, "--device needs the path of a serial device"},
        {{"--tcp", "h:1", "info", "--eeprom"}, "info takes no --eeprom"},
        {{"--tcp", "h:1", "get", "-o", "s.ini", "--json"}, "get takes no --json"},
        {{"--tcp", "h:1", "get", "-o", ""}, "-o needs a file name, or - for standard output"},
        {{"--tcp", "h:1", "live", "--timeout", "5"}, "live takes no --timeout"},
        {{"--tcp", "h:1", "info", "set.ini"}, "info takes no file name"},
        {{"--tcp", "h:1", "send"}, "send needs one file name"},
        {{"--tcp", "h:1", "verify", "a.ini", "b.ini"}, "verify needs one file name"},
        {{"--tcp", "h:1", "get"}, "get needs -o"},
        {{"--tcp", "h:1", "live", "-o", "x"}, "live takes no -o"},
        {{"--tcp", "h:1", "live", "--count", "0"}, "--count needs a number of samples from 1 on"},
        {{"--tcp", "h:1", "live", "--count", "5x"}, "--count needs a number of samples from 1 on"},
        {{"--tcp", "h:1", "live", "--format", "xml"}, "--format needs csv, jsonl or influx"},
        {{"--tcp", "h:1", "live", "--format", "jsonl", "--csv", "l.csv"},
         "--csv writes CSV; --format jsonl writes to standard output"},
        {{"--tcp", "h:1", "live", "--name", ""}, "--name needs a station name without line breaks or other control characters"},
        {{"--tcp", "h:1", "live", "--name", "a\nb"}, "--name needs a station name without line breaks or other control characters"},
        {{"--tcp", "h:1", "info", "--format", "jsonl"}, "info takes no --format"},
        {{"--tcp", "h:1", "live", "--name", "press 4"}, "--name names the station in --format jsonl and influx"},
        {{"--tcp", "h:1", "publish"}, "publish needs --broker"},
        {{"--tcp", "h:1", "publish", "--broker", "tcp://h:1883"},
         "--broker needs mqtt://HOST[:PORT] or mqtts://HOST[:PORT], the port from 1 to 65535"},
        {{"--tcp", "h:1", "publish", "--broker", "mqtt://h:0"},
         "--broker needs mqtt://HOST[:PORT] or mqtts://HOST[:PORT], the port from 1 to 65535"},
        {{"--tcp", "h:1", "publish", "--broker", "mqtt://"},
         "--broker needs mqtt://HOST[:PORT] or mqtts://HOST[:PORT], the port from 1 to 65535"},
        {{"--tcp", "h:1", "publish", "--broker", "mqtt://h/x"},
         "--broker needs mqtt://HOST[:PORT] or mqtts://HOST[:PORT], the port from 1 to 65535"},
        {{"--tcp", "h:1", "publish", "--broker", "mqtt://h", "--name", "line/4"},
         "--name is part of the topic telvar-k20/STATION: give it without /, + and #, or give --topic"},
        {{"--tcp", "h:1", "publish", "--broker", "mqtt://h", "--topic", "plant/#"}, "--topic needs a topic prefix without + and #"},
        {{"--tcp", "h:1", "publish", "--broker", "mqtt://h", "--buffer", "0"}, "--buffer needs a number of samples from 1 to 1000000"},
        {{"--tcp", "h:1", "publish", "--broker", "mqtt://h", "--cafile", "ca.crt"}, "--cafile is for mqtts:// brokers"},
        {{"--tcp", "h:1", "publish", "--broker", "mqtt://h", "--password", "x"}, "Unknown option 'password'."},
        {{"--tcp", "h:1", "live", "--broker", "mqtt://h"}, "live takes no --broker"},
        {{"--device", "/dev/tty\nUSB0", "info"}, "--device needs the path of a serial device"},
        {{"stats"}, "stats needs --csv FILE, or --tcp HOST:PORT, --com N or --device PATH with --count N"},
        {{"--tcp", "h:1", "stats"}, "stats needs --csv FILE, or --tcp HOST:PORT, --com N or --device PATH with --count N"},
        {{"stats", "--count", "5"}, "stats needs --csv FILE, or --tcp HOST:PORT, --com N or --device PATH with --count N"},
        {{"--tcp", "h:1", "stats", "--csv", "r.csv"}, "stats takes --csv FILE or a line with --count N, not both"},
        {{"stats", "--csv", "r.csv", "--count", "5"}, "stats takes --csv FILE or a line with --count N, not both"},
        {{"stats", "--csv", "-"}, "stats reads a recording from a file: --csv needs a file name"},
        {{"stats", "--csv", "r.csv", "--format", "jsonl"}, "stats takes no --format"},
        {{"--tcp", "h:1", "datamem"}, "datamem needs --channel"},
        {{"--tcp", "h:1", "datamem", "--channel", "C"}, "--channel needs A or B"},
        {{"--tcp", "h:1", "datamem", "--channel", "A", "--timeout", "0"}, timeout_refused},
        {{"--tcp", "h:1", "datamem", "--channel", "A", "--timeout", "86400"}, timeout_refused},
        {{"--tcp", "h:1", "datamem", "--channel", "A", "--timeout", "1e3"}, timeout_refused},
        {{"--tcp", "h:1", "datamem", "--channel", "A", "--timeout", "nan"}, timeout_refused},
        {{"--tcp", "h:1", "merge", "fw.S", "--lin-a", "a", "--start", "0", "--end", "1", "-o", "m"}, "merge takes no --tcp"},
        {{"merge", "fw.S", "--start", "0", "--end", "1", "-o", "m"}, "merge needs --lin-a, --lin-b or both"},
        {{"merge", "fw.S", "--lin-a", "a", "--end", "1", "-o", "m"}, "merge needs --start"},
        {{"merge", "fw.S", "--lin-a", "a", "--start", "0", "--end", "1", "-o", "-"},
         "merge writes its image into a file: -o needs a file name"},
        {{"--list-ports", "--com", "1"}, "--list-ports takes nothing but --json and -q"},
        {{"--list-ports", "info"}, "--list-ports takes nothing but --json and -q"},
        {{"report", "-o", "r.pdf"}, "report needs --tcp HOST:PORT, --com N or --device PATH"},
        {{"report", "a.ini", "b.ini", "-o", "r.pdf"}, "report takes one file name or none"},
        {{"--tcp", "h:1", "report", "s.ini", "-o", "r.pdf"}, "report takes no --tcp"},
        {{"report", "s.ini", "--eeprom", "-o", "r.pdf"}, "report takes no --eeprom"},
        {{"report", "s.ini"}, "report needs -o"},
        {{"report", "s.ini", "-o", "-"}, "report writes a PDF file: -o needs a file name"},
        {{"download", "image.S"}, SERIAL_ONLY_TEXT},
        {{"download", "image.S", "--tcp", "h:1"}, SERIAL_ONLY_TEXT},
        {{"download", "image.S", "--tcp", "h:1", "--device", "/dev/ttyUSB0"}, "give only one of --tcp, --com and --device"},
        {{"fleet", "--targets", "t.csv"}, "fleet needs a command: info, get, send, verify or report"},
        {{"fleet", "--targets", "t.csv", "live"}, "fleet runs info, get, send, verify or report, not 'live'"},
        {{"fleet", "--targets", "t.csv", "fleet", "info"}, "fleet runs info, get, send, verify or report, not 'fleet'"},
        {{"fleet", "info"}, "fleet needs --targets FILE"},
        {{"fleet", "--targets", "t.csv", "--tcp", "h:1", "info"}, "fleet takes the lines from --targets, not --tcp"},
        {{"fleet", "--targets", "t.csv", "send"}, "fleet send needs one file name"},
        {{"fleet", "--targets", "t.csv", "report", "s.ini", "-o", "d"}, "fleet report takes no file name"},
        {{"fleet", "--targets", "t.csv", "info", "--eeprom"}, "fleet info takes no --eeprom"},
        {{"fleet", "--targets", "t.csv", "get"}, "fleet get needs -o FOLDER"},
        {{"fleet", "--targets", "t.csv", "get", "-o", "-"}, "fleet get writes a file for each target: -o needs a folder"},
        {{"fleet", "--targets", "t.csv", "--jobs", "0", "info"}, "--jobs needs a number from 1 to 64"},
        {{"fleet", "--targets", "t.csv", "--jobs", "65", "info"}, "--jobs needs a number from 1 to 64"},
        {{"info", "--tcp", "h:1", "--targets", "t.csv"}, "info takes no --targets"},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments);
        EXPECT_EQ(parsed.error, c.error) << testing::PrintToString(c.arguments);
    }
}

TEST(Invocation, LineAndWindowNumbersStayInTheirRanges)
{
    for (const char* port : {"0", "81", "-1", "x", "65 "})
        EXPECT_NE(parse({"--com", port, "info"}).error, "") << port;
    for (const char* address : {"h", "h:0", "h:65536", ":1", "h:", "h:1x", "h:-5"})
        EXPECT_NE(parse({"--tcp", address, "info"}).error, "") << address;
    EXPECT_EQ(parse({"--tcp", std::string(255, 'h') + ":1", "info"}).error, "");
    EXPECT_NE(parse({"--tcp", std::string(256, 'h') + ":1", "info"}).error, "") << "longer than the address buffer";

    std::int64_t address = -1;
    EXPECT_TRUE(parse_address("0", &address));
    EXPECT_EQ(address, 0);
    EXPECT_TRUE(parse_address("0X7dFFffFF", &address));
    EXPECT_EQ(address, 0x7DFFFFFF);
    EXPECT_TRUE(parse_address("2113929215", &address));
    EXPECT_EQ(address, 0x7DFFFFFF);
    for (const char* text : {"", "0x", "-1", "0x-1", "0x7E000000", "2113929216", "12ab", "0x1g", " 5", "5 ", "+5"})
        EXPECT_FALSE(parse_address(text, &address)) << text;
    EXPECT_EQ(address, 0x7DFFFFFF) << "a refused text leaves the address";
    EXPECT_NE(parse({"merge", "fw.S", "--lin-a", "a", "--start", "0x7E000000", "--end", "1", "-o", "m"}).error, "");
}

}  // namespace
}  // namespace telvar::cli
