// SPDX-License-Identifier: GPL-3.0-or-later
// Every command that talks to the controller against each fault of the
// simulator, over TCP and over its pseudo-terminal. Each cell checks the
// status text, that no wait lasts longer than the retries allow, the button
// groups as the failure leaves them, and, for Get and Send, the record and
// the pages. The faults start after the line check and version query of the
// opening, so that every command meets them on an open line.
#include "support/link_fixture.h"
#include "support/record_copy.h"
#include "support/simulator_line.h"
#include "tests/sim/srecords.h"

#include "app/startup.h"
#include "firmware/download.h"
#include "firmware/update_panel.h"
#include "link/com232.h"
#include "link/command.h"
#include "link/line_check.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "params/mapping.h"
#include "params/pages.h"
#include "params/record.h"
#include "platform/qt_access.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "storage/transfer.h"
#include "testmode/test_mode.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace telvar::test {
namespace {

enum class Cmd { LineCheck, Version, Get, SendRam, SendEeprom, Run, Data, Reset, Teach, Enter, Exit, TestData, BootEntry };
enum class Fault { Silent, SilentEvery3, WrongSync, ShortAnswer, Split, Delay600, Garbage, CloseAfter, Nak };

// What a cell must end with.
enum class Expect {
    Ok,            // the command's own success
    Lost,          // "Error! Connection lost.", stop_flag, every group dimmed
    Echo,          // "Error! Sensor echo incorrect.", stop_flag, every group dimmed
    LoopLost,      // RUN or DATA: the loop's failure text, every group enabled again
    LoopEcho,
    Nak,           // "Error! Sensor echo incorrect." only: no stop_flag, the groups as they were
    EchoTextOnly,  // the test data exchange: the text only
    VersionLost,   // the version query: "Error! Connection lost.", every group dimmed, stop_flag kept
    VersionText,   // the version query shows whatever text came, every group enabled
    NoConnection,  // the line check: "Error! No connection found."
    CheckSilent,   // the line check with a wrong sync word: no message of its own
    Incorrect,     // the line check: "Answer incorrect. Check Sensor."
    SerialOnly,    // the download refused over TCP: nothing is sent
};

struct Cell {
    Cmd cmd;
    Fault fault;
    Line line;
};

const char* name(Cmd c)
{
    static const char* names[] = {"LineCheck", "Version", "Get", "SendRam", "SendEeprom", "Run", "Data",
                                  "Reset", "Teach", "Enter", "Exit", "TestData", "BootEntry"};
    return names[static_cast<int>(c)];
}

const char* name(Fault f)
{
    static const char* names[] = {"Silent", "SilentEvery3", "WrongSync", "ShortAnswer", "Split",
                                  "Delay600", "Garbage", "CloseAfter", "Nak"};
    return names[static_cast<int>(f)];
}

int order_of(Cmd c)
{
    switch (c) {
    case Cmd::LineCheck: return ORDER_LINE_CHECK;
    case Cmd::Version: return ORDER_VERSION;
    case Cmd::Get: return ORDER_READ_RAM;
    case Cmd::SendRam: return ORDER_WRITE_RAM;
    case Cmd::SendEeprom: return ORDER_WRITE_EEPROM;  // the common block's, which stores the set
    case Cmd::Run: return ORDER_RAWDATA;
    case Cmd::Data: return ORDER_DATA_MEMORY;
    case Cmd::Reset: return ORDER_RESET;
    case Cmd::Teach: return ORDER_TEACH;
    case Cmd::Enter: return ORDER_ENTER_TEST;
    case Cmd::Exit: return ORDER_EXIT_TEST;
    case Cmd::TestData: return ORDER_TEST_DATA;
    case Cmd::BootEntry: return ORDER_START_DOWNLOAD;
    }
    return 0;
}

bool acknowledged(Cmd c)
{
    return c == Cmd::Reset || c == Cmd::Teach || c == Cmd::Enter || c == Cmd::Exit || c == Cmd::BootEntry;
}

bool loop(Cmd c)
{
    return c == Cmd::Run || c == Cmd::Data;
}

// Frames a command sends when all goes well (the line check's own).
int frames(Cmd c)
{
    switch (c) {
    case Cmd::Get:
    case Cmd::SendRam:
    case Cmd::SendEeprom: return 3;
    case Cmd::Teach: return 4;
    default: return 1;
    }
}

QStringList options(Fault f, Cmd c)
{
    QStringList o{"--faults-after", "2"};
    switch (f) {
    case Fault::Silent: return o << "--silent";
    case Fault::SilentEvery3: return o << "--silent-every" << "3";
    case Fault::WrongSync: return o << "--wrong-sync";
    case Fault::ShortAnswer: return o << "--short-answer";
    case Fault::Split: return o << "--split-answer" << "100";
    case Fault::Delay600: return o << "--delay" << "600";
    case Fault::Garbage: return o << "--garbage" << "5";
    case Fault::CloseAfter: return {"--close-after", "3"};
    case Fault::Nak: return o << "--nak-codes" << QString::number(order_of(c));
    }
    return o;
}

Expect failed_as(Cmd c, Expect lost_or_echo)
{
    const bool lost = lost_or_echo == Expect::Lost;
    if (c == Cmd::LineCheck)
        return lost ? Expect::NoConnection : Expect::CheckSilent;
    if (loop(c))
        return lost ? Expect::LoopLost : Expect::LoopEcho;
    if (c == Cmd::TestData && !lost)
        return Expect::EchoTextOnly;
    if (c == Cmd::Version)
        return lost ? Expect::VersionLost : Expect::VersionText;  // text: no sync word is checked
    return lost_or_echo;
}

Expect expected(const Cell& cell)
{
    if (cell.cmd == Cmd::BootEntry && cell.line == Line::Tcp)
        return Expect::SerialOnly;
    switch (cell.fault) {
    case Fault::ShortAnswer:
        // The controller takes the order even so, and its boot loader then
        // speaks text where the repeated request's answer was due.
        if (cell.cmd == Cmd::BootEntry)
            return Expect::Echo;
        return failed_as(cell.cmd, Expect::Lost);
    case Fault::Silent: return failed_as(cell.cmd, Expect::Lost);
    case Fault::SilentEvery3:
    case Fault::Split: return Expect::Ok;
    case Fault::WrongSync:
    case Fault::Garbage: return failed_as(cell.cmd, Expect::Echo);
    case Fault::Delay600:
        // An answer later than its wait is taken by the next attempt. The
        // teach's repeated request is answered in the fetch that follows,
        // where an acknowledgement is no block's answer.
        if (cell.cmd == Cmd::Teach)
            return Expect::Echo;
        return cell.cmd == Cmd::Version ? Expect::VersionText : Expect::Ok;
    case Fault::CloseAfter:
        // The line check and version query, then one answer before the line
        // goes. The boot loader the download entered is still there on the
        // fresh line, and the download goes on.
        if (frames(cell.cmd) > 1 || loop(cell.cmd))
            return loop(cell.cmd) ? Expect::LoopLost : Expect::Lost;
        return Expect::Ok;
    case Fault::Nak:
        if (cell.cmd == Cmd::LineCheck)
            return Expect::Incorrect;
        if (cell.cmd == Cmd::Version)
            return Expect::VersionText;
        // A refused block lacks its block number: no set was read or stored.
        if (frames(cell.cmd) == 3)
            return Expect::Echo;
        return acknowledged(cell.cmd) ? Expect::Nak : Expect::Ok;
    }
    return Expect::Ok;
}

const char* success_text(Cmd c)
{
    switch (c) {
    case Cmd::LineCheck: return "Connection found. Line OK.";
    case Cmd::Version: return "TELVAR-K20 SIM V1.00";
    case Cmd::Get: return "Parameter loaded from sensor.";
    case Cmd::SendRam:
    case Cmd::SendEeprom: return "Parameter saved to sensor.";
    case Cmd::Run:
    case Cmd::TestData: return "Rawdata recieved.";
    case Cmd::Reset: return "Reseting data ... Success!";
    case Cmd::Teach: return "Parameter loaded from sensor.";
    case Cmd::Enter: return "Entering testmode ... Success!";
    case Cmd::Exit: return "Restarting normal mode ... Success!";
    case Cmd::BootEntry: return "Starting download ... OK!";
    case Cmd::Data: return nullptr;  // the last block's or the no-trigger text
    }
    return nullptr;
}

class FaultMatrix : public LinkTest, public ::testing::WithParamInterface<Cell> {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        setup_strip_chart();
        setup_test_panel();
        setup_update_panel();
        // Pop-ups are noted, whichever come: a hang-up's, the download's.
        SetModalHook([this](const ModalRequest& request) {
            if (request.kind == ModalKind::FileSelect)
                return ModalAnswer{VAL_EXISTING_FILE_SELECTED, firmware};
            messages.push_back(request.title + ": " + request.text);
            return ModalAnswer{};
        });
        ASSERT_TRUE(dir.isValid());
        firmware = QDir(dir.path()).filePath(QStringLiteral("fw.S")).toStdString();
        QFile f(QString::fromStdString(firmware));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(sim::test::firmware_image(4)));
    }
    void TearDown() override
    {
        InitRS232_PL(0);
        SetModalHook(nullptr);
        LinkTest::TearDown();
        raise_stop_flag();
        set_test_panel_controls(1, 0);
    }
    void run_command(Cmd c)
    {
        const auto press = [](int panel, int control) { CallCtrlCallback(panel, control, EVENT_COMMIT, 0, 0); };
        switch (c) {
        case Cmd::LineCheck: CheckComLine(); break;
        case Cmd::Version: GetVERSIONInfo(); break;
        case Cmd::Get: press(panelMAIN, MAIN_BTN_GET); break;
        case Cmd::SendRam: press(panelMAIN, MAIN_BTN_SEND); break;
        case Cmd::SendEeprom:
            press(panelMAIN, MAIN_RADIO_EEPROM);
            press(panelMAIN, MAIN_BTN_SEND);
            press(panelMAIN, MAIN_RADIO_RAM);
            break;
        case Cmd::Run:
        case Cmd::Data:
            QTimer::singleShot(300, [] { CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0); });
            press(panelMAIN, c == Cmd::Run ? MAIN_CMD_RUN : MAIN_CMD_DATA);
            break;
        case Cmd::Reset: press(panelMAIN, MAIN_CMD_RESET); break;
        case Cmd::Teach: press(panelMAIN, MAIN_CMD_TEACH); break;
        case Cmd::Enter: press(panelTEST, TEST_CMD_ENTER); break;
        case Cmd::Exit: press(panelTEST, TEST_CMD_EXIT); break;
        case Cmd::TestData: exchange_test_data(); break;
        case Cmd::BootEntry:
            press(panelUPDATE, UPDATE_CMD_LOAD_FIRMWARE);
            press(panelUPDATE, UPDATE_CMD_PROGRAM);
            break;
        }
    }
    static bool all_groups(int dimmed)
    {
        for (int control : {MAIN_CMD_RUN, MAIN_CMD_RESET, MAIN_BTN_GET}) {
            int d = -1;
            GetCtrlAttribute(panelMAIN, control, ATTR_DIMMED, &d);
            if (d != dimmed)
                return false;
        }
        return true;
    }
    bool shown(const std::string& text) const
    {
        return std::find(statuses.begin(), statuses.end(), text) != statuses.end();
    }

    QTemporaryDir dir;
    std::string firmware;
    std::vector<std::string> messages;
};

