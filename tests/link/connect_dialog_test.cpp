// SPDX-License-Identifier: GPL-3.0-or-later
// The connection dialog as the operator uses it: the address history behind
// the address field, the field's completion, and trying, accepting and
// discarding connections to scripted controllers on loopback TCP and on a
// pseudo-terminal; the COM port list with what is known of each port.
#include "support/link_fixture.h"

#include "app/startup.h"
#include "link/com232.h"
#include "link/connect_dialog.h"
#include "link/error_texts.h"
#include "link/ip_history.h"
#include "link/line_table.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "platform/combobox.h"
#include "platform/qt_access.h"
#include "platform/serial_ports.h"
#include "platform/test_seams.h"
#include "platform/tcp.h"
#include "platform/userint.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace telvar::test {
namespace {

using Entries = std::vector<std::string>;

class ConnectDialog : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        history = QDir(dir.path()).filePath("if_history.ipa");
        set_connection_files(history.toLocal8Bit().constData(), connectionSettingsFileName);
        Combo_DeleteComboItem(panelInterf, INTERF_IPADDRESS, 0, -1);
        combo = qobject_cast<QComboBox*>(ControlWidget(panelInterf, INTERF_IPADDRESS));
        ASSERT_NE(combo, nullptr);
        edit = combo->lineEdit();
        DisplayPanel(panelMAIN);
        DisplayPanel(panelInterf);
        // The field completes only while its window has the keyboard, as for the
        // operator. A window hidden while active is not activated again at once,
        // so the main window takes the keyboard first.
        ASSERT_TRUE(activate(panelMAIN));
        ASSERT_TRUE(activate(panelInterf));
        choose_transport(1);
        SetCtrlVal(panelInterf, INTERF_IPADDRESS, "");
    }
    void TearDown() override
    {
        SetComPortAccessCheck({});
        combo->hidePopup();
        HidePanel(panelInterf);
        LinkTest::TearDown();
    }

    // The history in list order.
    static Entries entries()
    {
        int count = 0;
        Combo_GetNumComboItems(panelInterf, INTERF_IPADDRESS, &count);
        Entries found;
        for (int k = 0; k < count; ++k) {
            char value[IP_TEXT_SIZE] = {};
            Combo_GetValueFromIndex(panelInterf, INTERF_IPADDRESS, k, value, sizeof value);
            found.emplace_back(value);
        }
        return found;
    }
    static void add_entries(const Entries& list)
    {
        for (const std::string& e : list)
            Combo_InsertComboItem(panelInterf, INTERF_IPADDRESS, -1, e.c_str(), e.c_str());
    }
    QByteArray file_bytes() const
    {
        QFile f(history);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QByteArray records(const Entries& list)
    {
        QByteArray bytes;
        for (const std::string& e : list) {
            QByteArray r = QByteArray::fromStdString(e).left(IP_RECORD_TEXT);
            r.resize(IP_RECORD_TEXT, '\0');
            bytes += r + '\n';
        }
        return bytes;
    }
    // Replaces the field's text by typing, then presses Enter.
    // Typed, then committed by leaving the field (Return would also press Try).
    void type_address(const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        edit->clearFocus();
    }
    void type(const QString& text)
    {
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    std::string text() const { return edit->text().toStdString(); }

    static void choose_transport(int protocol)
    {
        SetCtrlVal(panelInterf, INTERF_PROTOCOL, protocol);
        CallCtrlCallback(panelInterf, INTERF_PROTOCOL, EVENT_COMMIT, 0, 0);
    }
    static void enter_tcp(quint16 port)
    {
        choose_transport(1);
        SetCtrlVal(panelInterf, INTERF_IPADDRESS, "127.0.0.1");
        SetCtrlVal(panelInterf, INTERF_PORTNUMBER, std::to_string(port).c_str());
    }
    // Opens the dialog set to RS-232, then tries TCP/IP to the peer.
    static void try_tcp_from_a_serial_dialog(const TcpPeer& peer)
    {
        choose_transport(0);
        open_dialog();
        enter_tcp(peer.port());
        click(panelInterf, INTERF_TRY);
    }
    static void enter_serial(const PtyPeer& peer)
    {
        choose_transport(0);
        ASSERT_EQ(SetCtrlVal(panelInterf, INTERF_COMPORT, peer.com_port()), 0) << "the port is offered";
    }
    static void click(int panel, int control)
    {
        QTest::mouseClick(ControlWidget(panel, control), Qt::LeftButton);
    }
    static void open_dialog() { click(panelMAIN, MAIN_CMD_CONNECT); }
    static std::string state()
    {
        char text[64] = {};
        GetCtrlVal(panelInterf, INTERF_STATE, text);
        return text;
    }
    static bool dimmed(int panel, int control)
    {
        int v = -1;
        GetCtrlAttribute(panel, control, ATTR_DIMMED, &v);
        return v == 1;
    }
    static bool shown(int control)
    {
        int v = -1;
        GetCtrlAttribute(panelInterf, control, ATTR_VISIBLE, &v);
        return v == 1;
    }
    static bool dialog_shown() { return PanelWidget(panelInterf)->isVisible(); }
    static std::string reason()
    {
        char text[256] = {};
        GetCtrlVal(panelInterf, INTERF_REASON, text);
        return text;
    }
    static bool main_buttons_enabled()
    {
        return !dimmed(panelMAIN, MAIN_CMD_RUN) && !dimmed(panelMAIN, MAIN_CMD_RESET) &&
               !dimmed(panelMAIN, MAIN_BTN_GET);
    }
    static bool main_buttons_dimmed()
    {
        return dimmed(panelMAIN, MAIN_CMD_RUN) && dimmed(panelMAIN, MAIN_CMD_RESET) &&
               dimmed(panelMAIN, MAIN_BTN_GET);
    }
    static bool activate(int panel)
    {
        SetActivePanel(panel);
        return QTest::qWaitFor([panel] { return QApplication::activeWindow() == PanelWidget(panel); }, 1000);
    }
    // A loopback port on which nothing listens.
    static quint16 dead_port()
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        return server.serverPort();
    }

    QTemporaryDir dir;
    QString history;
    QComboBox* combo = nullptr;
    QLineEdit* edit = nullptr;
};

