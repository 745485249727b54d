// SPDX-License-Identifier: GPL-3.0-or-later
// The changes not sent as the operator reads them: a value as the pages
// show it beside what the reference holds ("57, controller: 50"), and the
// question asked before they would be lost, which lists the first ten of
// them under their pages' names and whose Send names where it goes.
#pragma once

#include "params/reference.h"

#include <string>
#include <vector>

namespace telvar {

inline constexpr int UNSENT_CHANGES_LISTED = 10;

// The changes in the order a reader meets them on the pages.
std::vector<UnsentChange> in_reading_order(std::vector<UnsentChange> changes);
// "57, controller: 50"; `against` names the reference ("controller", "file").
std::string unsent_value_text(const UnsentChange& change, const std::string& against);
// The question with the changes, in reading order, between what would
// happen and what it asks.
std::string unsent_changes_question(const std::string& question, const std::vector<UnsentChange>& changes,
                                    const std::string& against);
// The question's Send: "Send to RAM", "Send to EEPROM", "Send to file", in
// the window's language.
std::string send_button_text(int to);

}  // namespace telvar
