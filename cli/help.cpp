// SPDX-License-Identifier: GPL-3.0-or-later
// --help: the commands, the line, the addresses and the exit codes;
// --version: the program and its version.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exit_codes.h"

#include "telvar_version.h"

namespace telvar::cli {

namespace {

constexpr const char* kHelp = R"(Usage: telvar-k20 (--tcp HOST:PORT | --com N | --device PATH) COMMAND [OPTIONS]
       telvar-k20 merge FIRMWARE.S [--lin-a A.dat] [--lin-b B.dat] --start ADDR --end ADDR -o MERGED.S
       telvar-k20 download IMAGE.S (--com N | --device PATH)
       telvar-k20 report FILE.ini -o REPORT.pdf
       telvar-k20 stats --csv FILE [--json]
       telvar-k20 fleet --targets FILE [--jobs N] [--json] COMMAND [ARGS]
       telvar-k20 --list-ports [--json]
       telvar-k20 --help
       telvar-k20 --version

Configures and reads a TELVAR-K20 controller without windows, with the frames,
files and checks of TELVAR-K20-Dizer. Every command that talks with the
controller first opens the line with its line check and version query.

The line:
  --tcp HOST:PORT        the controller's address and TCP port
  --com N                COM port N, numbered as in the connection dialog:
                         1-32 /dev/ttyS0-31, 33-48 /dev/ttyUSB0-15,
                         49-64 /dev/ttyACM0-15, 65-80 /tmp/ttyTELVAR0-15
  --device PATH          the serial device at PATH, such as a link in
                         /dev/serial/by-id/ or a pseudo-terminal; set up
                         and checked as a COM port
  Serial devices belong to the group dialout: sudo usermod -aG dialout $USER,
  then log in again.

Commands:
  info [--json]          print the controller's version text
  get [--eeprom] -o FILE.ini
                         save the parameter set of the controller's RAM (or
                         EEPROM) as a parameter file, as Send to file saves it;
                         -o - writes it to standard output
  send FILE.ini [--eeprom]
                         fetch the set, put the file's values over it (words
                         the file lacks keep the controller's) and send it
  verify FILE.ini [--eeprom] [--json]
                         fetch the set and compare the file's words with it;
                         print each difference as key, file value, controller
                         value
  live [--count N] [--csv FILE] [--format csv|jsonl|influx] [--name STATION]
                         live samples as CSV with the recorder's columns, on
                         standard output (also with --csv -) or into FILE,
                         until N samples, Ctrl-C or SIGTERM; jsonl and influx
                         write a JSON object or a line-protocol point a line
                         on standard output, each line out as it is whole; a
                         lost line is waited for and the samples go on
  publish --broker mqtt://HOST[:PORT] | mqtts://HOST[:PORT] [--topic PREFIX]
          [--name STATION] [--username USER] [--password-file FILE]
          [--cafile FILE] [--buffer N]
                         publish live samples into an MQTT broker until
                         Ctrl-C or SIGTERM: PREFIX/live (each sample as in
                         jsonl, QoS 1), and retained PREFIX/info,
                         PREFIX/parameters and PREFIX/status (online, line
                         lost, offline; offline also as the last will);
                         PREFIX is telvar-k20/STATION, STATION the host's
                         name unless given; the password comes from
                         --password-file or TELVAR_MQTT_PASSWORD; while the
                         broker is away up to N samples (10000) wait for it
  stats (--csv FILE | --count N) [--json]
                         n, mean, sigma (n-1), min, max, range, the limits,
                         Cp, Cpk and the samples outside the limits for
                         channel A, channel B and the evaluation value: from
                         a recording of the recorder or of live (--csv), or
                         from N live samples over the line; the last limits
                         are used where they changed; "–" or, with --json,
                         null where a figure has no meaning, and why
  datamem --channel A|B [--csv FILE] [--timeout SECONDS]
                         wait for a new data-memory recording of the channel
                         (at most SECONDS) and read it: 128 rows of CSV
  reset                  reset the controller's data
  teach                  teach the references
  merge FIRMWARE.S [--lin-a A.dat] [--lin-b B.dat] --start ADDR --end ADDR -o MERGED.S
                         merge the linearisation tables into the firmware image
                         inside the window from ADDR to ADDR (plus 0x2000000),
                         with the update page's checks
  download IMAGE.S (--com N | --device PATH)
                         download the image to the controller's boot loader;
                         RS-232 only
  report [--eeprom | FILE.ini] -o REPORT.pdf
                         the parameter set of the controller's RAM (or
                         EEPROM), or of a parameter file without a line, as
                         a PDF report of A4 pages with searchable text; no
                         display needed
  fleet --targets FILE [--jobs N] [--json] COMMAND [ARGS]
                         run info, get, send, verify or report for each
                         controller of FILE, CSV with the header name,line
                         and a line tcp:HOST:PORT, com:N or device:PATH a
                         row; each target a child process, at most N at once
                         (default 8), one at a time on the same port; get
                         and report take -o FOLDER and write NAME.ini or
                         NAME.pdf there; prints a table of name, line,
                         result and message, or with --json one JSON object
  --list-ports [--json]  list the COM ports present, with their USB
                         description, manufacturer and serial number

Options:
  -q, --quiet            every command: no status lines, only errors and the
                         result asked for (version text, differences, CSV,
                         parameter file, ports)
  --json                 info, verify, stats and --list-ports answer with one
                         JSON object; verify keeps its exit codes

ADDR is decimal or 0x-hexadecimal, from 0 to 0x7DFFFFFF.

Exit codes:
  0    done
  1    verify found differences
  2    usage error, also download without --com or --device, or with --tcp
  3    link failure: the status text of the failure on standard error
  4    file error: a file cannot be read or written, or its content is refused
       (stats: a row that cannot be read, a recording without samples);
       also standard output that cannot be written (a closed pipe)
  5    download: the controller is left waiting in its boot loader; run
       download again to finish
  6    datamem: no new recording within --timeout
  7    fleet: the command failed on one target or more (1: none failed,
       but verify found differences on some)
  8    publish: the broker's host is unknown, no broker answers, or it refused
       the user, the password or its TLS certificate
  130  ended by Ctrl-C (SIGINT), files whole and the line closed
  143  ended by SIGTERM, likewise
)";

}  // namespace

int run_help(const Invocation&)
{
    put_out(kHelp);
    return EXIT_DONE;
}

int run_version(const Invocation&)
{
    say(std::string("telvar-k20 ") + TELVAR_VERSION);
    return EXIT_DONE;
}

}  // namespace telvar::cli