// --- the address history ---

TEST_F(ConnectDialog, StartUpHidesTheTcpFieldsAndGreysTheAddress)
{
    InitVars();
    EXPECT_FALSE(shown(INTERF_IPADDRESS));
    EXPECT_FALSE(shown(INTERF_PORTNUMBER));
    int colour = -1;
    GetCtrlAttribute(panelInterf, INTERF_IPADDRESS, ATTR_TEXT_BGCOLOR, &colour);
    EXPECT_EQ(colour, 0xE0E0E0);
    EXPECT_EQ(comprotocol, 0);
}

TEST_F(ConnectDialog, NewAddressGoesOnTopAndTheFileFollowsTheList)
{
    choose_tcp_address("", "10001", 10001);
    type_address("10.0.1.1");
    type_address("10.0.2.1");
    EXPECT_EQ(entries(), (Entries{"10.0.2.1", "10.0.1.1"}));
    EXPECT_EQ(file_bytes(), records({"10.0.2.1", "10.0.1.1"}));
    EXPECT_STREQ(ipBuf, "10.0.2.1");
    EXPECT_STREQ(portNumStr, "10001") << "a new address keeps the port";
}

TEST_F(ConnectDialog, AddressAlreadyThirdMovesToTheTopAndTheOthersKeepTheirOrder)
{
    for (const char* a : {"10.0.4.1", "10.0.3.1", "10.0.2.1", "10.0.1.1"})
        type_address(a);
    ASSERT_EQ(entries(), (Entries{"10.0.1.1", "10.0.2.1", "10.0.3.1", "10.0.4.1"}));
    type_address("10.0.3.1");
    EXPECT_EQ(entries(), (Entries{"10.0.3.1", "10.0.1.1", "10.0.2.1", "10.0.4.1"}));
    EXPECT_EQ(file_bytes(), records({"10.0.3.1", "10.0.1.1", "10.0.2.1", "10.0.4.1"}));
}

