// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/download.h"

#include "firmware/srecord.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/line_table.h"
#include "link/orders.h"
#include "link/reconnect.h"
#include "link/serial_line.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/rs232.h"
#include "platform/translation.h"

#include <string>
#include <vector>

namespace telvar {

namespace {

inline constexpr std::size_t LOG_BUFFER = 2048;
inline constexpr int READ_CHUNK = 255;
// Between two looks at the line: short, so that a drained queue takes the
// next line at once, and yet no busy loop.
inline constexpr double POLL_PAUSE = 0.0002;

}  // namespace

bool read_image(const std::string& path, std::vector<std::string>* lines, std::string* error)
{
    std::string text;
    if (std::string why; ReadWholeFile(path, FileKind::firmware_image, &text, &why) != FILE_OK) {
        *error = WithReason(tr_text("FirmwareUpdate", IMAGE_OPEN_FAILED_TEXT), why);
        return false;
    }
    ImageCheck check = check_image(text);
    lines->clear();
    if (check.error != RecordError::None) {
        *error = with_args(tr_text("FirmwareUpdate", "The image is not sent: line %1 of %2 has %3."),
                           {std::to_string(check.bad_line), path, record_error_text(check.error)});
        return false;
    }
    if (check.lines.empty()) {
        *error = with_args(tr_text("FirmwareUpdate", "The image is not sent: %1 holds no records."), {path});
        return false;
    }
    // Without it the boot loader would wait for the rest of the image.
    if (!ends_image(check.lines.back()[1] - '0')) {
        *error = with_args(
            tr_text("FirmwareUpdate", "The image is not sent: %1 does not end with an end record (S7, S8 or S9)."),
            {path});
        return false;
    }
    *lines = std::move(check.lines);
    return true;
}

namespace {

// Up to 255 waiting bytes, ended early by a zero byte.
std::string read_waiting()
{
    const int waiting = GetInQLen(comport);
    if (waiting <= 0)
        return {};
    char chunk[READ_CHUNK + 1] = {};
    const int got = ComRdTerm(comport, chunk, waiting < READ_CHUNK ? waiting : READ_CHUNK, 0);
    return got > 0 ? std::string(chunk, static_cast<std::size_t>(got)) : std::string();
}

void let_events_run()
{
    ProcessSystemEvents();
    Delay(POLL_PAUSE);
}

bool stop_requested(const DownloadView& view)
{
    return view.stop_requested && view.stop_requested();
}

bool await_prompt(const DownloadView& view)
{
    std::string log;
    while (measure_tdiff() <= PROMPT_WAIT && !stop_requested(view)) {
        log += read_waiting();
        if (log.size() > LOG_BUFFER)
            log.erase(0, log.size() - LOG_BUFFER);
        const bool prompted = log.find(BOOTLOADER_PROMPT) != std::string::npos;
        if (prompted)
            log += "\r\n";
        view.replace_log(log);
        if (prompted)
            return true;
        let_events_run();
    }
    return false;
}

// The count of lines that went out.
std::size_t send_lines(const std::vector<std::string>& lines, const DownloadView& view)
{
    view.progress(0);
    std::size_t k = 0;
    for (; k < lines.size() && !stop_requested(view); ++k) {
        const std::string line = lines[k] + "\r\n";
        if (ComWrt(comport, line.data(), static_cast<int>(line.size())) < 0)
            break;
        mark_tstart();
        while (GetOutQLen(comport) > 0 && Timer() - tstart < LINE_DRAIN_WAIT)
            let_events_run();
        if (const std::string echo = read_waiting(); !echo.empty())
            view.append_log(echo);
        view.progress(static_cast<int>((k + 1) * 100 / lines.size()));
        ProcessSystemEvents();
    }
    return k;
}

// The full wait runs; only what came after the last line is searched.
bool await_start_message(const DownloadView& view)
{
    mark_tstart();
    std::string after;
    bool started = false;
    while (measure_tdiff() < START_MESSAGE_WAIT) {
        const std::string bytes = read_waiting();
        if (!bytes.empty()) {
            after += bytes;
            if (after.size() > LOG_BUFFER)
                after.erase(0, after.size() - LOG_BUFFER);
            started = started || after.find(APPLICATION_STARTED) != std::string::npos;
            view.append_log(bytes);
        }
        let_events_run();
    }
    return started;
}

frame::Words download_key()
{
    frame::Words key{};
    for (int k = 0; k < PNUM; ++k)
        key[k] = static_cast<std::uint16_t>(k % 2 == 0 ? DOWNLOAD_KEY_EVEN : DOWNLOAD_KEY_ODD);
    return key;
}

}  // namespace

DownloadOutcome download_image(const std::vector<std::string>& lines, const DownloadView& view)
{
    // The download closes and reopens the port itself.
    const ReconnectPause own_port;
    if (!send_acknowledged(ORDER_START_DOWNLOAD, tr_text("FirmwareUpdate", "Starting download ... "),
                           tr_text("FirmwareUpdate", "OK!"), download_key()))
        return DownloadOutcome::NotEntered;
    mark_tstart();
    InitRS232(0);
    InitRS232_PL(1);
    if (!await_prompt(view))
        return stop_requested(view) ? DownloadOutcome::Stopped : DownloadOutcome::NoPrompt;
    // Once every line is out, the boot loader starts the image whatever comes.
    const bool whole = send_lines(lines, view) == lines.size();
    if (!whole && stop_requested(view))
        return DownloadOutcome::Stopped;
    const bool started = await_start_message(view);
    if (started)
        view.append_log(std::string("\r\n\r\n") + tr_text("FirmwareUpdate", DOWNLOAD_SUCCESS_TEXT));
    InitRS232_PL(0);
    InitRS232(1);
    if (started)
        return DownloadOutcome::Started;
    return whole ? DownloadOutcome::Sent : DownloadOutcome::Cut;
}

}  // namespace telvar
