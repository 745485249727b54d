// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "telvar_version.h"

#include <cstdio>
#include <cstring>

namespace telvar {

namespace {

constexpr const char* kHelp = R"(Usage: telvar-k20-dizer [--help | --version] [Qt options]

Configures and watches a TELVAR-K20 two-channel laser sensor controller over
RS-232 or TCP: its parameter set in RAM, EEPROM or a parameter file, live
values on a strip chart, the triggered data memory, reset and teach, test
mode, and firmware merged with linearisation tables and downloaded to the
boot loader. The line is chosen in the window with CONNECT.

Options:
  --help       show this text and end
  --version    show the version and end
Qt's own options (such as -platform offscreen) are passed on to Qt.

Files:
  ~/.config/TELVAR-K20-Dizer/connection.ini   the last connection and the
                                              choice of reconnecting
  ~/.local/share/TELVAR-K20-Dizer/if_history.ipa
                                              the address history (beside the
                                              program when it runs from a
                                              folder of its own)

Serial ports and USB converters belong to the group dialout; to use them:
  sudo usermod -aG dialout $USER   then log in again.

See also: telvar-k20(1), telvar-k20-sim(1).
)";

}  // namespace

std::optional<int> answer_command_line(int argc, char** argv)
{
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--version") == 0) {
            std::printf("telvar-k20-dizer %s\n", TELVAR_VERSION);
            return 0;
        }
        if (std::strcmp(argv[k], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace telvar
