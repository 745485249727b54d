// SPDX-License-Identifier: GPL-3.0-or-later
// The frame monitor's window as a service engineer uses it: opened from the
// main window, it lists the exchange's frames while it is open and not
// paused; Save writes what it lists, Copy and Ctrl+C what is selected.
#include "support/link_fixture.h"

#include "link/com232.h"
#include "link/frame_observer.h"
#include "link/line_watch.h"
#include "link/orders.h"
#include "link/tcp_line.h"
#include "monitor/frame_monitor.h"
#include "monitor/frame_text.h"
#include "platform/qt_access.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "telvar_version.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace telvar::test {
namespace {

class FrameMonitorWindow : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        setup_frame_monitor();
        peer = std::make_unique<TcpPeer>(good_controller);
        connect_tcp(*peer);
        ASSERT_EQ(tcpcon, 1);
    }
    void TearDown() override
    {
        close();
        LinkTest::TearDown();
    }
    static void open() { CallCtrlCallback(panelMAIN, MAIN_CMD_MONITOR, EVENT_COMMIT, 0, 0); }
    static void close() { PanelWidget(panelMONITOR)->close(); }
    static void press(int control, int value = 0)
    {
        SetCtrlVal(panelMONITOR, control, value);
        CallCtrlCallback(panelMONITOR, control, EVENT_COMMIT, 0, 0);
    }
    static QTableView* table() { return qobject_cast<QTableView*>(ControlWidget(panelMONITOR, MONITOR_TABLE)); }
    // The cells of a listed row as the table shows them, the words one by one.
    static QStringList cells(int row)
    {
        QStringList all;
        const QAbstractItemModel* model = table()->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString text = model->index(row, column).data().toString();
            all += column == COLUMN_WORDS ? text.split(QLatin1Char(' ')) : QStringList{text};
        }
        return all;
    }
    // Whether the list shows that many rows once it has taken in what was logged.
    static bool listed_rows(int count)
    {
        return QTest::qWaitFor([count] { return table()->model()->rowCount() == count; }, 2000);
    }
    std::unique_ptr<TcpPeer> peer;
};

TEST_F(FrameMonitorWindow, ListsTheExchangeOnlyWhileOpenAndNotPaused)
{
    EXPECT_FALSE(frames_watched()) << "a closed monitor costs the exchange nothing";
    open();
    exchange(ORDER_RESET);
    EXPECT_TRUE(listed_rows(2));

    press(MONITOR_PAUSE, 1);
    EXPECT_FALSE(frames_watched());
    exchange(ORDER_RESET);

    // The list goes from the two frames before the pause to four, never six.
    press(MONITOR_PAUSE, 0);
    exchange(ORDER_RESET);
    EXPECT_TRUE(listed_rows(4));

    close();
    EXPECT_FALSE(PanelWidget(panelMONITOR)->isVisible());
    EXPECT_FALSE(frames_watched());
}

// A screen reader meets the monitor as a window of its own, and Esc and
// Ctrl+W close it as the window's close does: nothing is logged after.
TEST_F(FrameMonitorWindow, IsAWindowThatEscAndCtrlWClose)
{
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ControlModifier | Qt::Key_W)}) {
        open();
        QWidget* window = PanelWidget(panelMONITOR);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Dialog);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name), QStringLiteral("Frame monitor"));
        table()->setFocus();
        QTest::keySequence(window, keys);
        // A button's shortcut clicks it as the mouse would, press and release.
        EXPECT_TRUE(QTest::qWaitFor([window] { return !window->isVisible(); }, 1000)) << keys.toString().toStdString();
        EXPECT_FALSE(frames_watched()) << keys.toString().toStdString();
    }
}