TEST_F(ConnectDialog, OlderAddressTypedAgainIsCommittedAndMovesToTheTop)
{
    type_address("10.0.1.1");
    type_address("10.0.2.1");
    SetCtrlAttribute(panelInterf, INTERF_ACCEPT, ATTR_DIMMED, 0);
    // The completion offers the whole address before the last key; Enter takes it.
    type_address("10.0.1");
    EXPECT_EQ(text(), "10.0.1.1");
    EXPECT_EQ(entries(), (Entries{"10.0.1.1", "10.0.2.1"}));
    EXPECT_EQ(file_bytes(), records({"10.0.1.1", "10.0.2.1"}));
    EXPECT_STREQ(ipBuf, "10.0.1.1");
    EXPECT_TRUE(dimmed(panelInterf, INTERF_ACCEPT)) << "a changed address needs a new try";
}

TEST_F(ConnectDialog, EleventhAddressDropsTheOldest)
{
    Entries typed;
    for (int k = 1; k <= 11; ++k) {
        typed.insert(typed.begin(), "10.0." + std::to_string(k) + ".1");
        type_address(QString::fromStdString(typed.front()));
    }
    typed.pop_back();
    EXPECT_EQ(entries(), typed);
    EXPECT_EQ(file_bytes().size(), 210);
    EXPECT_EQ(file_bytes(), records(typed));
}

TEST_F(ConnectDialog, FileIsRewrittenEvenWhenNothingChanged)
{
    type_address("10.0.1.1");
    ASSERT_TRUE(QFile::remove(history));
    type_address("10.0.1.1");
    EXPECT_EQ(file_bytes(), records({"10.0.1.1"}));
}

TEST_F(ConnectDialog, LongAddressComesBackShortenedAtTheNextStart)
{
    const std::string longest = "sensor-hall-3.plant.example";
    type_address(QString::fromStdString(longest));
    EXPECT_EQ(entries(), Entries{longest}) << "the list keeps what was typed";
    EXPECT_EQ(file_bytes(), QByteArray("sensor-hall-3.plant.\n"));

    Combo_DeleteComboItem(panelInterf, INTERF_IPADDRESS, 0, -1);
    load_ip_history();
    EXPECT_EQ(entries(), Entries{longest.substr(0, 20)});
}

TEST_F(ConnectDialog, StartWithoutAHistoryFileHasAnEmptyList)
{
    load_ip_history();
    EXPECT_TRUE(entries().empty());
}

TEST_F(ConnectDialog, HistoryThatCannotBeSavedStillChangesTheList)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("if_history.ipa"));
    type_address("10.0.1.1");
    EXPECT_EQ(entries(), Entries{"10.0.1.1"});
    EXPECT_EQ(statuses, std::vector<std::string>{"Error! IP address history not saved."});
}

// --- completion in the address field ---

TEST_F(ConnectDialog, TypingCompletesWithTheFirstEntryThatBeginsWithTheText)
{
    add_entries({"10.0.0.2", "Sensor-A.local", "10.0.0.1", "sensor-b.local"});
    type("10.");
    EXPECT_EQ(text(), "10.0.0.2");
    EXPECT_EQ(edit->selectedText(), "0.0.2") << "the added characters are selected";

    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "");
    type("SENSOR-");
    EXPECT_EQ(edit->text().compare("Sensor-A.local", Qt::CaseInsensitive), 0) << text();
    EXPECT_EQ(edit->selectedText(), "A.local");

    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "");
    type("172.");
    EXPECT_EQ(text(), "172.") << "nothing begins so";
    EXPECT_TRUE(edit->selectedText().isEmpty());
}

