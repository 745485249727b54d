// SPDX-License-Identifier: GPL-3.0-or-later
// Where live and datamem put their CSV: the file --csv names, or standard
// output. The target is looked at before the line opens: live would empty
// a file for nothing, and a data-memory recording, once read, cannot be
// read again.
#pragma once

#include <string>

namespace telvar::cli {

// "standard output" for an empty path.
std::string csv_name(const std::string& path);
// "Could not write the CSV file: PATH (why)" on standard error; EXIT_FILE back.
int csv_failure(const std::string& path, const std::string& why);

// Whether rows can go to the path as they come: it is no folder, and its
// folder takes files. `why` says what stands in the way.
bool csv_target_takes_rows(const std::string& path, std::string* why);
// Whether a whole CSV can be saved there: as above, and a target that
// exists is a file that can be replaced.
bool csv_target_takes_file(const std::string& path, std::string* why);

// The whole CSV into its target. Rows the target refuses go to standard
// output instead, and those standard output refuses to `rescue_name` in the
// temporary folder, each failure said with where the rows went. EXIT_DONE,
// or EXIT_FILE once a place refused them.
int deliver_csv(const std::string& path, const std::string& csv, const std::string& rescue_name);

}  // namespace telvar::cli