TEST_F(FrameMonitorWindow, SaveWritesTheListedFramesAndCopyTheSelectedOnes)
{
    open();
    exchange(ORDER_RESET);
    exchange(ORDER_RAWDATA, {1});
    exchange(ORDER_RESET);
    press(MONITOR_FILTER, ORDER_RESET);
    ASSERT_EQ(table()->model()->rowCount(), 4);

    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("frames.csv")).toStdString();
    dialogs.expect_file_dialog("Save Frames", {VAL_NEW_FILE_SELECTED, path});
    press(MONITOR_SAVE);
    QFile saved(QString::fromStdString(path));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const std::string csv = saved.readAll().toStdString();
    const QStringList lines = QString::fromStdString(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 9) << csv;
    // Where the frames came from, before them.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Saved,\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$")).match(lines[0]).hasMatch())
        << csv;
    EXPECT_EQ(lines[1], QStringLiteral("Line,TCP 127.0.0.1:%1").arg(peer->port()));
    EXPECT_EQ(lines[2], QStringLiteral("Controller,TELVAR-K20 test peer 1.0"));
    EXPECT_EQ(lines[3], QStringLiteral("Tool,TELVAR-K20-Dizer ") + QLatin1String(TELVAR_VERSION));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("seconds,direction,code,name,marks,word 0,"))) << csv;
    // The words as 0x06E4, which no spreadsheet takes for a number such as 6E4.
    for (int row = 0; row < 4; ++row) {
        QStringList shown = cells(row);
        for (int k = COLUMN_WORDS; k < shown.size(); ++k)
            shown[k] = QStringLiteral("0x") + shown[k];
        EXPECT_EQ(lines[row + 5].split(QLatin1Char(',')), shown) << row;
    }
    EXPECT_EQ(cells(1)[3], QStringLiteral("RESET ACK"));

    char state[256] = {};
    pump(600);  // a refresh of the list keeps the save in sight
    GetCtrlVal(panelMONITOR, MONITOR_STATE, state);
    EXPECT_EQ(std::string(state), "4 of 6 frames; saved 4 to frames.csv");

    // A file that cannot be written is told, not shown as saved.
    const std::string lost = dir.filePath(QStringLiteral("gone/frames.txt")).toStdString();
    dialogs.expect_file_dialog("Save Frames", {VAL_NEW_FILE_SELECTED, lost});
    dialogs.expect_message("ERROR", "The frames could not be saved to " + lost + ".");
    press(MONITOR_SAVE);
    dialogs.check_all_shown();
    GetCtrlVal(panelMONITOR, MONITOR_STATE, state);
    EXPECT_EQ(std::string(state), "4 of 6 frames");

    // The second and third rows, copied with the keys as well as the button.
    DisplayPanel(panelMONITOR);
    PanelWidget(panelMONITOR)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(PanelWidget(panelMONITOR)));
    table()->setFocus();
    const QAbstractItemModel* model = table()->model();
    table()->selectionModel()->select(QItemSelection(model->index(1, 0), model->index(2, model->columnCount() - 1)),
                                      QItemSelectionModel::ClearAndSelect);
    for (bool keys : {true, false}) {
        QGuiApplication::clipboard()->clear();
        if (keys) {
            QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
            pump(250);  // a shortcut clicks its button as the mouse would, press and release
        } else {
            press(MONITOR_COPY);
        }
        const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(copied.size(), 2) << keys;
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(copied[k].simplified(), cells(k + 1).join(QLatin1Char(' ')).simplified()) << keys;
        }
    }
}

// Every kind of row: each event at its first and last attempt, for every
// order code, a data block, no trigger, the version text, an unknown code,
// acknowledged and not.
std::vector<FrameRecord> every_kind_of_row()
{
    std::vector<int> codes{DATA_BLOCK_LAST, DATA_NO_TRIGGER, 0x1234};
    for (const OrderName& order : ORDER_NAMES)
        codes.push_back(order.code);
    std::vector<FrameRecord> rows;
    for (FrameEvent event : {FrameEvent::Request, FrameEvent::Answer, FrameEvent::TimedOut, FrameEvent::WriteFailed,
                             FrameEvent::DataFailed})
        for (int attempt : {1, EXCHANGE_ATTEMPTS})
            for (int code : codes)
                for (int word : {ANSWER_ACK, 0}) {
                    FrameRecord record{.time = 1234.5678, .event = event, .attempt = attempt};
                    const bool memory = code == DATA_BLOCK_LAST || code == DATA_NO_TRIGGER;
                    record.order = static_cast<std::uint16_t>(memory ? ORDER_DATA_MEMORY : code);
                    record.code = static_cast<std::uint16_t>(code);
                    record.sync = static_cast<std::uint16_t>(word ? frame::kSyncWord : 0);
                    record.words[0] = static_cast<std::uint16_t>(word);
                    rows.push_back(record);
                }
    return rows;
}

// In German the list speaks German while what is saved or copied keeps its
// English columns and words, and every column of the list is as wide as the
// longest text it may show.
TEST(FrameMonitorTexts, SavedStayEnglishAndShownFitTheirColumns)
{
    const std::vector<FrameRecord> records = every_kind_of_row();
    FrameRows rows;
    for (const FrameRecord& record : records)
        rows.push_back(&record);
    const LineState lost{LineCondition::Waiting, "TCP 10.0.0.5:10001", {}};
    const SavedFacts facts{"2025-01-01 12:00:00", line_description(lost), ""};
    const std::string text = frames_text(rows, facts);
    const std::string csv = frames_csv(rows, facts);
    EXPECT_EQ(facts.line, "Lost, waiting for TCP 10.0.0.5:10001");

    for (const char* language : {"de", "en"}) {
        install_language(language);
        EXPECT_EQ(frames_text(rows, facts), text) << language;
        EXPECT_EQ(frames_csv(rows, facts), csv) << language;
        EXPECT_EQ(line_description(lost), facts.line) << language;
        for (const FrameRecord& record : records)
            for (int column = 0; column < FRAME_COLUMNS; ++column) {
                const QString shown = QString::fromStdString(shown_frame_cell(record, column));
                EXPECT_LE(shown.size(), shown_column_characters(column)) << language << ": " << shown.toStdString();
            }
    }
}

}  // namespace
}  // namespace telvar::test
