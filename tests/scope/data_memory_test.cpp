// SPDX-License-Identifier: GPL-3.0-or-later
// The data-memory readout with DATA against scripted controllers and the
// simulator: the block requests and their progress, the channel order, the
// answers that store and those that do not, and the 12 plots of the graph.
#include "support/icon_colours.h"
#include "support/link_fixture.h"
#include "support/simulator_line.h"

#include "link/command.h"
#include "link/frame.h"
#include "link/orders.h"
#include "link/tcp_line.h"
#include "params/record.h"
#include "platform/graph.h"
#include "platform/qt_access.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "scope/data_memory.h"
#include "ui/buttons.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <qcustomplot.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace telvar::test {
namespace {

// The values the data-memory graph draws for the curve of that name.
std::vector<double> drawn(const QString& name)
{
    std::vector<double> values;
    auto* plot = qobject_cast<QCustomPlot*>(ControlWidget(panelMAIN, MAIN_GRAPH));
    for (int k = 0; k < plot->plottableCount(); ++k)
        if (const auto* curve = qobject_cast<QCPCurve*>(plot->plottable(k)); curve && curve->name() == name)
            for (const QCPCurveData& point : *curve->data())
                values.push_back(point.value);
    return values;
}

struct Request {
    int order;
    int channel;
    int start;
    int progress;  // shown when the request went out
};

class DataMemory : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        setup_strip_chart();
        fill_data_memory(1, 0);
        fill_data_memory(2, 0);
    }
    // Answers each block with the samples channel*1000 + index, unless `block_code`
    // says otherwise; stops the run after `passes` live samples. With `late`, a
    // slow controller on TCP: every answer of DATA comes with the next request.
    void start_peer(int passes)
    {
        peer = std::make_unique<TcpPeer>([this, passes](const QByteArray& r) -> std::optional<Reply> {
            const int code = order_of(r);
            if (code != ORDER_DATA_MEMORY && code != ORDER_RAWDATA)
                return good_controller(r);
            std::optional<Reply> reply = answer_of(r, passes);
            if (late)
                std::swap(reply, held);
            return reply;
        });
        connect_tcp(*peer);
        ASSERT_EQ(tcpcon, 1);
        requests.clear();
    }
    Reply answer_of(const QByteArray& r, int passes)
    {
        const int code = order_of(r);
        int progress = -1;
        GetCtrlVal(panelMAIN, MAIN_PROGRESS, &progress);
        requests.push_back({code, word_of(r, 0), word_of(r, 1), progress});
        if (code == ORDER_RAWDATA) {
            if (++live >= passes)
                raise_stop_flag();
            return Reply{answer_frame(ORDER_RAWDATA, {1, 100, 200, 300})};
        }
        const int channel = word_of(r, 0);
        const int start = word_of(r, 1);
        const int answer = block_code ? block_code(start) : DATA_BLOCK_FIRST + start;
        if (answer < 0)
            return Reply{answer_frame_with_sync(0x5500, answer)};
        QByteArray bytes = answer_frame(answer);
        for (int k = 0; k < MAXBLOCK; ++k)
            frame::write_word(reinterpret_cast<std::uint8_t*>(bytes.data()) + 4 + 2 * k, channel * 1000 + start + k);
        return Reply{bytes};
    }
    static void set_switches(std::initializer_list<int> on)
    {
        for (int control : {MAIN_TRACE_CHA, MAIN_TRACE_CHB, MAIN_TRACE_EVAL, MAIN_TRACE_TRIGGER, MAIN_TRACE_UPPER,
                            MAIN_TRACE_REFERENCE, MAIN_TRACE_LOWER, MAIN_TRACE_2ND, MAIN_TRACE_3RD})
            SetCtrlVal(panelMAIN, control, std::find(on.begin(), on.end(), control) != on.end() ? 1 : 0);
    }
    static void data() { CallCtrlCallback(panelMAIN, MAIN_CMD_DATA, EVENT_COMMIT, 0, 0); }
    static int plot(int index, int attr)
    {
        int v = -1;
        GetPlotAttribute(panelMAIN, MAIN_GRAPH, graph_handle[index], attr, &v);
        return v;
    }
    std::vector<int> channels_of_passes() const
    {
        std::vector<int> found;
        for (std::size_t k = 0; k < requests.size(); ++k)
            if (requests[k].order == ORDER_DATA_MEMORY && requests[k].start == 0)
                found.push_back(requests[k].channel);
        return found;
    }

    std::unique_ptr<TcpPeer> peer;
    std::vector<Request> requests;
    int live = 0;
    std::function<int(int start)> block_code;
    bool late = false;
    std::optional<Reply> held;  // the answer the next request gets when `late`
};

