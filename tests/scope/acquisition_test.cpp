// SPDX-License-Identifier: GPL-3.0-or-later
// Live acquisition with RUN and STOP against scripted controllers and the
// simulator: the samples on the chart and the displays, the trace switches,
// and how a run ends.
#include "support/controls.h"
#include "support/icon_colours.h"
#include "support/link_fixture.h"
#include "support/simulator_line.h"

#include "link/command.h"
#include "link/frame_observer.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "link/tcp_line.h"
#include "params/record.h"
#include "platform/graph.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "scope/live_sample.h"
#include "scope/trace_table.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace telvar::test {
namespace {

int attribute(int control, int attr)
{
    int v = -1;
    GetCtrlAttribute(panelMAIN, control, attr, &v);
    return v;
}

// A value of the chart's recent window, sample 0 the oldest; trace 1 is 0.
double window(int sample, int trace)
{
    const long long number = yArray().end() - STRIP_SAMPLES + sample;
    std::vector<double> value;
    yArray().values(trace, number, number + 1, &value);
    return value.front();
}

class Acquisition : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        setup_strip_chart();  // its history as at start
        set_switches({MAIN_TRACE_CHA, MAIN_TRACE_CHB, MAIN_TRACE_EVAL});
    }
    // A controller whose live answers carry words 1-7 = n*10 + word; once
    // `samples` of them are shown, STOP is pressed while the next is on its way.
    void start_peer(int samples)
    {
        peer = std::make_unique<TcpPeer>([this, samples](const QByteArray& r) -> std::optional<Reply> {
            if (order_of(r) != ORDER_RAWDATA)
                return good_controller(r);
            ++live_requests;
            if (on_live)
                on_live();
            if (live_requests > samples)
                raise_stop_flag();
            const int n = live_requests;
            return Reply{answer_frame(ORDER_RAWDATA, {1, n * 10 + 1, n * 10 + 2, n * 10 + 3, n * 10 + 4, n * 10 + 5,
                                                      n * 10 + 6, n * 10 + 7})};
        });
        connect_tcp(*peer);
        ASSERT_EQ(tcpcon, 1);
    }
    static void set_switches(std::initializer_list<int> on)
    {
        for (int control : {MAIN_TRACE_CHA, MAIN_TRACE_CHB, MAIN_TRACE_EVAL, MAIN_TRACE_TRIGGER, MAIN_TRACE_UPPER,
                            MAIN_TRACE_REFERENCE, MAIN_TRACE_LOWER, MAIN_TRACE_2ND, MAIN_TRACE_3RD})
            SetCtrlVal(panelMAIN, control, std::find(on.begin(), on.end(), control) != on.end() ? 1 : 0);
        CallCtrlCallback(panelMAIN, MAIN_TRACE_CHA, EVENT_COMMIT, 0, 0);
    }
    static bool visible(int trace)
    {
        int v = -1;
        GetTraceAttribute(panelMAIN, MAIN_STRIPCHART, trace, ATTR_TRACE_VISIBLE, &v);
        return v == 1;
    }
    static void run() { CallCtrlCallback(panelMAIN, MAIN_CMD_RUN, EVENT_COMMIT, 0, 0); }
    static void expect_idle_again()
    {
        for (int control : {MAIN_CMD_RUN, MAIN_CMD_STOP, MAIN_CMD_DATA, MAIN_CMD_RESET, MAIN_BTN_GET, MAIN_RADIO_FILE})
            EXPECT_FALSE(dimmed(panelMAIN, control)) << control;
        EXPECT_EQ(attribute(MAIN_CMD_RUN, ATTR_CMD_BUTTON_COLOR), IDLE_BUTTON_COLOR);
        EXPECT_EQ(attribute(MAIN_PROGRESS, ATTR_VISIBLE), 0);
        EXPECT_FALSE(dimmed(panelTEST, TEST_CMD_ENTER));
    }

    std::unique_ptr<TcpPeer> peer;
    int live_requests = 0;
    std::function<void()> on_live;
};

