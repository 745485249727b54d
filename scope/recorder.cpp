// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/recorder.h"

#include "link/status.h"
#include "platform/counted.h"
#include "platform/csv_file.h"
#include "platform/longest_fitting.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "scope/recorder_csv.h"
#include "ui/buttons.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <memory>
#include <string>

namespace telvar {

namespace {

// The indicator's time and count change 26 times a second; a few looks a
// second are enough for the eye.
inline constexpr qint64 INDICATOR_INTERVAL_MS = 250;

struct Recording {
    std::unique_ptr<CsvFile> file;  // null: not recording
    std::string path;
    QElapsedTimer since_start;
    QElapsedTimer since_shown;
    long rows = 0;
};

Recording g_recording;

void show_button(bool on)
{
    SetCtrlAttribute(panelMAIN, MAIN_CMD_RECORDER, ATTR_CMD_BUTTON_COLOR, on ? RECORDING_BUTTON_COLOR : IDLE_BUTTON_COLOR);
}

QString file_name(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return QString::fromStdString(slash == std::string::npos ? path : path.substr(slash + 1));
}

// The text with the file's name at the pattern's %1, the name shortened in
// its middle as far as the indicator needs: what follows the name (the time
// and the row count, or what went wrong) always shows whole. As UTF-8, which
// the platform shows whatever the language and the file's name hold.
std::string fitted(const char* pattern, const QString& name, const QString& more = {})
{
    const QString text = QString::fromUtf8(pattern);
    const qsizetype at = text.indexOf(QStringLiteral("%1"));
    const QString before = at < 0 ? text : text.left(at);
    const QString after = (at < 0 ? QString() : text.mid(at + 2)) + more;
    const auto with = [&](qsizetype kept) {
        const QString shown = kept >= name.size()
            ? name
            : name.left((kept + 1) / 2) + QStringLiteral("...") + name.right(kept / 2);
        return (before + shown + after).toUtf8().toStdString();
    };
    const auto fits = [&](std::size_t kept) {
        return CtrlTextFits(panelMAIN, MAIN_REC_TEXT, with(static_cast<qsizetype>(kept)).c_str()) == 1;
    };
    return with(static_cast<qsizetype>(longest_fitting(static_cast<std::size_t>(name.size()), fits)));
}

// The lasting sign beside the connection indicator: the file, how long and
// how many rows, while it records; a write error stays there too.
void show_indicator(const std::string& text, int lamp_colour)
{
    SetCtrlAttribute(panelMAIN, MAIN_REC_LAMP, ATTR_TEXT_BGCOLOR, lamp_colour);
    SetCtrlVal(panelMAIN, MAIN_REC_TEXT, text.c_str());
    for (int control : {MAIN_REC_LAMP, MAIN_REC_TEXT})
        SetCtrlAttribute(panelMAIN, control, ATTR_VISIBLE, text.empty() ? 0 : 1);
}

void show_progress_of_recording()
{
    g_recording.since_shown.restart();
    const qint64 seconds = g_recording.since_start.elapsed() / 1000;
    const QString progress = QStringLiteral(" · %1:%2:%3 · %4")
                                 .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                                 .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                 .arg(seconds % 60, 2, 10, QLatin1Char('0'))
                                 .arg(QString::fromStdString(counted(g_recording.rows, tr_text("Recorder", "row"),
                                                                     tr_text("Recorder", "rows"))));
    show_indicator(fitted(tr_text("Recorder", "REC %1"), file_name(g_recording.path), progress), RECORDING_LAMP_COLOR);
}

// During RUN the next pass overwrites the status line at once: a write error
// also stays in a message until the operator closes it.
void report_write_error(const char* text, const std::string& path)
{
    set_status(text);
    show_indicator(fitted(tr_text("Recorder", "Not recording: %1 could not be written"), file_name(path)),
                   RECORDING_FAILED_LAMP_COLOR);
    NoticePopup(tr_text("Recorder", "ERROR"), (std::string(text) + "\n" + path).c_str());
}

// Ends the recording with its last rows written; a failed write is reported.
void finish()
{
    const bool written = g_recording.file->close();
    const std::string path = g_recording.path;
    g_recording = Recording{};
    show_button(false);
    show_indicator("", RECORDING_LAMP_COLOR);
    if (!written)
        report_write_error(tr_text("Recorder", "Error! Recording stopped: the file could not be written."), path);
}

void start_recording()
{
    char path[MAX_PATHNAME_LEN] = {};
    const char* title = tr_text("Recorder", "Record live samples to");
    if (FileSelectPopup(dirName, "*.csv", "*.csv", title, VAL_SAVE_BUTTON, 0, 1, 1, 1, path) <= 0)
        return;
    auto file = std::make_unique<CsvFile>();
    // The header goes out at once: a file that cannot be written is told now.
    if (!file->open(path) || !file->write(recorder_header()) || !file->flush()) {
        file->close();
        report_write_error(tr_text("Recorder", "Error! The recording file could not be written."), path);
        return;
    }
    g_recording.file = std::move(file);
    g_recording.path = path;
    g_recording.since_start.start();
    g_recording.rows = 0;
    show_button(true);
    show_progress_of_recording();
    set_status(with_args(tr_text("Recorder", "Recording live samples to %1"), {g_recording.path}).c_str());
}

}  // namespace

bool recording()
{
    return g_recording.file != nullptr;
}

void record_sample(const unsigned short* live, const double* traces, const SampleArrival& arrival)
{
    if (!recording())
        return;
    const auto age = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - arrival.at);
    const double seconds = g_recording.since_start.nsecsElapsed() / 1e9 - age.count() / 1e3;
    // Held up by the recorder's own dialog, the answer came before the recording began.
    if (seconds < 0)
        return;
    const std::string came = QDateTime::currentDateTime()
                                 .addMSecs(-age.count())
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
                                 .toStdString();
    const std::string gap = arrival.after_gap && g_recording.rows > 0 ? RECORDER_GAP : "";
    ++g_recording.rows;
    if (!g_recording.file->write(gap + recorder_row(came, seconds, live, traces))) {
        finish();
        return;
    }
    if (g_recording.since_shown.elapsed() >= INDICATOR_INTERVAL_MS)
        show_progress_of_recording();
}

void stop_recording()
{
    if (recording())
        finish();
}

int CC_CMD_RECORDER(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    if (!recording()) {
        start_recording();
        return 0;
    }
    const std::string samples = counted(g_recording.rows, tr_text("Recorder", "sample"), tr_text("Recorder", "samples"));
    const std::string done = with_args(tr_text("Recorder", "Recording stopped: %1 in %2"), {samples, g_recording.path});
    const bool written = g_recording.file->flush();
    finish();
    if (written)
        set_status(done.c_str());
    return 0;
}

}  // namespace telvar