TEST_F(ConnectDialog, FurtherTypingReplacesTheAddedCharacters)
{
    add_entries({"10.0.0.2"});
    type("10.0");
    ASSERT_EQ(text(), "10.0.0.2");
    type("5");
    EXPECT_EQ(text(), "10.05");
}

TEST_F(ConnectDialog, BackspaceAndDeleteAreNotCompleted)
{
    add_entries({"10.0.0.2"});
    type("10.0");
    ASSERT_EQ(edit->selectedText(), ".0.2");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(text(), "10.0");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(text(), "10.");
    EXPECT_TRUE(edit->selectedText().isEmpty());

    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "");
    type("10.0");
    ASSERT_EQ(edit->selectedText(), ".0.2");
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(text(), "10.0");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(text(), "0.0");
    EXPECT_TRUE(edit->selectedText().isEmpty());
}

TEST_F(ConnectDialog, ArrowKeysOpenTheListWithoutChangingTheText)
{
    add_entries({"10.0.0.2", "10.0.0.1"});
    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "192.168.0.1");
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
        edit->setFocus();
        QTest::keyClick(edit, key);
        EXPECT_TRUE(combo->view()->isVisible()) << "key " << key;
        EXPECT_EQ(text(), "192.168.0.1");
        combo->hidePopup();
    }
}

TEST_F(ConnectDialog, ChoosingAnEntryCommitsItAsIfTyped)
{
    add_entries({"10.0.1.1", "10.0.2.1", "10.0.3.1"});
    SetCtrlAttribute(panelInterf, INTERF_ACCEPT, ATTR_DIMMED, 0);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(list->isVisible());
    const QRect row = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());

    EXPECT_EQ(text(), "10.0.3.1");
    EXPECT_STREQ(ipBuf, "10.0.3.1");
    EXPECT_EQ(entries(), (Entries{"10.0.3.1", "10.0.1.1", "10.0.2.1"}));
    EXPECT_EQ(file_bytes(), records({"10.0.3.1", "10.0.1.1", "10.0.2.1"}));
    EXPECT_TRUE(dimmed(panelInterf, INTERF_ACCEPT)) << "a changed address needs a new try";
}

// --- the COM port list ---

class ComPortList : public ConnectDialog {
protected:
    void SetUp() override
    {
        ConnectDialog::SetUp();
        ports = qobject_cast<QComboBox*>(ControlWidget(panelInterf, INTERF_COMPORT));
        fix = qobject_cast<QLabel*>(ControlWidget(panelInterf, INTERF_COMPORT_FIX));
        ASSERT_TRUE(ports && fix);
    }
    // The entry the selector shows for the port, empty when it is not offered.
    std::string entry(int port) const
    {
        const int index = ports->findData(port);
        return index < 0 ? std::string() : ports->itemText(index).toStdString();
    }
    // The operator picks the port from the list.
    static void choose_port(int port)
    {
        ASSERT_EQ(SetCtrlVal(panelInterf, INTERF_COMPORT, port), 0);
        CallCtrlCallback(panelInterf, INTERF_COMPORT, EVENT_COMMIT, 0, 0);
    }
    bool fix_shown() const { return fix->isVisible(); }
    // What a screen reader reads of the fix.
    std::string fix_read() const
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(fix);
        return face ? face->text(QAccessible::Name).toStdString() : std::string();
    }

    QComboBox* ports = nullptr;
    QLabel* fix = nullptr;
};

TEST_F(ComPortList, OffersEachPortWithItsDevice)
{
    PtyPeer serial(good_controller);
    choose_transport(0);
    open_dialog();
    EXPECT_EQ(entry(65), "COM65   " + ComDevice(65)) << "nothing more is known of a pseudo-terminal";
    EXPECT_FALSE(fix_shown());
}