TEST_F(DataMemory, APassReadsEightBlocksWithTheirProgressThenALiveSample)
{
    set_switches({MAIN_TRACE_CHA});
    start_peer(1);
    data();
    ASSERT_EQ(requests.size(), 9u);
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(requests[k].order, ORDER_DATA_MEMORY);
        EXPECT_EQ(requests[k].channel, 1);
        EXPECT_EQ(requests[k].start, 16 * k);
        EXPECT_EQ(requests[k].progress, 16 * k * 100 / 144);
    }
    EXPECT_EQ(requests[8].order, ORDER_RAWDATA);
    for (int k = 0; k < MEMORY_SAMPLES; ++k)
        ASSERT_EQ(yArrayA[k], 1000 + k);
    EXPECT_EQ(yArrayB[5], 0);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Data from index 112 to index 128 recieved."), statuses.end());
    int progress = -1;
    GetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, &progress);
    EXPECT_EQ(progress, 0);
    int colour = -1;
    GetCtrlAttribute(panelMAIN, MAIN_CMD_DATA, ATTR_CMD_BUTTON_COLOR, &colour);
    EXPECT_EQ(colour, IDLE_BUTTON_COLOR);
}

TEST_F(DataMemory, BothChannelsAlternateStartingWithB)
{
    set_switches({MAIN_TRACE_CHA, MAIN_TRACE_CHB});
    start_peer(3);
    data();
    EXPECT_EQ(channels_of_passes(), (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(yArrayA[7], 1007);
    EXPECT_EQ(yArrayB[7], 2007);
}

TEST_F(DataMemory, NoChannelStillRequestsAndLeavesOnlyThePlaceholders)
{
    set_switches({});
    start_peer(1);
    data();
    EXPECT_EQ(channels_of_passes(), std::vector<int>{0});
    std::vector<int> plots;
    GetGraphPlots(panelMAIN, MAIN_GRAPH, &plots);
    EXPECT_EQ(plots.size(), 12u);
    for (int k = 0; k < GRAPH_PLOTS; ++k)
        EXPECT_EQ(plot(k, ATTR_PLOT_COLOR), VAL_TRANSPARENT);
}

TEST_F(DataMemory, NoNewTriggerEndsTheBlocksButStillDraws)
{
    set_switches({MAIN_TRACE_CHB});
    fill_data_memory(2, 7);
    block_code = [](int) { return DATA_NO_TRIGGER; };
    start_peer(1);
    data();
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(), [](const Request& r) { return r.order == ORDER_DATA_MEMORY; }), 1);
    EXPECT_EQ(yArrayB[0], 7);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "No new trigger event. No data availible."), statuses.end());
    EXPECT_EQ(plot(6, ATTR_PLOT_COLOR), VAL_GREEN) << "channel B's old memory is drawn";
    EXPECT_EQ(plot(6, ATTR_PLOT_STYLE), VAL_FAT_LINE);
    EXPECT_EQ(plot(6, ATTR_PLOT_POINTS), MEMORY_SAMPLES);
}

