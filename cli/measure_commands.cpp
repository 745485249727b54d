// SPDX-License-Identifier: GPL-3.0-or-later
// live and datamem: measurement values as CSV, against the thresholds of
// the controller's own parameter set, which is fetched first.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/line.h"
#include "cli/memory_csv.h"
#include "link/command.h"
#include "params/record.h"
#include "platform/events.h"
#include "platform/csv_file.h"
#include "platform/files.h"
#include "scope/acquisition.h"
#include "scope/data_memory.h"
#include "scope/recorder_csv.h"
#include "storage/transfer.h"
#include "ui/status.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <filesystem>

namespace telvar::cli {

namespace {

// Between two looks for a new recording.
inline constexpr int RECORDING_POLL_MS = 50;

// The local time as the recorder writes it.
std::string local_time()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toStdString();
}

int take_live_samples(long count, CsvFile& csv)
{
    if (!fetch_record(RAM))
        return fail_with_status();
    if (!csv.write(recorder_header()))
        return EXIT_FILE;
    QElapsedTimer since_start;
    since_start.start();
    for (long taken = 0; (count == 0 || taken < count) && !interrupt_requested(); ++taken) {
        if (!exchange_live_sample())
            return fail_with_status();
        const std::array<double, TRACES> traces = sample_traces(rawdata, parameter);
        if (!csv.write(recorder_row(local_time(), since_start.nsecsElapsed() / 1e9, rawdata, traces.data())))
            return EXIT_FILE;
    }
    return EXIT_DONE;
}

std::string seconds_text(double seconds)
{
    return QString::number(seconds).toStdString() + (seconds == 1 ? " second" : " seconds");
}

// Passes until one brings a whole new recording, the time-out (0: none)
// runs out, or a signal comes.
int read_recording(int selector, double timeout, std::string* csv)
{
    if (!fetch_record(RAM))
        return fail_with_status();
    const char channel = selector == 1 ? 'A' : 'B';
    QElapsedTimer waiting;
    waiting.start();
    for (;;) {
        const MemoryReading reading = read_memory_pass(selector, {}, {});
        if (reading.pass == MemoryPass::Complete) {
            *csv = memory_csv(channel, reading.memory, memory_curves(parameter, channel == 'A' ? BLOCK_A : BLOCK_B));
            return EXIT_DONE;
        }
        // A block left out would leave old samples among the new ones.
        if (reading.pass == MemoryPass::Partial)
            set_status(ECHO_INCORRECT_TEXT);
        if (reading.pass != MemoryPass::NothingNew)
            return fail_with_status();
        if (interrupt_requested())
            return fail_interrupted("no recording was read");
        if (timeout > 0 && waiting.elapsed() >= timeout * 1000)
            return fail(EXIT_TIMEOUT, std::string("No new recording of channel ") + channel + " within "
                                          + seconds_text(timeout) + " (" + named_line()
                                          + "); let the controller record an event, or give a longer --timeout");
        WaitEvents(RECORDING_POLL_MS);
    }
}

std::string folder_of(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? "." : folder.string();
}

std::string csv_name(const std::string& path)
{
    return path.empty() ? "standard output" : path;
}

int file_failure(const std::string& path, const std::string& why)
{
    return fail(EXIT_FILE, WithReason("Could not write the CSV file: " + csv_name(path), why));
}

}  // namespace

// A signal ends the samples with the CSV whole and the line closed.
int run_live(const Invocation& invocation)
{
    CsvFile csv;
    if (!csv.open(invocation.csv))
        return file_failure(invocation.csv, csv.failure());
    const int code = with_line(invocation.line, [&] { return take_live_samples(invocation.count, csv); });
    const bool written = csv.close();
    if (code == EXIT_FILE || (code == EXIT_DONE && !written))
        return file_failure(invocation.csv, csv.failure());
    if (code == EXIT_DONE && interrupt_requested())
        return fail_interrupted(csv_name(invocation.csv) + " ends after its last whole row");
    return code;
}

// A recording is new only until it has been read, so the folder is looked
// at before one is taken.
int run_datamem(const Invocation& invocation)
{
    std::string why;
    if (!invocation.csv.empty() && !DirectoryWritable(folder_of(invocation.csv), &why))
        return file_failure(invocation.csv, why);
    std::string csv;
    const int code =
        with_line(invocation.line, [&] { return read_recording(invocation.channel, invocation.timeout, &csv); });
    if (code != EXIT_DONE)
        return code;
    return SaveCsv(invocation.csv, csv, &why) ? EXIT_DONE : file_failure(invocation.csv, why);
}

}  // namespace telvar::cli
