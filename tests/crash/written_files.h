// SPDX-License-Identifier: GPL-3.0-or-later
// The files the tool writes, each in two versions that tell apart what a
// writer killed halfway leaves behind: the old version whole, the new one
// whole, or neither. The kill test and its writer program share them, so
// that both sides produce the very bytes the tool writes.
#pragma once

#include <string>

namespace telvar::test::crash {

enum class WrittenFile { parameter, history, merged };

WrittenFile written_file(const std::string& name);  // "parameter", "history", "merged"
std::string file_name(WrittenFile file);

// The inputs some versions are made from (the merge's firmware and tables),
// placed in `inputs`.
bool write_inputs(WrittenFile file, const std::string& inputs);

// Writes version 0 or 1 of the file to `path` with the tool's own code.
bool write_version(WrittenFile file, const std::string& path, const std::string& inputs, int version);

// The recorder's CSV: the live words of sample `n`, and the threshold traces
// of every sample. Word 1 (the evaluation column) counts the samples.
void recorder_sample(long n, unsigned short* live, double* traces);

}  // namespace telvar::test::crash