TEST_F(DataMemory, AnAnswerCodeNotOfTheBlockAskedStoresNothingAndReadingGoesOn)
{
    set_switches({MAIN_TRACE_CHA});
    // The code block 48 is answered with, and how often block 48 is asked for:
    // no block's code is taken once, another block's is asked again in vain.
    const std::pair<int, int> cases[] = {{0x0971, 1}, {DATA_BLOCK_FIRST + 32, 1 + STALE_ANSWER_REPEATS}};
    for (const auto& [code, asked] : cases) {
        fill_data_memory(1, 0);
        statuses.clear();
        live = 0;
        block_code = [code](int start) { return start == 48 ? code : DATA_BLOCK_FIRST + start; };
        start_peer(1);
        data();
        const auto count = [this](auto which) { return std::count_if(requests.begin(), requests.end(), which); };
        EXPECT_EQ(count([](const Request& r) { return r.order == ORDER_DATA_MEMORY; }), 7 + asked) << code;
        EXPECT_EQ(count([](const Request& r) { return r.start == 48; }), asked) << code;
        EXPECT_EQ(yArrayA[47], 1047) << code;
        EXPECT_EQ(yArrayA[48], 0) << code;
        EXPECT_EQ(yArrayA[64], 1064) << code;
        EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "Data from index 48 to index 64 recieved."), 0) << code;
        InitTCP_IP(0);
    }
}

// Past the answer wait, each answer is taken by the next request: the block
// asked again gets its own samples, not those of the block before.
TEST_F(DataMemory, ALateAnswerOfTheBlockBeforeIsNotStored)
{
    set_switches({MAIN_TRACE_CHA});
    late = true;
    start_peer(1);
    data();
    for (int k = 0; k < MEMORY_SAMPLES; ++k)
        ASSERT_EQ(yArrayA[k], 1000 + k) << k;
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(), [](const Request& r) { return r.start == 16; }), 2);
}

TEST_F(DataMemory, CurvesOfSwitchesThatAreOffAreTransparent)
{
    set_switches({MAIN_TRACE_CHA, MAIN_TRACE_TRIGGER, MAIN_TRACE_LOWER});
    start_peer(1);
    data();
    EXPECT_EQ(plot(0, ATTR_PLOT_COLOR), VAL_BLUE);
    EXPECT_EQ(plot(1, ATTR_PLOT_COLOR), VAL_BLUE) << "trigger level";
    EXPECT_EQ(plot(2, ATTR_PLOT_COLOR), VAL_BLUE) << "pretrigger step";
    EXPECT_EQ(plot(3, ATTR_PLOT_COLOR), VAL_TRANSPARENT) << "upper limit";
    EXPECT_EQ(plot(4, ATTR_PLOT_COLOR), VAL_TRANSPARENT) << "reference";
    EXPECT_EQ(plot(5, ATTR_PLOT_COLOR), VAL_GREEN) << "lower limit";
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(plot(k, ATTR_PLOT_STYLE), VAL_THIN_LINE);
        EXPECT_EQ(plot(k, ATTR_PLOT_LINE_STYLE), VAL_DASH);
        std::string mark;
        GetPlotAttribute(panelMAIN, MAIN_GRAPH, graph_handle[k], ATTR_PLOT_EDGE_TEXT, &mark);
        EXPECT_EQ(mark, k == 2 ? "trigger" : "") << "the pretrigger step is drawn as its labelled edge";
    }
    // While the graph is shown, the switches show its looks rather than the strip chart's.
    EXPECT_EQ(icon_colours(panelMAIN, MAIN_TRACE_CHA), std::set<int>{VAL_BLUE});
    EXPECT_EQ(icon_colours(panelMAIN, MAIN_TRACE_CHB), std::set<int>{VAL_GREEN});
    EXPECT_EQ(icon_colours(panelMAIN, MAIN_TRACE_REFERENCE), std::set<int>{VAL_BLACK});
    EXPECT_TRUE(icon_colours(panelMAIN, MAIN_TRACE_2ND).empty()) << "plays no part here";

    set_switches({MAIN_TRACE_CHA, MAIN_TRACE_REFERENCE});
    live = 0;
    data();
    EXPECT_EQ(plot(4, ATTR_PLOT_COLOR), VAL_BLACK) << "shown at the next pass of its channel";
}

