// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/csv_file.h"

#include "platform/files.h"
#include "platform/row_pieces.h"

#include <cerrno>
#include <cstdio>

namespace telvar {

namespace {

inline constexpr qint64 FLUSH_INTERVAL_MS = 1000;

std::string field(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

bool write_out(std::string_view text, std::string* why)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    const bool flushed = std::fflush(stdout) == 0;
    if (!(written && flushed) && why)
        *why = ErrorReason(errno);
    return written && flushed;
}

}  // namespace

CsvFile::~CsvFile()
{
    close();
}

bool CsvFile::open(const std::string& path)
{
    close();
    failed_ = false;
    failure_.clear();
    written_ = 0;
    since_flush_.start();
    if (path.empty())
        return true;
    file_ = OpenTextFile(path, &failure_);
    if (file_ > 0)
        return true;
    file_ = 0;
    failed_ = true;
    return false;
}

bool CsvFile::write(std::string_view rows)
{
    if (failed_)
        return false;
    if (file_ == 0) {
        failed_ = !write_out(rows, &failure_);
        return !failed_;
    }
    pending_ += rows;
    return since_flush_.elapsed() < FLUSH_INTERVAL_MS || flush();
}

bool CsvFile::flush()
{
    since_flush_.restart();
    if (file_ == 0 || failed_)
        return !failed_;
    for (std::string_view piece : row_pieces(pending_, written_)) {
        if (WriteTextFile(file_, std::string(piece), &failure_) != FILE_OK) {
            failed_ = true;
            break;
        }
        written_ += piece.size();
    }
    pending_.clear();
    return !failed_;
}

bool CsvFile::close()
{
    if (file_ == 0)
        return !failed_;
    if (!failed_)
        flush();
    // The first failure is the one to tell.
    if (CloseTextFile(file_, failed_ ? nullptr : &failure_) != FILE_OK)
        failed_ = true;
    file_ = 0;
    pending_.clear();
    return !failed_;
}

std::string CsvRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (std::size_t k = 0; k < fields.size(); ++k)
        row += (k ? "," : "") + field(fields[k]);
    return row + "\r\n";
}

bool SaveCsv(const std::string& path, const std::string& text, std::string* why)
{
    return path.empty() ? write_out(text, why) : SaveFileAtomically(path, text, why) == FILE_OK;
}

}  // namespace telvar
