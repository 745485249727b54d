// SPDX-License-Identifier: GPL-3.0-or-later
// Every CSV the tool writes goes through here: the recorder's and
// telvar-k20 live's, which grow row by row, and the whole ones of a chart's
// data and telvar-k20 datamem.
#pragma once

#include <QElapsedTimer>

#include <string>
#include <string_view>
#include <vector>

namespace telvar {

// A CSV that grows by whole rows. Rows wait and go out at least once a
// second, in pieces that end at the file's page ends (see row_pieces.h), so
// that a process killed during a write leaves the file ending after a whole
// row. Without a path the rows go to standard output, each at once, so that
// a pipe sees them as they come.
class CsvFile {
public:
    CsvFile() = default;
    ~CsvFile();
    CsvFile(const CsvFile&) = delete;
    CsvFile& operator=(const CsvFile&) = delete;

    // Makes the file new or empties it; false when it cannot.
    bool open(const std::string& path);
    // Whole rows, each ended by a line feed. False once a write has failed.
    bool write(std::string_view rows);
    // Writes what waits now; false once a write has failed.
    bool flush();
    // Writes what waits and closes the file; false when a write failed.
    bool close();
    // Why the file could not be opened or written, for the operator.
    const std::string& failure() const { return failure_; }

private:
    int file_ = 0;  // 0: standard output
    std::string pending_;
    std::size_t written_ = 0;  // bytes in the file
    QElapsedTimer since_flush_;
    bool failed_ = false;
    std::string failure_;
};

// One row: the fields separated by commas and ended by CR LF; a field that
// holds a comma, a quote or a line break is quoted, its quotes doubled.
std::string CsvRow(const std::vector<std::string>& fields);

// The whole CSV into the file, crash-safe; onto standard output when the
// path is empty. `why` as SaveFileAtomically's.
bool SaveCsv(const std::string& path, const std::string& text, std::string* why = nullptr);

}  // namespace telvar
