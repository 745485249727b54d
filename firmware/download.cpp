#include "firmware/download.h"

#include "firmware/srecord.h"
#include "firmware/text_lines.h"
#include "firmware/update_panel.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/rs232.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <string>
#include <vector>

namespace telvar {

namespace {

inline constexpr std::size_t LOG_BUFFER = 2048;
inline constexpr int READ_CHUNK = 255;
// Between two looks at the line: short, so that a drained queue takes the
// next line at once, and yet no busy loop.
inline constexpr double POLL_PAUSE = 0.0002;

void failed(const std::string& text)
{
    MessagePopup("ERROR", text.c_str());
    show_download_ready(false);
}

// The image's lines, every one a sound record; empty with a pop-up otherwise.
std::vector<std::string> image_lines(const char* path)
{
    std::string text;
    if (ReadWholeFile(path, &text) != FILE_OK) {
        failed("Could not open file!");
        return {};
    }
    std::vector<std::string> lines;
    const std::vector<std::string> all = split_lines(text);
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (all[k].empty())
            continue;  // S-record files carry none; the rest is still sent
        if (const RecordError e = check_record(all[k]); e != RecordError::None) {
            failed("The image is not sent: line " + std::to_string(k + 1) + " of " + path + " has "
                   + record_error_text(e) + ".");
            return {};
        }
        lines.push_back(all[k]);
    }
    if (lines.empty())
        failed("The image is not sent: " + std::string(path) + " holds no records.");
    return lines;
}

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

bool await_prompt()
{
    std::string log;
    while ((tdiff = Timer() - tstart) <= PROMPT_WAIT) {
        log += read_waiting();
        if (log.size() > LOG_BUFFER)
            log.erase(0, log.size() - LOG_BUFFER);
        const bool prompted = log.find(BOOTLOADER_PROMPT) != std::string::npos;
        if (prompted)
            log += "\r\n";
        ResetTextBox(panelUPDATE, UPDATE_LOG, log.c_str());
        if (prompted)
            return true;
        let_events_run();
    }
    return false;
}

void send_lines(const std::vector<std::string>& lines)
{
    SetCtrlVal(panelMAIN, MAIN_PROGRESS, 0);
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 1);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string line = lines[k] + "\r\n";
        if (ComWrt(comport, line.data(), static_cast<int>(line.size())) < 0)
            break;
        tstart = Timer();
        while (GetOutQLen(comport) > 0 && Timer() - tstart < LINE_DRAIN_WAIT)
            let_events_run();
        if (const std::string echo = read_waiting(); !echo.empty())
            SetCtrlVal(panelUPDATE, UPDATE_LOG, echo.c_str());
        SetCtrlVal(panelMAIN, MAIN_PROGRESS, static_cast<int>((k + 1) * 100 / lines.size()));
        ProcessSystemEvents();
    }
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, 0);
}

// The full wait runs; only what came after the last line is searched.
bool await_start_message()
{
    tstart = Timer();
    std::string after;
    bool started = false;
    while ((tdiff = Timer() - tstart) < START_MESSAGE_WAIT) {
        const std::string bytes = read_waiting();
        if (!bytes.empty()) {
            after += bytes;
            if (after.size() > LOG_BUFFER)
                after.erase(0, after.size() - LOG_BUFFER);
            started = started || after.find(APPLICATION_STARTED) != std::string::npos;
            SetCtrlVal(panelUPDATE, UPDATE_LOG, bytes.c_str());
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

int CC_CMD_PROGRAM(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    if (rs232con == 0 || comprotocol != 0) {
        MessagePopup("ERROR", SERIAL_ONLY_TEXT);
        return 0;
    }
    // A merged image goes before the plain firmware.
    const char* path = file_selected(UPDATE_LED_MERGED) ? mergedFilePath
                       : file_selected(UPDATE_LED_FIRMWARE) ? firmwarePath : nullptr;
    if (!path) {
        failed("Please select files first!");
        return 0;
    }
    const std::vector<std::string> lines = image_lines(path);
    if (lines.empty())
        return 0;
    if (!send_acknowledged(ORDER_START_DOWNLOAD, "Starting download ... ", "OK!", download_key()))
        return 0;

    tstart = Timer();
    rs232con = InitRS232(0);
    rs232con = InitRS232_PL(1);
    if (!await_prompt()) {
        failed("No answer from controller!");
        return 0;  // the port stays in the boot loader's settings
    }
    send_lines(lines);
    if (await_start_message())
        SetCtrlVal(panelUPDATE, UPDATE_LOG, "\r\n\r\nFirmwareupdate was successful!");
    rs232con = InitRS232_PL(0);
    rs232con = InitRS232(1);
    return 0;
}

}  // namespace telvar