// Paints of a number display, counted when the answer comes and again when
// the next request is written.
struct PaintsAroundRequests : QObject {
    PaintsAroundRequests()
    {
        ControlWidget(panelMAIN, MAIN_NUM_CHA)->installEventFilter(this);
        set_frame_observer("paints", [this](const FrameSeen& seen) {
            if (seen.event == FrameEvent::Answer)
                at_answer = paints;
            else if (seen.event == FrameEvent::Request && at_answer >= 0)
                before_request += paints - at_answer;
        });
    }
    ~PaintsAroundRequests() override { set_frame_observer("paints", nullptr); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
    int at_answer = -1;
    int before_request = 0;  // paints between an answer and the next request
};

TEST_F(Acquisition, FirstRunShowsNewSamplesAtTheRightEndAndZerosBefore)
{
    DisplayPanel(panelMAIN);
    start_peer(3);
    const PaintsAroundRequests paints;
    set_word(BLOCK_A + CH_REFERENCE, 4000);
    set_word(BLOCK_A + CH_HIGH_TOLERANCE, 200);
    set_word(BLOCK_B + CH_REFERENCE, 100);
    set_word(BLOCK_B + CH_LOW_TOLERANCE, 300);
    run();
    EXPECT_EQ(live_requests, 4);
    for (int sample = 0; sample < STRIP_SAMPLES - 3; ++sample)
        for (int t = 0; t < TRACES; ++t)
            ASSERT_EQ(window(sample, t), 0.0) << sample;
    for (int n = 1; n <= 3; ++n) {
        const int s = STRIP_SAMPLES - 4 + n;
        EXPECT_EQ(window(s, TRACE_A - 1), n * 10 + 2);
        EXPECT_EQ(window(s, TRACE_EVAL - 1), n * 10 + 1);
        EXPECT_EQ(window(s, TRACE_B_THIRD - 1), n * 10 + 7);
        EXPECT_EQ(window(s, TRACE_A_UPPER - 1), 4095);
        EXPECT_EQ(window(s, TRACE_B_LOWER - 1), 0);
    }
    // Every point drawn is the sample in its place: none is a copy of
    // another at the left edge; the run's start breaks the line.
    const auto* chart = qobject_cast<QCustomPlot*>(ControlWidget(panelMAIN, MAIN_STRIPCHART));
    int drawn = 0;
    for (const QCPGraphData& point : *chart->graph(TRACE_B_THIRD - 1)->data()) {
        if (std::isnan(point.value)) {
            EXPECT_EQ(point.key, STRIP_SAMPLES - 3.5) << "before the run's first sample";
            continue;
        }
        ++drawn;
        ASSERT_EQ(point.value, window(static_cast<int>(point.key), TRACE_B_THIRD - 1)) << point.key;
    }
    EXPECT_EQ(drawn, STRIP_SAMPLES);
    int shown = -1;
    GetCtrlVal(panelMAIN, MAIN_NUM_CHB_2ND, &shown);
    EXPECT_EQ(shown, 35) << "the last sample: word 5";
    EXPECT_EQ(statuses.back(), "Rawdata recieved.");
    expect_idle_again();
    // Each sample's displays are drawn while the next answer is on its way,
    // so that drawing never holds the next request back.
    EXPECT_GT(paints.paints, 0);
    EXPECT_EQ(paints.before_request, 0);
}

// Samples 12, 22, 32 of channel A: the cursors come on at the first
// sample (a third of the screen lies before the run), the keys move and
// choose them, and the readout says what stands at them, to screen
// readers too. Tab leaves the chart from cursor 2. A second run brings
// three samples more under the cursors.
TEST_F(Acquisition, CursorsReadTheTracesShownAndMoveByKeyboard)
{
    DisplayPanel(panelMAIN);
    start_peer(3);
    run();
    QWidget* chart = ControlWidget(panelMAIN, MAIN_STRIPCHART);
    const auto* readout = chart->findChild<QLabel*>();
    ASSERT_TRUE(readout);
    EXPECT_EQ(readout->accessibleName(), "Cursor readout");
    EXPECT_TRUE(readout->isHidden()) << "off at start";
    auto* button = qobject_cast<QAbstractButton*>(ControlWidget(panelMAIN, MAIN_CURSORS));
    EXPECT_EQ(button->accessibleName(), "Chart cursors");
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(readout->isVisible());
    const long long first = strip_history().first();
    ASSERT_EQ(strip_history().end() - first, 3);
    const auto sample = [first](int k) { return "sample " + std::to_string(first + k); };
    EXPECT_EQ(readout->text().section('\n', 0, 1).toStdString(),
              "Cursor 1: " + sample(0) + " (active)\nCursor 2: " + sample(0));

    SetActivePanel(panelMAIN);
    chart->setFocus(Qt::TabFocusReason);
    QTest::keyClick(chart, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), chart) << "Tab on cursor 1 chooses cursor 2";
    QTest::keyClick(chart, Qt::Key_Right);
    QTest::keyClick(chart, Qt::Key_Right, Qt::ShiftModifier);  // ten, as far as the samples go
    QTest::keyClick(chart, Qt::Key_1);
    QTest::keyClick(chart, Qt::Key_Right);
    const QStringList lines = readout->text().split('\n');
    ASSERT_EQ(lines.size(), 7) << readout->text().toStdString();
    EXPECT_EQ(lines[0].toStdString(), "Cursor 1: " + sample(1) + " (active)");
    EXPECT_EQ(lines[1].toStdString(), "Cursor 2: " + sample(2));
    EXPECT_EQ(lines[3].toStdString(), "Channel A         22        32         +10");
    EXPECT_EQ(lines[4].toStdString(), "Channel B         23        33         +10");
    EXPECT_EQ(lines[5].toStdString(), "Evaluation        21        31         +10");
    // The answers' own times, which come faster than a millisecond apart here.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Difference: \\+1 sample, (\\+\\d+\\.\\d{3}|0\\.000) s$")).match(lines[6]).hasMatch())
        << lines[6].toStdString();
    EXPECT_EQ(readout->accessibleDescription(), readout->text());
    EXPECT_EQ(readout->accessibleName(), "Cursor readout") << "the name stays, the values change";

