#include "scope/recorder.h"

#include "platform/files.h"
#include "platform/userint.h"
#include "scope/recorder_csv.h"
#include "scope/row_pieces.h"
#include "ui/buttons.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"
#include "ui/status.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <string>

namespace telvar {

namespace {

inline constexpr qint64 FLUSH_INTERVAL_MS = 1000;

struct Recording {
    int file = 0;           // 0: not recording
    std::string path;
    std::string pending;    // whole rows not written yet
    std::size_t written = 0;  // bytes in the file
    QElapsedTimer since_start;
    QElapsedTimer since_flush;
    long rows = 0;
};

Recording g_recording;

void show_button(bool on)
{
    SetCtrlAttribute(panelMAIN, MAIN_CMD_RECORDER, ATTR_CMD_BUTTON_COLOR, on ? RECORDING_BUTTON_COLOR : IDLE_BUTTON_COLOR);
}

bool flush_rows()
{
    g_recording.since_flush.restart();
    if (g_recording.pending.empty())
        return true;
    bool written = true;
    for (std::string_view piece : row_pieces(g_recording.pending, g_recording.written)) {
        written = WriteTextFile(g_recording.file, std::string(piece)) == FILE_OK;
        if (!written)
            break;
        g_recording.written += piece.size();
    }
    g_recording.pending.clear();
    return written;
}

// During RUN the next pass overwrites the status line at once: a write error
// also stays in a message until the operator closes it.
void report_write_error(const char* text, const std::string& path)
{
    set_status(text);
    NoticePopup("ERROR", (std::string(text) + "\n" + path).c_str());
}

// Ends the recording; a failed last write is reported.
void finish(bool written)
{
    const std::string path = g_recording.path;
    CloseTextFile(g_recording.file);
    g_recording = Recording{};
    show_button(false);
    if (!written)
        report_write_error("Error! Recording stopped: the file could not be written.", path);
}

void start_recording()
{
    char path[MAX_PATHNAME_LEN] = {};
    if (FileSelectPopup(dirName, "*.csv", "*.csv", "Record live samples to", VAL_SAVE_BUTTON, 0, 1, 1, 1, path) <= 0)
        return;
    const int file = OpenTextFile(path);
    const std::string header = recorder_header();
    if (file <= 0 || WriteTextFile(file, header) != FILE_OK) {
        if (file > 0)
            CloseTextFile(file);
        report_write_error("Error! The recording file could not be written.", path);
        return;
    }
    g_recording = Recording{file, path, {}, header.size(), {}, {}, 0};
    g_recording.since_start.start();
    g_recording.since_flush.start();
    show_button(true);
    set_status(("Recording live samples to " + g_recording.path).c_str());
}

}  // namespace

bool recording()
{
    return g_recording.file != 0;
}

void record_sample(const unsigned short* live, const double* traces)
{
    if (!recording())
        return;
    const std::string now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toStdString();
    g_recording.pending += recorder_row(now, g_recording.since_start.nsecsElapsed() / 1e9, live, traces);
    ++g_recording.rows;
    if (g_recording.since_flush.elapsed() >= FLUSH_INTERVAL_MS && !flush_rows())
        finish(false);
}

void stop_recording()
{
    if (recording())
        finish(flush_rows());
}

int CC_CMD_RECORDER(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    if (!recording()) {
        start_recording();
        return 0;
    }
    const std::string done = "Recording stopped: " + std::to_string(g_recording.rows) + " samples in " + g_recording.path;
    const bool written = flush_rows();
    finish(written);
    if (written)
        set_status(done.c_str());
    return 0;
}

}  // namespace telvar
