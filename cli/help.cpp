// --help: the commands, the line, the addresses and the exit codes.
#include "cli/commands.h"
#include "cli/exit_codes.h"

#include <cstdio>

namespace telvar::cli {

namespace {

constexpr const char* kHelp = R"(Usage: telvar-k20 (--tcp HOST:PORT | --com N) COMMAND [OPTIONS]
       telvar-k20 merge FIRMWARE.S [--lin-a A.dat] [--lin-b B.dat] --start ADDR --end ADDR -o MERGED.S
       telvar-k20 download IMAGE.S --com N
       telvar-k20 --list-ports
       telvar-k20 --help

Configures and reads a TELVAR-K20 controller without windows, with the frames,
files and checks of TELVAR-K20-Dizer. Every command that talks with the
controller first opens the line with its line check and version query.

The line:
  --tcp HOST:PORT        the controller's address and TCP port
  --com N                COM port N, numbered as in the connection dialog:
                         1-32 /dev/ttyS0-31, 33-48 /dev/ttyUSB0-15,
                         49-64 /dev/ttyACM0-15, 65-80 /tmp/ttyTELVAR0-15

Commands:
  info                   print the controller's version text
  get [--eeprom] -o FILE.ini
                         save the parameter set of the controller's RAM (or
                         EEPROM) as a parameter file, as Send to file saves it
  send FILE.ini [--eeprom]
                         fetch the set, put the file's values over it (words
                         the file lacks keep the controller's) and send it
  verify FILE.ini [--eeprom]
                         fetch the set and compare the file's words with it;
                         print each difference as key, file value, controller
                         value
  live [--count N] [--csv FILE]
                         live samples as CSV with the recorder's columns, on
                         standard output or into FILE, until N samples or
                         Ctrl-C
  datamem --channel A|B [--csv FILE]
                         wait for a new data-memory recording of the channel
                         and read it: 128 rows of CSV
  reset                  reset the controller's data
  teach                  teach the references
  merge FIRMWARE.S [--lin-a A.dat] [--lin-b B.dat] --start ADDR --end ADDR -o MERGED.S
                         merge the linearisation tables into the firmware image
                         inside the window from ADDR to ADDR (plus 0x2000000),
                         with the update page's checks
  download IMAGE.S --com N
                         download the image to the controller's boot loader;
                         RS-232 only
  --list-ports           list the COM ports present, with their USB
                         description, manufacturer and serial number

ADDR is decimal or 0x-hexadecimal, from 0 to 0x7DFFFFFF.

Exit codes:
  0  done
  1  verify found differences
  2  usage error, also download without --com or with --tcp
  3  link failure: the status text of the failure on standard error
  4  file error: a file cannot be read or written, or its content is refused
)";

}  // namespace

int run_help(const Invocation&)
{
    std::fputs(kHelp, stdout);
    return EXIT_DONE;
}

}  // namespace telvar::cli