TEST_F(DataMemory, PretriggerStepFollowsTheRecordOfTheChannelDrawn)
{
    set_switches({MAIN_TRACE_CHB});
    for (const auto& [pretrigger, first] : {std::pair{40, 40}, std::pair{0, 0}, std::pair{200, -1}}) {
        set_word(BLOCK_B + CH_PRETRIGGER, static_cast<std::uint16_t>(pretrigger));
        live = 0;
        start_peer(1);
        data();
        const std::vector<double> step = drawn("Channel B pretrigger");
        const auto at = std::find(step.begin(), step.end(), 4095.0);
        EXPECT_EQ(at == step.end() ? -1 : static_cast<int>(at - step.begin()), first) << pretrigger;
        // The cursors, at a third and two thirds of the graph, count from the trigger.
        SetCtrlVal(panelMAIN, MAIN_CURSORS, 1);
        CallCtrlCallback(panelMAIN, MAIN_CURSORS, EVENT_COMMIT, 0, 0);
        const QStringList readout = ControlWidget(panelMAIN, MAIN_GRAPH)->findChild<QLabel*>()->text().split('\n');
        const auto from_trigger = [first](int sample) {
            return first < 0 ? std::string() : ", " + std::string(sample > first ? "+" : "") + std::to_string(sample - first) + " from the trigger";
        };
        EXPECT_EQ(readout.value(0).toStdString(), "Cursor 1: sample 43" + from_trigger(43) + " (active)");
        EXPECT_EQ(readout.value(1).toStdString(), "Cursor 2: sample 85" + from_trigger(85));
        EXPECT_EQ(readout.value(3).toStdString(), "Channel B data      2043      2085         +42") << "channel 2, start + index";
        SetCtrlVal(panelMAIN, MAIN_CURSORS, 0);
        CallCtrlCallback(panelMAIN, MAIN_CURSORS, EVENT_COMMIT, 0, 0);
        InitTCP_IP(0);
    }
}

TEST_F(DataMemory, ABlockFailureStillTriesTheLiveSampleAndEndsWithEveryGroupEnabled)
{
    set_switches({MAIN_TRACE_CHA});
    block_code = [](int start) { return start == 32 ? -1 : DATA_BLOCK_FIRST + start; };
    start_peer(5);
    data();
    EXPECT_EQ(statuses.back(), "Error! Sensor echo incorrect.");
    EXPECT_EQ(requests.back().order, ORDER_RAWDATA) << "the live phase is attempted once";
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(), [](const Request& r) { return r.order == ORDER_DATA_MEMORY; }), 3);
    int dimmed = -1;
    GetCtrlAttribute(panelMAIN, MAIN_CMD_RUN, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 0);
}

// The simulator records on its own trigger events; a run long enough sees
// one. STOP comes once a recording is in, after 3 s at the latest.
TEST_F(DataMemory, DataAgainstTheSimulatorDrawsARecording)
{
    Simulator sim;
    open_line(sim, Line::Tcp);
    set_switches({MAIN_TRACE_CHA, MAIN_TRACE_CHB});
    const auto recorded = [] {
        const auto nonzero = [](unsigned short v) { return v != 0; };
        return std::any_of(std::begin(yArrayA), std::end(yArrayA), nonzero)
            || std::any_of(std::begin(yArrayB), std::end(yArrayB), nonzero);
    };
    fill_data_memory(1, 0);
    fill_data_memory(2, 0);
    QElapsedTimer running;
    running.start();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (recorded() || running.elapsed() > 3000)
            CallCtrlCallback(panelMAIN, MAIN_CMD_STOP, EVENT_COMMIT, 0, 0);
    });
    watch.start(50);
    data();
    EXPECT_TRUE(recorded()) << "a recording was read";
    EXPECT_EQ(plot(0, ATTR_PLOT_POINTS), MEMORY_SAMPLES);
}

}  // namespace
}  // namespace telvar::test
