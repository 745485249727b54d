#include "cli/csv_output.h"

#include "platform/files.h"

#include <cstdio>

namespace telvar::cli {

namespace {

inline constexpr qint64 FLUSH_INTERVAL_MS = 1000;

bool write_out(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written;
}

}  // namespace

bool CsvOutput::open(const std::string& path)
{
    since_flush_.start();
    if (path.empty())
        return true;
    file_ = OpenTextFile(path);
    return file_ > 0;
}

bool CsvOutput::write(const std::string& rows)
{
    if (file_ == 0) {
        failed_ = failed_ || !write_out(rows);
        return !failed_;
    }
    pending_ += rows;
    if (since_flush_.elapsed() >= FLUSH_INTERVAL_MS)
        flush();
    return !failed_;
}

bool CsvOutput::flush()
{
    since_flush_.restart();
    if (!pending_.empty() && WriteTextFile(file_, pending_) != FILE_OK)
        failed_ = true;
    pending_.clear();
    return !failed_;
}

bool CsvOutput::close()
{
    if (file_ == 0)
        return !failed_;
    flush();
    CloseTextFile(file_);
    file_ = 0;
    return !failed_;
}

bool write_whole(const std::string& path, const std::string& text)
{
    return path.empty() ? write_out(text) : SaveFileAtomically(path, text) == FILE_OK;
}

}  // namespace telvar::cli