TEST_P(FaultMatrix, CommandMeetsFault)
{
    const Cell cell = GetParam();
    const Expect expect = expected(cell);
    Simulator sim(options(cell.fault, cell.cmd));
    open_line(sim, cell.line);
    set_main_buttons(1, 1, 1);
    if (cell.cmd == Cmd::Run || cell.cmd == Cmd::Data)
        raise_stop_flag();
    else
        lower_stop_flag();
    const Record before = record();
    statuses.clear();

    // Where no answer can ever come in time, the waits pass ten times faster.
    std::optional<FastClock> fast;
    const bool never_answered = expect == Expect::Lost || expect == Expect::LoopLost
        || expect == Expect::NoConnection || expect == Expect::VersionLost;
    if (never_answered)
        fast.emplace();
    const double scale = never_answered ? 0.1 : 1.0;

    QElapsedTimer clock;
    clock.start();
    run_command(cell.cmd);
    const double seconds = clock.nsecsElapsed() / 1e9;

    // Every frame may cost 9 attempts of 0.5 s, and a DATA pass that fails
    // on its block also tries its live sample; a loop also runs until its
    // STOP, and a download entry waits for its prompt.
    const int exchanges = frames(cell.cmd) * (cell.cmd == Cmd::Data ? 2 : 1);
    const double longest = scale * exchanges * EXCHANGE_ATTEMPTS * (ANSWER_TIMEOUT + 0.05)
        + (loop(cell.cmd) ? 1.0 : 0.0) + (cell.cmd == Cmd::BootEntry ? PROMPT_WAIT + START_MESSAGE_WAIT + 2.0 : 0.0)
        + 1.0;
    EXPECT_LE(seconds, longest);
    const std::string last = statuses.empty() ? std::string() : statuses.back();
    switch (expect) {
    case Expect::Ok:
        if (const char* text = success_text(cell.cmd)) {
            EXPECT_TRUE(shown(text)) << "last: " << last;
        }
        if (loop(cell.cmd)) {
            EXPECT_TRUE(all_groups(0));
        }
        EXPECT_EQ(last.rfind("Error!", 0), std::string::npos) << last;
        break;
    case Expect::Lost:
    case Expect::Echo:
        EXPECT_EQ(last, expect == Expect::Lost ? "Error! Connection lost." : "Error! Sensor echo incorrect.");
        EXPECT_EQ(stop_flag, 1);
        EXPECT_TRUE(all_groups(1));
        break;
    case Expect::LoopLost:
    case Expect::LoopEcho:
        EXPECT_TRUE(shown(expect == Expect::LoopLost ? "Error! Connection lost." : "Error! Sensor echo incorrect."));
        EXPECT_TRUE(all_groups(0)) << "a loop ends with every group enabled";
        break;
    case Expect::Nak:
        EXPECT_EQ(last, "Error! Sensor echo incorrect.");
        EXPECT_EQ(stop_flag, 0);
        EXPECT_TRUE(all_groups(0));
        break;
    case Expect::EchoTextOnly:
        EXPECT_EQ(last, "Error! Sensor echo incorrect.");
        EXPECT_EQ(stop_flag, 0);
        EXPECT_TRUE(all_groups(0));
        break;
    case Expect::VersionLost:
        EXPECT_EQ(last, "Error! Connection lost.");
        EXPECT_EQ(stop_flag, 0);
        EXPECT_TRUE(all_groups(1));
        break;
    case Expect::VersionText:
        EXPECT_EQ(last.rfind("Error!", 0), std::string::npos) << last;
        EXPECT_TRUE(all_groups(0));
        break;
    case Expect::NoConnection:
        EXPECT_EQ(last, "Error! No connection found.");
        EXPECT_TRUE(all_groups(1));
        break;
    case Expect::CheckSilent:
        EXPECT_TRUE(statuses.empty() || statuses.back().rfind("Read failure", 0) == 0
                    || statuses.back().rfind("Data failure", 0) == 0) << last;
        break;
    case Expect::Incorrect:
        EXPECT_EQ(last, "Answer incorrect. Check Sensor.");
        break;
    case Expect::SerialOnly:
        EXPECT_EQ(messages, std::vector<std::string>{std::string("ERROR: ") + SERIAL_ONLY_TEXT});
        EXPECT_TRUE(statuses.empty());
        break;
    }

    // The record: a Get that failed keeps the pages as they were; one that
    // worked shows the controller's set; a Send never changes the pages.
    if (cell.cmd == Cmd::Get && expect == Expect::Ok) {
        EXPECT_EQ(parameter[BLOCK_A + CH_REFERENCE], 2048);
        EXPECT_EQ(parameter[BLOCK_B + CH_TRIGGER_LEVEL], 1900) << "each block lands in its own place";
        EXPECT_EQ(parameter[EVAL_REFERENCE], 2048);
    }
    if (frames(cell.cmd) == 3 && expect != Expect::Ok) {
        for (int k : {int{EVAL_MODE}, int{EVAL_LOW_TOLERANCE}})
            EXPECT_EQ(parameter[k], before[k]) << "the common block was not reached, or its answer not taken";
    }
}

std::vector<Cell> all_cells()
{
    std::vector<Cell> cells;
    for (int c = 0; c <= static_cast<int>(Cmd::BootEntry); ++c)
        for (int f = 0; f <= static_cast<int>(Fault::Nak); ++f)
            for (Line l : {Line::Serial, Line::Tcp})
                cells.push_back({static_cast<Cmd>(c), static_cast<Fault>(f), l});
    return cells;
}

INSTANTIATE_TEST_SUITE_P(Cells, FaultMatrix, ::testing::ValuesIn(all_cells()), [](const auto& info) {
    return std::string(name(info.param.cmd)) + "_" + name(info.param.fault) + "_"
        + (info.param.line == Line::Serial ? "Serial" : "Tcp");
});

}  // namespace
}  // namespace telvar::test
