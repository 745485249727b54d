// SPDX-License-Identifier: GPL-3.0-or-later
// What telvar-k20 ends with, as --help and the man page list them.
#pragma once

namespace telvar::cli {

enum ExitCode : int {
    EXIT_DONE = 0,
    EXIT_DIFFERENCES = 1,  // verify found words that differ
    EXIT_USAGE = 2,
    EXIT_LINK = 3,         // the line or the controller failed; its status text on standard error
    EXIT_FILE = 4,         // a file could not be read or written, or holds no usable content
    EXIT_BOOT_LOADER = 5,  // download: the controller is left waiting in its boot loader
    EXIT_TIMEOUT = 6,      // datamem: no new recording within --timeout
    EXIT_FLEET = 7,        // fleet: the command failed on one target or more
    EXIT_BROKER = 8,       // publish: the MQTT broker is unknown, unreachable, or refused the login or TLS
};
// A command ended by SIGINT or SIGTERM ends with 128 plus the signal's
// number, 130 or 143; see interrupt.h.

}  // namespace telvar::cli