    set_switches({MAIN_TRACE_CHA});
    EXPECT_FALSE(readout->text().contains("Channel B")) << "only the traces shown";
    QTest::keyClick(chart, Qt::Key_Tab);
    QTest::keyClick(chart, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), chart) << "Tab from cursor 2 goes on";
    // Following the newest samples, the cursors keep their places: as many samples before the newest.
    live_requests = 0;
    run();
    QApplication::processEvents();
    EXPECT_TRUE(readout->text().startsWith(QString::fromStdString("Cursor 1: " + sample(4) + "\nCursor 2: " + sample(5) + " (active)\n")))
        << readout->text().toStdString();
    EXPECT_EQ(readout->text().split('\n').value(3).toStdString(), "Channel A        22        32         +10");
    // A drag takes the line within reach of the pointer, and the view does not pan under it.
    auto* plot = qobject_cast<QCustomPlot*>(chart);
    const QCPRange shown = plot->xAxis->range();
    const auto pixel = [plot](long long number) {
        const double x = static_cast<double>(number - (strip_history().end() - STRIP_SAMPLES));
        return QPoint(static_cast<int>(std::lround(plot->xAxis->coordToPixel(x))), plot->axisRect()->center().y());
    };
    QTest::mousePress(chart, Qt::LeftButton, {}, pixel(first + 4) - QPoint(1, 0));
    QTest::mouseMove(chart, pixel(first + 2));
    QTest::mouseRelease(chart, Qt::LeftButton, {}, pixel(first + 2));
    EXPECT_EQ(readout->text().section('\n', 0, 0).toStdString(), "Cursor 1: " + sample(2) + " (active)");
    EXPECT_EQ(plot->xAxis->range(), shown);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(readout->isHidden());
}

