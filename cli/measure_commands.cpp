// SPDX-License-Identifier: GPL-3.0-or-later
// live and datamem: measurement values as CSV, against the thresholds of
// the controller's own parameter set, which is fetched first.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/csv_target.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/line.h"
#include "cli/live_lines.h"
#include "cli/memory_csv.h"
#include "cli/sample_loop.h"
#include "link/command.h"
#include "link/status.h"
#include "params/record.h"
#include "platform/csv_file.h"
#include "platform/events.h"
#include "platform/files.h"
#include "scope/live_sample.h"
#include "scope/memory_reading.h"
#include "scope/recorder_csv.h"
#include "storage/transfer.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace telvar::cli {

namespace {

// Between two looks for a new recording.
inline constexpr int RECORDING_POLL_MS = 50;

// The local time as the recorder writes it.
std::string local_time()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toStdString();
}

// A sample as a line of the invocation's format; `seconds` since the first.
std::string live_text(const Invocation& invocation, long seq, double seconds)
{
    const std::array<double, TRACES> traces = sample_traces(rawdata, parameter);
    if (invocation.format == LiveFormat::Csv)
        return recorder_row(local_time(), seconds, rawdata, traces.data());
    const LivePoint point{std::chrono::system_clock::now(), seq, rawdata, traces, line_name(invocation.line),
                          invocation.name};
    return invocation.format == LiveFormat::Jsonl ? jsonl_line(point) : influx_line(point);
}

// The file is made, or emptied, only once the first row is ready, so that
// a line that fails leaves it as it was. *taken counts the rows written. A
// lost line is waited for, and the rows go on where they stopped.
int take_live_samples(const Invocation& invocation, CsvFile& csv, long* taken)
{
    if (!fetch_record(RAM))
        return fail_with_status();
    QElapsedTimer since_start;
    since_start.start();
    const std::string header = invocation.format == LiveFormat::Csv ? recorder_header() : std::string();
    SampleSink sink;
    sink.take = [&](long seq) {
        const std::string row = live_text(invocation, seq, since_start.nsecsElapsed() / 1e9);
        if (seq == 1 && !(csv.open(invocation.csv) && csv.write(header)))
            return int(EXIT_FILE);
        return csv.write(row) ? int(EXIT_DONE) : int(EXIT_FILE);
    };
    // The rows taken reach their file before a wait that may be long.
    sink.line_lost = [&] { return *taken == 0 || csv.flush() ? int(EXIT_DONE) : int(EXIT_FILE); };
    return take_samples(invocation.count, taken, sink);
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

// A recording that finds no place to go is kept here, in the temporary folder.
std::string rescue_name(int selector)
{
    const QString made = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    return std::string("telvar-k20-datamem-") + (selector == 1 ? 'A' : 'B') + "-" + made.toStdString() + ".csv";
}

}  // namespace

// A signal ends the samples with the CSV whole and the line closed.
int run_live(const Invocation& invocation)
{
    std::string why;
    if (!csv_target_takes_rows(invocation.csv, &why))
        return csv_failure(invocation.csv, why);
    CsvFile csv;
    long taken = 0;
    follow_lost_lines();
    const int code = with_line(invocation.line, [&] { return take_live_samples(invocation, csv, &taken); });
    const bool written = csv.close();
    if ((code == EXIT_FILE || (code == EXIT_DONE && !written)) && invocation.format != LiveFormat::Csv)
        return fail(EXIT_FILE, WithReason("Could not write the samples to standard output", csv.failure()));
    if (code == EXIT_FILE || (code == EXIT_DONE && !written))
        return csv_failure(invocation.csv, csv.failure());
    const bool cut = invocation.count == 0 || taken < invocation.count;
    if (code != EXIT_DONE || !cut || !interrupt_requested())
        return code;
    if (taken > 0)
        return fail_interrupted(csv_name(invocation.csv) + " ends after its last whole row");
    return fail_interrupted(invocation.csv.empty() ? "no sample was taken" : invocation.csv + " is left as it was");
}

// A recording is new only until it has been read, so the target is looked
// at before one is taken, and one read goes somewhere.
int run_datamem(const Invocation& invocation)
{
    std::string why;
    if (!csv_target_takes_file(invocation.csv, &why))
        return csv_failure(invocation.csv, why);
    std::string csv;
    const int code =
        with_line(invocation.line, [&] { return read_recording(invocation.channel, invocation.timeout, &csv); });
    if (code != EXIT_DONE)
        return code;
    return deliver_csv(invocation.csv, csv, rescue_name(invocation.channel));
}

}  // namespace telvar::cli
