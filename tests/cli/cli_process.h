// SPDX-License-Identifier: GPL-3.0-or-later
// telvar-k20 run as the operator runs it: a program of its own, with its
// standard output, standard error and exit code; and the files and
// controllers the tests give it.
#pragma once

#include "support/simulator.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <string>

namespace telvar::test {

struct CliResult {
    int code = -1;  // -1 after a crash or when it did not end in time
    std::string out;
    std::string err;
};

// What a test changes around telvar-k20 beyond its arguments.
struct CliSurroundings {
    QStringList environment = {};  // NAME=VALUE over the tests' own
    bool output_closed = false;    // standard output a pipe whose reader has gone
    long file_size_limit = 0;      // bytes a file may grow to, as on a full disk; 0: no limit
};

// Runs telvar-k20 to its end. COM ports 65-80 are the simulator's folder's.
CliResult run_cli(const QStringList& arguments, const Simulator* sim = nullptr, int limit_ms = 30000);
CliResult run_cli(const QStringList& arguments, const Simulator* sim, const CliSurroundings& surroundings);

// telvar-k20 started and left running, for the tests that end it themselves.
class CliProcess {
public:
    CliProcess(const QStringList& arguments, const Simulator* sim = nullptr);
    ~CliProcess();
    // Waits until standard output holds at least `bytes` bytes.
    bool wait_output(std::size_t bytes, int limit_ms = 10000);
    // Sends the signal and waits for the end.
    CliResult stop(int signal);

private:
    QProcess process_;
    std::string out_;
};

// "--tcp 127.0.0.1:PORT", "--com 65" and "--device PATH" for a simulator.
QStringList tcp_line(const Simulator& sim);
QStringList com_line(const Simulator& sim);
QStringList device_line(const Simulator& sim);
// The path of the simulator's pseudo-terminal link.
QString device_path(const Simulator& sim);

using Words = std::array<std::uint16_t, 48>;

// The simulator's factory set, with the changes a test asks for.
Words factory_words();
// A simulator whose EEPROM (and so its RAM at start) holds the words, kept
// in the file `eeprom` so that a test can read back what was stored.
QStringList eeprom_options(const QString& eeprom, const Words& words);
Words read_eeprom(const QString& eeprom);

std::string read_file(const QString& path);
void write_file(const QString& path, const std::string& content);
// Files that are no files to read: a FIFO nobody writes to, and a file of
// `bytes` that holds no data (sparse), to be refused by its size alone.
void make_fifo(const QString& path);
void make_sparse_file(const QString& path, qint64 bytes);
// A device every write fails on as on a full disk: /dev/full, or one made in
// `dir` where the system lacks it; empty when neither is there.
QString full_device(const QString& dir);

}  // namespace telvar::test