TEST_F(Acquisition, DuringARunOnlyStopIsUsable)
{
    start_peer(2);
    on_live = [] {
        EXPECT_TRUE(dimmed(panelMAIN, MAIN_CMD_RUN));
        EXPECT_TRUE(dimmed(panelMAIN, MAIN_CMD_DATA));
        EXPECT_FALSE(dimmed(panelMAIN, MAIN_CMD_STOP));
        EXPECT_TRUE(dimmed(panelMAIN, MAIN_CMD_TEACH));
        EXPECT_TRUE(dimmed(panelMAIN, MAIN_BTN_SEND));
        EXPECT_TRUE(dimmed(panelTEST, TEST_CMD_ENTER));
        EXPECT_TRUE(dimmed(panelTEST, TEST_CMD_EXIT));
        EXPECT_EQ(attribute(MAIN_CMD_RUN, ATTR_CMD_BUTTON_COLOR), ACTIVE_BUTTON_COLOR);
        EXPECT_EQ(attribute(MAIN_STRIPCHART, ATTR_VISIBLE), 1);
        EXPECT_EQ(attribute(MAIN_GRAPH, ATTR_VISIBLE), 0);
    };
    run();
    EXPECT_EQ(live_requests, 3);
    expect_idle_again();
}

TEST_F(Acquisition, StopTakesEffectAfterTheCurrentExchange)
{
    peer = std::make_unique<TcpPeer>(good_controller);
    connect_tcp(*peer);
    SetCtrlVal(panelMAIN, MAIN_NUM_CHA, 777);
    peer->script = [this](const QByteArray& r) -> std::optional<Reply> {
        ++live_requests;
        // STOP is pressed while the answer is on its way.
        QTimer::singleShot(50, [] { CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0); });
        return Reply{answer_frame(order_of(r), {1, 5, 6}), 150};
    };
    run();
    EXPECT_EQ(live_requests, 1);
    EXPECT_EQ(statuses.back(), "Rawdata recieved.") << "the answer is still decoded";
    int shown = -1;
    GetCtrlVal(panelMAIN, MAIN_NUM_CHA, &shown);
    EXPECT_EQ(shown, 777) << "but not displayed";
    expect_idle_again();
}

TEST_F(Acquisition, ALostLineOrAWrongSyncEndsTheRunWithEveryGroupEnabled)
{
    for (const bool wrong_sync : {false, true}) {
        SCOPED_TRACE(wrong_sync ? "wrong sync" : "lost line");
        live_requests = 0;
        statuses.clear();
        peer = std::make_unique<TcpPeer>(good_controller);
        connect_tcp(*peer);
        peer->script = [this, wrong_sync](const QByteArray& r) -> std::optional<Reply> {
            if (++live_requests <= 2)
                return Reply{answer_frame(order_of(r), {1})};
            if (wrong_sync)
                return Reply{answer_frame_with_sync(0x5500, order_of(r))};
            return std::nullopt;
        };
        FastClock fast;
        run();
        EXPECT_EQ(statuses.back(), wrong_sync ? "Error! Sensor echo incorrect." : "Error! Connection lost.");
        EXPECT_EQ(stop_flag, 1);
        expect_idle_again();
        InitTCP_IP(0);
    }
}

