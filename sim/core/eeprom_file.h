// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the EEPROM across runs: a text file of three lines, one parameter
// block each, sixteen decimal words per line.
#pragma once

#include <optional>

#include <QString>

#include "sim/core/parameters.h"

namespace telvar::sim {

// A missing file yields the factory values; an unreadable or malformed one
// yields nothing and the reason in error, so it is never overwritten blindly.
std::optional<ParameterSet> load_eeprom(const QString& path, QString& error);

// Writes through a temporary file and a rename, so a crash never leaves a
// half-written file behind.
bool save_eeprom(const QString& path, const ParameterSet& set, QString& error);

}  // namespace telvar::sim
