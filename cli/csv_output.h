// Where a command's CSV goes: standard output, each piece out at once so
// that a pipe sees every row as it comes, or a file, written whole rows at a
// time and at least once a second, as the recorder writes its file.
#pragma once

#include <QElapsedTimer>

#include <string>

namespace telvar::cli {

class CsvOutput {
public:
    // An empty path is standard output. False when the file cannot be made.
    bool open(const std::string& path);
    // False once a write to the file has failed.
    bool write(const std::string& rows);
    // Writes what is left and closes the file; false when a write failed.
    bool close();

private:
    bool flush();

    int file_ = 0;  // 0: standard output
    std::string pending_;
    QElapsedTimer since_flush_;
    bool failed_ = false;
};

// The whole text into the file (crash-safe), or onto standard output when
// the path is empty.
bool write_whole(const std::string& path, const std::string& text);

}  // namespace telvar::cli