TEST_F(ComPortList, PortThatMayNotBeOpenedSaysSoAndShowsTheFixWhileChosen)
{
    const std::string fix_text =
        "Add yourself to the dialout group: sudo usermod -aG dialout $USER, then log in again.";
    PtyPeer serial(good_controller);
    // A second port beside the peer's, which may be opened.
    ASSERT_TRUE(QFile::link("/dev/null", QString::fromStdString(ComDevice(66))));
    bool permitted = false;
    SetComPortAccessCheck([&](const std::string& device) { return permitted || device != ComDevice(65); });
    choose_transport(0);
    open_dialog();
    EXPECT_EQ(entry(65), "COM65   " + ComDevice(65) + "   - no permission to open");
    EXPECT_EQ(entry(66), "COM66   " + ComDevice(66));

    choose_port(65);
    EXPECT_TRUE(fix_shown());
    EXPECT_EQ(fix->text().toStdString(), fix_text);
    EXPECT_EQ(fix_read(), fix_text) << "a screen reader reads the fix itself";

    choose_transport(1);
    EXPECT_FALSE(fix_shown()) << "no COM port on TCP/IP";
    choose_transport(0);
    EXPECT_TRUE(fix_shown());

    choose_port(66);
    EXPECT_FALSE(fix_shown());

    // Once the operator is in the group, the next opening of the dialog knows it.
    choose_port(65);
    permitted = true;
    open_dialog();
    EXPECT_EQ(entry(65), "COM65   " + ComDevice(65));
    EXPECT_FALSE(fix_shown());
}

// --- try, accept and discard ---

TEST_F(ConnectDialog, TcpTryAndAcceptEnableTheCommands)
{
    set_main_buttons(0, 0, 0);
    set_test_panel_controls(0, -1);
    TcpPeer peer(good_controller);
    choose_transport(0);
    open_dialog();
    EXPECT_EQ(state(), "NO CONNECTION ESTABLISHED");
    EXPECT_TRUE(dimmed(panelInterf, INTERF_ACCEPT));

    enter_tcp(peer.port());
    EXPECT_TRUE(shown(INTERF_IPADDRESS));
    EXPECT_TRUE(shown(INTERF_PORTNUMBER));
    EXPECT_FALSE(shown(INTERF_COMPORT));
    // Blanks around the number are allowed.
    SetCtrlVal(panelInterf, INTERF_PORTNUMBER, ("  " + std::to_string(peer.port()) + " ").c_str());
    click(panelInterf, INTERF_TRY);
    EXPECT_EQ(state(), "CONNECTING SUCCEEDED");
    EXPECT_EQ(tcpcon, 1);
    EXPECT_EQ(portNum, peer.port());
    EXPECT_FALSE(dimmed(panelInterf, INTERF_ACCEPT));

    type_address("127.0.0.1");
    EXPECT_TRUE(dimmed(panelInterf, INTERF_ACCEPT)) << "a committed address needs a new try";
    // Return in the address field commits it and presses Try, even when
    // Accept was what Return pressed before.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(peer.connections, 2);
    EXPECT_EQ(state(), "CONNECTING SUCCEEDED");
    EXPECT_FALSE(dimmed(panelInterf, INTERF_ACCEPT));

    // After a try that succeeded, Return accepts.
    set_main_buttons(0, 0, 0);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(dialog_shown());
    EXPECT_EQ(peer.connections, 2) << "no second try";
    EXPECT_TRUE(main_buttons_enabled());
    EXPECT_FALSE(dimmed(panelTEST, TEST_CMD_ENTER));
    EXPECT_FALSE(dimmed(panelTEST, TEST_CMD_EXIT));

    open_dialog();
    EXPECT_EQ(state(), "CONNECTION ESTABLISHED");
    EXPECT_TRUE(dimmed(panelInterf, INTERF_ACCEPT));

    // The next start opens the dialog on the line accepted last.
    choose_transport(0);
    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "");
    SetCtrlVal(panelInterf, INTERF_PORTNUMBER, "1");
    load_connection_settings();
    int transport = -1;
    GetCtrlVal(panelInterf, INTERF_PROTOCOL, &transport);
    EXPECT_EQ(transport, 1);
    EXPECT_TRUE(shown(INTERF_IPADDRESS));
    char address[IP_TEXT_SIZE] = {};
    char port[PORT_TEXT_SIZE] = {};
    GetCtrlVal(panelInterf, INTERF_IPADDRESS, address);
    GetCtrlVal(panelInterf, INTERF_PORTNUMBER, port);
    EXPECT_STREQ(address, "127.0.0.1");
    EXPECT_EQ(std::atoi(port), peer.port()) << port;
}

