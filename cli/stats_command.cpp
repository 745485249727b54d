// SPDX-License-Identifier: GPL-3.0-or-later
// stats: the figures of channel A, channel B and the evaluation value
// against their limits, from a recording or from live samples taken as
// live takes them.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/line.h"
#include "cli/recording_csv.h"
#include "cli/sample_loop.h"
#include "cli/stats_text.h"
#include "params/record.h"
#include "platform/files.h"
#include "scope/live_sample.h"
#include "scope/traces.h"
#include "storage/transfer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace telvar::cli {

namespace {

int recording_failure(const std::string& path, const std::string& why)
{
    return fail(EXIT_FILE, WithReason("Could not read the recording: " + path, why));
}

// A line at a time, so that a day's recording needs no more memory than its
// values, which are kept for the limits: each value is outside or not
// against the last row's. A folder, FIFO or device is refused before it is
// opened: opening one may wait or stir the device.
int read_recording_file(const std::string& path, ChannelFigures* figures)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return recording_failure(path, ErrorReason(errno));
    if (S_ISDIR(status.st_mode))
        return recording_failure(path, ErrorReason(EISDIR));
    if (!S_ISREG(status.st_mode))
        return recording_failure(path, "not a regular file");
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "r");
    if (!file) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        return recording_failure(path, ErrorReason(error));
    }
    char* line = nullptr;
    std::size_t size = 0;
    RecordingCsv csv;
    std::string error;
    bool good = true;
    for (ssize_t got = 0; good && !interrupt_requested() && (got = ::getline(&line, &size, file)) > 0;)
        good = csv.take({line, std::size_t(got)}, &error);
    const int read_error = std::ferror(file) ? errno : 0;
    std::free(line);
    std::fclose(file);
    if (!good)
        return fail(EXIT_FILE, path + ":" + std::to_string(csv.line()) + ": " + error);
    if (read_error)
        return recording_failure(path, ErrorReason(read_error));
    if (interrupt_requested())
        return fail_interrupted("no figures were printed");
    if (csv.values().channels[0].empty())
        return fail(EXIT_FILE, path + ": the recording holds no samples");
    for (int channel = 0; channel < RECORDING_CHANNELS; ++channel)
        (*figures)[channel] = compute_figures(csv.values().channels[channel]);
    return EXIT_DONE;
}

// The samples with the thresholds of the controller's own parameter set,
// fetched first, as live writes them. The limits stay those of the set
// fetched, so running figures give the window's without keeping a value:
// any count fits into memory.
int take_stats_samples(const Invocation& invocation, ChannelFigures* figures)
{
    std::array<RunningFigures, RECORDING_CHANNELS> running;
    long taken = 0;
    follow_lost_lines();
    const int code = with_line(invocation.line, [&] {
        if (!fetch_record(RAM))
            return fail_with_status();
        SampleSink sink;
        sink.take = [&](long) {
            const std::array<double, TRACES> traces = sample_traces(rawdata, parameter);
            for (int channel = 0; channel < RECORDING_CHANNELS; ++channel) {
                const StatChannel& traced = STAT_CHANNELS[channel];
                running[channel].add({traces[traced.value - 1], traces[traced.lower - 1], traces[traced.upper - 1]});
            }
            return int(EXIT_DONE);
        };
        return take_samples(invocation.count, &taken, sink);
    });
    if (code == EXIT_DONE && taken < invocation.count && interrupt_requested())
        return fail_interrupted("no figures: " + std::to_string(taken) + " of " + std::to_string(invocation.count)
                                + " samples were taken");
    for (int channel = 0; channel < RECORDING_CHANNELS; ++channel)
        (*figures)[channel] = running[channel].figures();
    return code;
}

}  // namespace

int run_stats(const Invocation& invocation)
{
    ChannelFigures figures;
    const int code = invocation.line.kind != LineKind::None ? take_stats_samples(invocation, &figures)
                                                            : read_recording_file(invocation.csv, &figures);
    if (code != EXIT_DONE)
        return code;
    put_out(invocation.json ? stats_json(figures) : stats_table(figures));
    return EXIT_DONE;
}

}  // namespace telvar::cli