TEST_F(Acquisition, TraceSwitchesShowAGroupsTracesOnlyWithItsSwitch)
{
    set_switches({MAIN_TRACE_REFERENCE});
    EXPECT_FALSE(visible(TRACE_A_REFERENCE)) << "channel A is off";
    EXPECT_FALSE(visible(TRACE_A));
    set_switches({MAIN_TRACE_REFERENCE, MAIN_TRACE_CHA});
    EXPECT_TRUE(visible(TRACE_A));
    EXPECT_TRUE(visible(TRACE_A_REFERENCE));
    EXPECT_FALSE(visible(TRACE_A_UPPER));
    EXPECT_FALSE(visible(TRACE_B_REFERENCE));

    set_switches({MAIN_TRACE_EVAL, MAIN_TRACE_TRIGGER, MAIN_TRACE_2ND, MAIN_TRACE_3RD, MAIN_TRACE_LOWER});
    EXPECT_TRUE(visible(TRACE_EVAL));
    EXPECT_TRUE(visible(TRACE_EVAL_LOWER));
    EXPECT_FALSE(visible(TRACE_EVAL_UPPER));
    for (int trace : {TRACE_A_TRIGGER, TRACE_B_TRIGGER, TRACE_A_SECOND, TRACE_B_THIRD})
        EXPECT_FALSE(visible(trace)) << trace;

    set_switches({MAIN_TRACE_CHB, MAIN_TRACE_TRIGGER, MAIN_TRACE_UPPER, MAIN_TRACE_REFERENCE, MAIN_TRACE_LOWER,
                  MAIN_TRACE_2ND, MAIN_TRACE_3RD});
    for (const TraceLook& look : TRACE_LOOKS)
        EXPECT_EQ(visible(look.trace), look.group == TraceSwitch::ChannelB) << look.name;
}

TEST_F(Acquisition, EachTraceSwitchShowsHowItsTracesAreDrawn)
{
    // In the order of TraceSwitch.
    const int switches[] = {MAIN_TRACE_CHA,     MAIN_TRACE_CHB,   MAIN_TRACE_EVAL,
                            MAIN_TRACE_TRIGGER, MAIN_TRACE_UPPER, MAIN_TRACE_REFERENCE,
                            MAIN_TRACE_LOWER,   MAIN_TRACE_2ND,   MAIN_TRACE_3RD};
    std::vector<std::set<int>> colours(std::size(switches));
    for (const TraceLook& look : TRACE_LOOKS)
        colours[static_cast<std::size_t>(look.detail == TraceSwitch::None ? look.group : look.detail)].insert(look.colour);
    for (std::size_t s = 0; s < std::size(switches); ++s)
        EXPECT_EQ(icon_colours(panelMAIN, switches[s]), colours[s]) << s;
    EXPECT_EQ(colours[static_cast<int>(TraceSwitch::Upper)].size(), 3u) << "one line for each group it applies to";

    // Of one channel, its three measured values and its four thresholds are
    // each drawn in a style of their own, not told apart by shade alone.
    for (const TraceSwitch group : {TraceSwitch::ChannelA, TraceSwitch::ChannelB, TraceSwitch::Evaluation}) {
        std::set<int> measured;
        std::set<int> thresholds;
        for (const TraceLook& look : TRACE_LOOKS) {
            if (look.group != group)
                continue;
            int style = -1;
            int thickness = -1;
            GetTraceAttribute(panelMAIN, MAIN_STRIPCHART, look.trace, ATTR_TRACE_LINE_STYLE, &style);
            GetTraceAttribute(panelMAIN, MAIN_STRIPCHART, look.trace, ATTR_TRACE_THICKNESS, &thickness);
            const bool value = thickness > 1;
            EXPECT_TRUE((value ? measured : thresholds).insert(style).second) << look.name;
        }
        EXPECT_EQ(measured.size() + thresholds.size(), group == TraceSwitch::Evaluation ? 4u : 7u);
    }
}

TEST_F(Acquisition, RunAgainstTheSimulatorCollectsSamples)
{
    for (const int line : {0, 1}) {
        SCOPED_TRACE(line == 0 ? "serial" : "tcp");
        Simulator sim;
        open_line(sim, line == 0 ? Line::Serial : Line::Tcp);
        QTimer::singleShot(400, [] { CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0); });
        run();
        EXPECT_EQ(statuses.back(), "Rawdata recieved.");
        EXPECT_GT(window(STRIP_SAMPLES - 1, TRACE_A - 1), 0.0) << "the simulator measures around its references";
        EXPECT_GT(window(STRIP_SAMPLES - 10, TRACE_A - 1), 0.0) << "many samples in 0.4 s";
        expect_idle_again();
        InitTCP_IP(0);
        InitRS232(0);
    }
}

}  // namespace
}  // namespace telvar::test