// The TCP connect has a wait cursor of its own, which must not end Try's.
TEST_F(ConnectDialog, TryLooksBusyWhileItOpensAndChecksTheLine)
{
    struct Look {
        bool try_dimmed;
        bool wait_cursor;
    };
    std::vector<Look> seen;
    TcpPeer peer([&seen](const QByteArray& request) {
        const QCursor* cursor = QApplication::overrideCursor();
        seen.push_back({dimmed(panelInterf, INTERF_TRY), cursor && cursor->shape() == Qt::WaitCursor});
        return good_controller(request);
    });
    try_tcp_from_a_serial_dialog(peer);
    ASSERT_EQ(state(), "CONNECTING SUCCEEDED");
    ASSERT_EQ(seen.size(), 2u) << "line check and version query";
    for (const Look& look : seen) {
        EXPECT_TRUE(look.try_dimmed);
        EXPECT_TRUE(look.wait_cursor);
    }
    EXPECT_FALSE(dimmed(panelInterf, INTERF_TRY));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ConnectDialog, FailedTryCannotBeAcceptedAndDiscardReopensTheSerialLine)
{
    PtyPeer serial(good_controller);
    choose_transport(0);
    open_dialog();
    enter_serial(serial);
    click(panelInterf, INTERF_TRY);
    ASSERT_EQ(state(), "CONNECTING SUCCEEDED") << (statuses.empty() ? "" : statuses.back());
    click(panelInterf, INTERF_ACCEPT);
    ASSERT_EQ(rs232con, 1);

    open_dialog();
    enter_tcp(dead_port());
    statuses.clear();
    click(panelInterf, INTERF_TRY);
    EXPECT_EQ(state(), "CONNECTING FAILED");
    EXPECT_EQ(rs232con, 0) << "trying TCP closes the serial line the dialog was opened with";
    EXPECT_EQ(tcpcon, 0);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), tcp_error_text(kTCP_FailedToConnect)), statuses.end())
        << "the failure is also on the status line";
    EXPECT_TRUE(shown(INTERF_REASON));
    EXPECT_EQ(reason(), tcp_connect_reason(kTCP_FailedToConnect, "127.0.0.1", portNum)) << "the dialog says why";

    TcpPeer wrong_sync([](const QByteArray& r) { return Reply{answer_frame_with_sync(0x00AA, r[3])}; });
    SetCtrlVal(panelInterf, INTERF_PORTNUMBER, std::to_string(wrong_sync.port()).c_str());
    click(panelInterf, INTERF_TRY);
    EXPECT_FALSE(wrong_sync.requests.isEmpty()) << "the line check was asked";
    EXPECT_EQ(state(), "CONNECTING FAILED");
    EXPECT_EQ(tcpcon, 0);
    EXPECT_FALSE(shown(INTERF_REASON)) << "connected: the refusal is no reason any more";

    // A name that cannot be one is known to no resolver: nothing is asked beyond this machine.
    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "no such host");
    click(panelInterf, INTERF_TRY);
    EXPECT_EQ(state(), "CONNECTING FAILED");
    EXPECT_EQ(reason(), tcp_connect_reason(kTCP_UnableToEstablishConnection, "no such host", portNum));
    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "127.0.0.1");

    set_main_buttons(0, 0, 0);
    click(panelInterf, INTERF_ACCEPT);
    EXPECT_TRUE(dialog_shown()) << "Accept stays dimmed after a failed try";
    EXPECT_TRUE(main_buttons_dimmed());

    serial.requests.clear();
    click(panelInterf, INTERF_DISCARD);
    EXPECT_EQ(rs232con, 1);
    EXPECT_FALSE(serial.requests.isEmpty()) << "the reopened line was checked";
    EXPECT_EQ(state(), "CONNECTING SUCCEEDED");
    int protocol = -1;
    GetCtrlVal(panelInterf, INTERF_PROTOCOL, &protocol);
    EXPECT_EQ(protocol, 0);
    EXPECT_EQ(comprotocol, 0);
    EXPECT_TRUE(shown(INTERF_COMPORT) && !shown(INTERF_IPADDRESS) && !shown(INTERF_PORTNUMBER));
    EXPECT_FALSE(dialog_shown());
    EXPECT_TRUE(main_buttons_enabled());
}

