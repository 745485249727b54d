// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's command line.
#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>

#include "sim/core/faults.h"

namespace telvar::sim {

struct SimOptions {
    std::optional<quint16> tcp_port;  // 0 picks a free port
    QString pty_path;
    QString device_path;
    bool baud_pacing = false;
    bool fast = false;  // TCP answers at once instead of at the serial line's pace
    QString eeprom_path;
    QString image_out;
    std::uint32_t noise_start = 1;
    FaultOptions faults;
};

struct ParsedOptions {
    enum class Outcome { run, help, version, error };
    Outcome outcome = Outcome::run;
    SimOptions options;
    QString text;  // the help text, the version line or the error
};

// Arguments as main() gets them, program name first.
ParsedOptions parse_options(const QStringList& arguments);

}  // namespace telvar::sim
