// SPDX-License-Identifier: GPL-3.0-or-later
// merge and download: the update page's merge with its checks, and its
// boot-loader dialogue over RS-232.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/download_console.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/line.h"
#include "cli/line_failure.h"
#include "firmware/download.h"
#include "firmware/merge_files.h"
#include "link/serial_line.h"

#include <string>
#include <string_view>
#include <vector>

namespace telvar::cli {

namespace {

inline constexpr const char* NO_PROMPT_TEXT = "No answer from controller!";
inline constexpr const char* NO_START_TEXT =
    "Error! The image was sent, but the controller did not report the start of the application.";
inline constexpr const char* CUT_TEXT = "Error! The line failed before the whole image was sent.";
// Where the controller is left, and what finishes the download.
inline constexpr const char* IN_BOOT_LOADER_TEXT = "waits in its boot loader: run telvar-k20 download again to finish";

int judge_download(DownloadOutcome outcome)
{
    switch (outcome) {
    case DownloadOutcome::NotEntered:
        return fail_with_status();
    case DownloadOutcome::NoPrompt:
        return fail(EXIT_BOOT_LOADER,
                    line_failure_text(NO_PROMPT_TEXT, named_line()) + "; the controller " + IN_BOOT_LOADER_TEXT);
    case DownloadOutcome::Stopped:
        return fail_interrupted("the controller on " + named_line() + " " + IN_BOOT_LOADER_TEXT);
    case DownloadOutcome::Cut:
        return fail(EXIT_BOOT_LOADER,
                    line_failure_text(CUT_TEXT, named_line()) + "; the controller " + IN_BOOT_LOADER_TEXT);
    case DownloadOutcome::Sent:
        return fail(EXIT_LINK, line_failure_text(NO_START_TEXT, named_line()));
    case DownloadOutcome::Started:
        break;
    }
    // The new firmware runs; the protocol line must have come back with it.
    return rs232con == 1 ? EXIT_DONE : fail_with_status();
}

// The image's checks name the file; its opening does not: the file goes
// right after the opening's text, before its reason.
std::string names_file(std::string error, const std::string& path)
{
    if (error.starts_with(IMAGE_OPEN_FAILED_TEXT))
        error.insert(std::string_view(IMAGE_OPEN_FAILED_TEXT).size(), " " + path);
    return error;
}

}  // namespace

int run_merge(const Invocation& invocation)
{
    MergeFiles files;
    files.firmware = invocation.file;
    files.use_a = !invocation.table_a.empty();
    files.table_a = invocation.table_a;
    files.use_b = !invocation.table_b.empty();
    files.table_b = invocation.table_b;
    files.start = invocation.start;
    files.end = invocation.end;
    files.merged = invocation.output;
    const MergeResult result = merge_files(files);
    if (!result.ok())
        return fail(EXIT_FILE, result.error);
    tell(merged_text(result));
    return EXIT_DONE;
}

// Every record of the image is checked before the line opens.
int run_download(const Invocation& invocation)
{
    std::vector<std::string> lines;
    if (std::string error; !read_image(invocation.file, &lines, &error))
        return fail(EXIT_FILE, names_file(error, invocation.file));
    return with_line(invocation.line, [&] {
        DownloadConsole console(invocation.quiet);
        DownloadView view = console.view();
        view.stop_requested = interrupt_requested;
        const DownloadOutcome outcome = download_image(lines, view);
        console.finish();
        return judge_download(outcome);
    });
}

}  // namespace telvar::cli