// What is no port number is refused beside the field before anything is
// opened or closed: the line open now stays as it is.
TEST_F(ConnectDialog, PortThatIsNoWholeNumberFrom1To65535IsRefusedBesideTheField)
{
    TcpPeer peer(good_controller);
    try_tcp_from_a_serial_dialog(peer);
    click(panelInterf, INTERF_ACCEPT);
    ASSERT_EQ(tcpcon, 1);
    open_dialog();
    for (const char* typed : {"abc", "70000", "10077y", "0", "-1", "+10001", "", "99999999999999999999"}) {
        SetCtrlVal(panelInterf, INTERF_PORTNUMBER, typed);
        statuses.clear();
        click(panelInterf, INTERF_TRY);
        EXPECT_TRUE(shown(INTERF_PORTNUMBER_FIX)) << typed;
        char fix[128] = {};
        GetCtrlVal(panelInterf, INTERF_PORTNUMBER_FIX, fix);
        EXPECT_STREQ(fix, PORT_NUMBER_FIX_TEXT) << typed;
        EXPECT_TRUE(ControlWidget(panelInterf, INTERF_PORTNUMBER)->accessibleDescription().endsWith(PORT_NUMBER_FIX_TEXT))
            << "the field, which has the focus, tells it too";
        EXPECT_EQ(PanelWidget(panelInterf)->focusWidget(), ControlWidget(panelInterf, INTERF_PORTNUMBER));
        EXPECT_TRUE(dimmed(panelInterf, INTERF_ACCEPT)) << typed;
        EXPECT_EQ(tcpcon, 1) << typed;
        EXPECT_EQ(portNum, peer.port()) << typed;
        EXPECT_EQ(peer.connections, 1) << typed;
        EXPECT_TRUE(statuses.empty()) << typed << ": " << statuses.front();
    }
    SetCtrlVal(panelInterf, INTERF_PORTNUMBER, std::to_string(peer.port()).c_str());
    click(panelInterf, INTERF_TRY);
    EXPECT_EQ(state(), "CONNECTING SUCCEEDED");
    EXPECT_FALSE(shown(INTERF_PORTNUMBER_FIX));
    EXPECT_EQ(ControlWidget(panelInterf, INTERF_PORTNUMBER)->accessibleDescription(), "TCP port of the controller");
}

TEST_F(ConnectDialog, SerialTryAfterATcpTryLeavesTheTcpConversationOpen)
{
    PtyPeer serial(good_controller);
    TcpPeer tcp(good_controller);
    try_tcp_from_a_serial_dialog(tcp);
    ASSERT_EQ(tcpcon, 1);

    enter_serial(serial);
    click(panelInterf, INTERF_TRY);
    EXPECT_EQ(state(), "CONNECTING SUCCEEDED");
    EXPECT_EQ(rs232con, 1);
    EXPECT_EQ(tcpcon, 1) << "the dialog was opened with RS-232, so TCP is not closed";
    EXPECT_NE(g_hconversation, 0);
    pump(50);
    EXPECT_EQ(tcp.disconnects, 0);
}

