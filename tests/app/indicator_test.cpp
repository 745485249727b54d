// SPDX-License-Identifier: GPL-3.0-or-later
// What the operator and a screen reader see of the line: the connection
// indicator beside the status line, and the texts that the status line and
// the connection state expose to accessibility clients.
#include "support/link_fixture.h"

#include "app/connection_indicator.h"
#include "link/connect_dialog.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/status.h"
#include "link/tcp_line.h"
#include "platform/qt_access.h"
#include "platform/serial_ports.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QAccessible>
#include <QWidget>

#include <string>

namespace telvar::test {
namespace {

std::string accessible_name(int panel, int control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(ControlWidget(panel, control));
    return face ? face->text(QAccessible::Name).toStdString() : std::string();
}

class Indicator : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        setup_connection_indicator();
    }
    void TearDown() override
    {
        LinkTest::TearDown();
        set_line_observer("indicator", nullptr);
    }
    static std::string line_text()
    {
        char text[256] = {};
        GetCtrlVal(panelMAIN, MAIN_LINE_TEXT, text);
        return text;
    }
    static int lamp()
    {
        int colour = -1;
        GetCtrlAttribute(panelMAIN, MAIN_LINE_LAMP, ATTR_TEXT_BGCOLOR, &colour);
        return colour;
    }
};

TEST_F(Indicator, ShowsTheTcpLineWithTheVersionUntilTheServerHangsUp)
{
    EXPECT_EQ(line_text(), "Not connected");
    EXPECT_EQ(lamp(), LINE_CLOSED_COLOR);

    TcpPeer peer(good_controller);
    connect_tcp(peer);
    ASSERT_EQ(tcpcon, 1);
    EXPECT_EQ(line_text(), "TCP 127.0.0.1:" + std::to_string(peer.port()) + "  \xB7  TELVAR-K20 test peer 1.0");
    EXPECT_EQ(lamp(), LINE_OPEN_COLOR);
    EXPECT_EQ(accessible_name(panelMAIN, MAIN_LINE_TEXT), QString::fromLatin1(line_text().c_str()).toStdString());

    dialogs.expect_notice("TCP Client", "Server has closed connection!");
    peer.drop();
    for (int k = 0; k < 50 && tcpcon != 0; ++k)
        pump(10);
    EXPECT_EQ(tcpcon, 0);
    EXPECT_EQ(line_text(), "Lost  \xB7  TCP 127.0.0.1:" + std::to_string(peer.port()));
    EXPECT_EQ(lamp(), LINE_LOST_COLOR);
    // The last values stay, dimmed, and say why: nobody takes them for live ones.
    int dimmed = 0;
    GetCtrlAttribute(panelMAIN, MAIN_NUM_CHA, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1);
    EXPECT_EQ(ControlWidget(panelMAIN, MAIN_NUM_CHA)->accessibleDescription().toStdString().rfind(LINE_LOST_TEXT, 0), 0u);

    connect_tcp(peer);
    GetCtrlAttribute(panelMAIN, MAIN_NUM_CHA, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 0) << "live again with the line";
}

TEST_F(Indicator, ShowsTheSerialLineAndClearsWhenItIsClosed)
{
    PtyPeer peer(good_controller);
    open_serial(peer);
    ASSERT_EQ(rs232con, 1);
    EXPECT_EQ(line_text(), "COM65 " + ComDevice(65) + "  \xB7  TELVAR-K20 test peer 1.0");
    EXPECT_EQ(lamp(), LINE_OPEN_COLOR);

    InitRS232(0);
    EXPECT_EQ(line_text(), "Not connected");
    EXPECT_EQ(lamp(), LINE_CLOSED_COLOR);
}

TEST_F(Indicator, ALineThatFailsItsCheckIsNotShownAsOpen)
{
    TcpPeer peer([](const QByteArray&) { return std::optional<Reply>(Reply{answer_frame(ORDER_LINE_CHECK, {0})}); });
    connect_tcp(peer);
    EXPECT_EQ(tcpcon, 0);
    EXPECT_EQ(line_text(), "Not connected");
}

TEST_F(Indicator, StatusLineAndConnectionStateExposeTheirCurrentText)
{
    set_status("Parameter loaded from sensor.");
    EXPECT_EQ(accessible_name(panelMAIN, MAIN_STATUS), "Parameter loaded from sensor.");
    set_status("Error! Connection lost.");
    EXPECT_EQ(accessible_name(panelMAIN, MAIN_STATUS), "Error! Connection lost.");

    // Too long for the line: cut after a whole word, and whole in its description.
    std::string text = "Parameters saved to";
    for (int k = 0; k < 12; ++k)
        text += " folder" + std::to_string(k);
    ASSERT_LT(text.size(), std::size_t{STATUS_SIZE});
    set_status(text.c_str());
    const std::string shown = accessible_name(panelMAIN, MAIN_STATUS);
    ASSERT_GT(shown.size(), 3U);
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_EQ(text.compare(0, shown.size() - 3, shown, 0, shown.size() - 3), 0) << shown;
    EXPECT_EQ(text[shown.size() - 3], ' ') << "the cut falls between words: " << shown;
    EXPECT_EQ(CtrlTextFits(panelMAIN, MAIN_STATUS, shown.c_str()), 1);
    EXPECT_EQ(ControlWidget(panelMAIN, MAIN_STATUS)->accessibleDescription().toStdString(), text);
    set_status("Error! Connection lost.");
    EXPECT_EQ(ControlWidget(panelMAIN, MAIN_STATUS)->accessibleDescription().toStdString(), "Status line");

    CallCtrlCallback(panelMAIN, MAIN_CMD_CONNECT, EVENT_COMMIT, 0, 0);
    EXPECT_EQ(accessible_name(panelInterf, INTERF_STATE), "NO CONNECTION ESTABLISHED");
    HidePanel(panelInterf);
}

TEST_F(Indicator, ControllerTextsAreShownAsTyped)
{
    TcpPeer peer([](const QByteArray& request) -> std::optional<Reply> {
        if (request[3] == ORDER_VERSION) {
            // Latin-1, ending in a letter beyond ASCII: no cut UTF-8 character.
            QByteArray text("<b>x</b> Caf\xE9");
            text.resize(36, '\0');
            return Reply{text};
        }
        return good_controller(request);
    });
    connect_tcp(peer);
    ASSERT_EQ(tcpcon, 1);
    QWidget* status = ControlWidget(panelMAIN, MAIN_STATUS);
    // Rendered as markup, the label would be far narrower than the typed text.
    EXPECT_EQ(accessible_name(panelMAIN, MAIN_STATUS), "<b>x</b> Caf\xC3\xA9");
    EXPECT_GE(status->sizeHint().width(), status->fontMetrics().horizontalAdvance(QString::fromUtf8("<b>x</b> Caf\xC3\xA9")));
}

}  // namespace
}  // namespace telvar