TEST_F(ConnectDialog, DiscardGoesBackToTheSavedTcpSettingsAndLeavesTheTestPanel)
{
    PtyPeer serial(good_controller);
    TcpPeer tcp(good_controller);
    try_tcp_from_a_serial_dialog(tcp);
    click(panelInterf, INTERF_ACCEPT);
    ASSERT_EQ(tcpcon, 1);

    open_dialog();
    enter_serial(serial);
    SetCtrlVal(panelInterf, INTERF_IPADDRESS, "127.0.0.2");
    SetCtrlVal(panelInterf, INTERF_PORTNUMBER, "1");
    click(panelInterf, INTERF_TRY);
    EXPECT_EQ(rs232con, 1);
    EXPECT_EQ(tcpcon, 0) << "the dialog was opened with TCP, so trying RS-232 closes it";
    EXPECT_TRUE(QTest::qWaitFor([&] { return tcp.disconnects == 1; }, 1000));

    set_main_buttons(0, 0, 0);
    set_test_panel_controls(0, -1);
    click(panelInterf, INTERF_DISCARD);
    EXPECT_EQ(state(), "CONNECTING SUCCEEDED");
    EXPECT_EQ(tcpcon, 1);
    EXPECT_EQ(rs232con, 0);
    EXPECT_EQ(tcp.connections, 2);
    EXPECT_EQ(text(), "127.0.0.1");
    EXPECT_STREQ(ipBuf, "127.0.0.1");
    EXPECT_EQ(portNum, tcp.port());
    char port_text[PORT_TEXT_SIZE] = {};
    GetCtrlVal(panelInterf, INTERF_PORTNUMBER, port_text);
    EXPECT_EQ(port_text, std::to_string(tcp.port()));
    EXPECT_TRUE(!shown(INTERF_COMPORT) && shown(INTERF_IPADDRESS) && shown(INTERF_PORTNUMBER));
    EXPECT_FALSE(dialog_shown());
    EXPECT_TRUE(main_buttons_enabled());
    EXPECT_TRUE(dimmed(panelTEST, TEST_CMD_ENTER)) << "Discard does not touch the test panel";
}

TEST_F(ConnectDialog, DiscardConnectsTheSavedSettingsEvenWithoutAnEarlierConnection)
{
    PtyPeer serial(good_controller);
    choose_transport(0);
    open_dialog();
    enter_serial(serial);
    open_dialog();  // saves COM port of the peer as the setting to go back to
    enter_tcp(dead_port());
    set_main_buttons(0, 0, 0);
    click(panelInterf, INTERF_DISCARD);
    EXPECT_EQ(rs232con, 1);
    EXPECT_EQ(comport, serial.com_port());
    EXPECT_EQ(state(), "CONNECTING SUCCEEDED");
    EXPECT_TRUE(main_buttons_enabled());
}

TEST_F(ConnectDialog, ClosingTheWindowOnlyHidesIt)
{
    TcpPeer tcp(good_controller);
    try_tcp_from_a_serial_dialog(tcp);
    ASSERT_EQ(tcpcon, 1);
    choose_transport(0);
    set_main_buttons(0, 0, 0);

    PanelWidget(panelInterf)->close();
    EXPECT_FALSE(dialog_shown());
    EXPECT_EQ(tcpcon, 1);
    EXPECT_EQ(comprotocol, 0) << "the selector's choice stays";
    int protocol = -1;
    GetCtrlVal(panelInterf, INTERF_PROTOCOL, &protocol);
    EXPECT_EQ(protocol, 0);
    EXPECT_TRUE(main_buttons_dimmed());
    EXPECT_EQ(tcp.disconnects, 0);
}

}  // namespace
}  // namespace telvar::test
