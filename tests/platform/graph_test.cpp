// SPDX-License-Identifier: GPL-3.0-or-later
// The strip chart and the graph as the measurement display drives them: what
// they keep and show, how they are set up from a panel file, and what the
// operator saves from their menu.
#include "support/panel_files.h"
#include "support/dialogs.h"
#include "support/pdf_reading.h"

#include "platform/events.h"
#include "platform/files.h"
#include "platform/graph.h"
#include "platform/qt_access.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "scope/strip_store.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <qcustomplot.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

namespace telvar::test {
namespace {

enum PlotControl : int { CHART = 1, GRAPH };

constexpr const char* kSavePicture = "Save picture...";
constexpr const char* kSaveData = "Save data as CSV...";
constexpr const char* kFollow = "Follow the newest samples";
constexpr const char* kResetView = "Reset view";
constexpr const char* kAutoY = "Auto y range";

// A file the chart wrote; "<missing>" when there is none.
std::string content_of(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
}

QByteArray dynamic(const char* name, const QByteArray& value)
{
    return ui_property(name, value, false);
}

QByteArray text(const QByteArray& value)
{
    return "<string>" + value + "</string>";
}

QByteArray number(double value)
{
    return "<double>" + QByteArray::number(value) + "</double>";
}

QByteArray plot_widget(const QByteArray& name, const QByteArray& properties)
{
    return ui_widget("QCustomPlot", name,
                     ui_geometry(0, 0, 400, 300) + ui_property("accessibleName", text(name)) + properties);
}

const QByteArray kChart = plot_widget("CHART", dynamic("plotKind", text("stripchart"))
                                                   + dynamic("plotLegend", "<bool>true</bool>"));
const QByteArray kGraph =
    plot_widget("GRAPH", dynamic("plotKind", text("graph")) + dynamic("plotXMin", number(0))
                             + dynamic("plotXMax", number(128)) + dynamic("plotYMin", number(0))
                             + dynamic("plotYMax", number(4096)) + dynamic("plotXLabel", text("Sample"))
                             + dynamic("plotYLabel", text("Value")) + dynamic("plotLegend", "<bool>true</bool>"));

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class Graphs : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel = files.load("graphs.uir", kChart + kGraph, {{CHART, "CHART"}, {GRAPH, "GRAPH"}});
        ASSERT_GT(panel, 0);
        ASSERT_EQ(SetStripChartSamples(panel, CHART, &samples), 0);
        FailFileWrites(false);
    }
    void TearDown() override
    {
        FailFileWrites(false);
        DiscardPanel(panel);
    }

    QCustomPlot* plot(int control) const { return qobject_cast<QCustomPlot*>(ControlWidget(panel, control)); }

    // Shows one of the two plots, which lie on the same place.
    void show_only(int control)
    {
        DisplayPanel(panel);
        SetCtrlAttribute(panel, CHART, ATTR_VISIBLE, control == CHART);
        SetCtrlAttribute(panel, GRAPH, ATTR_VISIBLE, control == GRAPH);
        QApplication::processEvents();
    }

    // What the operator sees of the plot: how many of its pixels in each row have that colour.
    std::vector<int> rows_of(int control, int rgb) const
    {
        QApplication::processEvents();  // the queued redraws
        const QImage image = plot(control)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        std::vector<int> rows(image.height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                rows[y] += (image.pixel(x, y) & 0xFFFFFF) == static_cast<QRgb>(rgb);
        return rows;
    }
    int pixels_of(int control, int rgb) const
    {
        const std::vector<int> rows = rows_of(control, rgb);
        return std::accumulate(rows.begin(), rows.end(), 0);
    }
    // The row a horizontal line of that colour is drawn in.
    int row_of_line(int control, int rgb) const
    {
        const std::vector<int> rows = rows_of(control, rgb);
        return static_cast<int>(std::max_element(rows.begin(), rows.end()) - rows.begin());
    }

    // The plot's menu, opened by a right click.
    QMenu* open_menu(int control) const
    {
        const QPoint at(30, 30);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, plot(control)->mapToGlobal(at));
        QApplication::sendEvent(plot(control), &click);
        auto* menu = plot(control)->findChild<QMenu*>();
        return menu && menu->isVisible() ? menu : nullptr;
    }

    void choose(int control, const QString& entry)
    {
        QMenu* menu = open_menu(control);
        ASSERT_TRUE(menu) << "no menu on a right click";
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                menu->hide();
                action->trigger();
                return;
            }
        }
        FAIL() << "no entry " << entry.toStdString();
    }

    std::string file_in_temp(const char* name) const { return QDir(temp.path()).filePath(name).toStdString(); }

    // The plot's data as the operator saves it.
    std::string saved_csv(int control)
    {
        const std::string path = file_in_temp("data.csv");
        ExpectedDialogs dialogs;
        dialogs.expect_file_dialog("Save Data", {VAL_NEW_FILE_SELECTED, path});
        choose(control, kSaveData);
        dialogs.check_all_shown();
        return content_of(path);
    }

    void name_traces(const std::vector<const char*>& names)
    {
        for (std::size_t t = 0; t < names.size(); ++t)
            ASSERT_EQ(SetTraceAttribute(panel, CHART, static_cast<int>(t) + 1, ATTR_TRACE_LG_TEXT, names[t]), 0);
    }

    int plot_horizontal(int y, int colour, int style = VAL_THIN_LINE, int line = VAL_SOLID)
    {
        const unsigned short xs[] = {0, 128};
        const unsigned short ys[] = {static_cast<unsigned short>(y), static_cast<unsigned short>(y)};
        return PlotXY(panel, GRAPH, xs, ys, 2, VAL_UNSIGNED_SHORT_INTEGER, VAL_UNSIGNED_SHORT_INTEGER, style,
                      VAL_NO_POINT, line, 1, colour);
    }

    std::vector<int> plots() const
    {
        std::vector<int> handles;
        EXPECT_EQ(GetGraphPlots(panel, GRAPH, &handles), 0);
        return handles;
    }

    std::vector<std::string> legend(int control) const
    {
        std::vector<std::string> names;
        QCPLegend* legend = plot(control)->legend;
        for (int k = 0; k < legend->itemCount(); ++k)  // cells of a grid, some of them empty
            if (auto* item = qobject_cast<QCPPlottableLegendItem*>(legend->item(k)))
                names.push_back(item->plottable()->name().toStdString());
        return names;
    }

    // Feeds the chart as the live display does: a sample a call on a screen
    // of 101, sample n being n on trace 1 and -n on trace 2.
    void feed_live_samples(int count)
    {
        for (int k = 0; k < count; ++k, ++fed) {
            const double sample[] = {double(fed), -double(fed)};
            ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, 101), 0);
            ASSERT_EQ(PlotStripChart(panel, CHART, sample, 2, 0, 0, VAL_DOUBLE), 0);
        }
        QApplication::processEvents();
    }
    void press(int control, Qt::Key key)
    {
        QTest::keyClick(plot(control), key);
        QApplication::processEvents();
    }
    // The left button on the strip chart.
    void mouse(QEvent::Type type, const QPoint& at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, plot(CHART)->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(plot(CHART), &event);
        QApplication::processEvents();
    }
    QCPRange x_range(int control) const { return plot(control)->xAxis->range(); }
    QString x_label() const { return plot(CHART)->xAxis->label(); }
    bool looking_back() const { return x_label() == QLatin1String("Time of day (looking back)"); }
    bool following_off_screen() const { return x_label() == QLatin1String("Time of day (following)"); }
    bool on_screen() const { return !x_label().startsWith(QLatin1String("Time of day")); }
    // Each point drawn of trace 1 is the sample its x names, numbered from `first_x`.
    void expect_drawn_samples_from(double first_x) const
    {
        const QSharedPointer<QCPGraphDataContainer> drawn = plot(CHART)->graph(0)->data();
        ASSERT_FALSE(drawn->isEmpty());
        for (const QCPGraphData& point : *drawn)
            ASSERT_EQ(point.value, point.key - first_x) << point.key;
    }

    StripStore samples{1, STRIP_HOUR_SAMPLES};
    PanelFiles files;
    QTemporaryDir temp;
    int panel = 0;
    int fed = 0;
};

TEST_F(Graphs, StripChartTakesInterleavedValuesWithSkipsAndKeepsTheLastScreen)
{
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 3), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, 4), 0);
    name_traces({"A", "B", "Eval, mean"});
    // The legend in the window's language; saved data keeps the names programs read.
    ASSERT_EQ(SetTraceAttribute(panel, CHART, 3, ATTR_TRACE_SHOWN_TEXT, "Auswertung, Mittel"), 0);
    EXPECT_EQ(plot(CHART)->graph(2)->name().toStdString(), "Auswertung, Mittel");
    // From element 1, one skipped after each: 1 2 3 | 4 5 6 taken, the zeros not.
    const double first[] = {-1, 1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0};
    ASSERT_EQ(PlotStripChart(panel, CHART, first, 6, 1, 1, VAL_DOUBLE), 0);
    EXPECT_EQ(saved_csv(CHART), "A,B,\"Eval, mean\"\r\n1,2,3\r\n4,5,6\r\n");

    const unsigned short more[] = {7, 8, 9, 10, 11, 12, 13, 14, 65535};
    ASSERT_EQ(PlotStripChart(panel, CHART, more, 9, 0, 0, VAL_UNSIGNED_SHORT_INTEGER), 0);
    EXPECT_EQ(saved_csv(CHART), "A,B,\"Eval, mean\"\r\n4,5,6\r\n7,8,9\r\n10,11,12\r\n13,14,65535\r\n")
        << "four points per screen: the oldest scrolled off";

    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, 2), 0);
    EXPECT_EQ(saved_csv(CHART), "A,B,\"Eval, mean\"\r\n10,11,12\r\n13,14,65535\r\n");
    ASSERT_EQ(ClearStripChart(panel, CHART), 0);
    EXPECT_EQ(saved_csv(CHART), "A,B,\"Eval, mean\"\r\n");

    int value = 0;
    EXPECT_EQ(GetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, &value), 0);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(GetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, &value), 0);
    EXPECT_EQ(value, 3);
}

TEST_F(Graphs, LiveDisplayFeedsTheWholeHistoryEveryTime)
{
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 18), 0);
    std::vector<double> history(1800);  // 100 samples of 18 traces, oldest first
    for (int call = 1; call <= 2; ++call) {
        history.erase(history.begin(), history.begin() + 18);
        for (int t = 0; t < 18; ++t)
            history.push_back(call * 1000 + t);
        ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, 100), 0);
        ASSERT_EQ(PlotStripChart(panel, CHART, history.data(), 1800, 0, 0, VAL_DOUBLE), 0);
    }
    const QString csv = QString::fromStdString(saved_csv(CHART));
    const QStringList rows = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 101) << "a header and 100 points";
    EXPECT_EQ(rows[0].split(QLatin1Char(',')).size(), 18);
    EXPECT_TRUE(rows[0].startsWith(QLatin1String("Trace 1,Trace 2,"))) << "unnamed traces are numbered";
    EXPECT_TRUE(rows[99].startsWith(QLatin1String("1000,1001,"))) << "the first sample, one place older";
    EXPECT_TRUE(rows[100].startsWith(QLatin1String("2000,2001,"))) << "the new sample at the right end";
    EXPECT_TRUE(rows[1].startsWith(QLatin1String("0,0,"))) << "the screen is the history: nothing of the call before";

    const QSharedPointer<QCPGraphDataContainer> drawn = plot(CHART)->graph(0)->data();
    ASSERT_EQ(drawn->size(), 100) << "following, the chart draws these 100 points and nothing of its hour";
    for (int k = 0; k < 100; ++k) {
        EXPECT_EQ(drawn->at(k)->key, k);
        EXPECT_EQ(drawn->at(k)->value, rows[k + 1].section(QLatin1Char(','), 0, 0).toDouble()) << k;
    }
}

TEST_F(Graphs, StripChartRefusesWhatWouldMisalignItsTraces)
{
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 2), 0);
    const double values[] = {1, 2, 3, 4};
    EXPECT_EQ(PlotStripChart(panel, CHART, values, 3, 0, 0, VAL_DOUBLE), UIE_BAD_ATTRIBUTE)
        << "not a whole number of samples";
    EXPECT_EQ(PlotStripChart(panel, CHART, values, 2, -1, 0, VAL_DOUBLE), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(PlotStripChart(panel, CHART, values, 2, 0, -1, VAL_DOUBLE), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(PlotStripChart(panel, CHART, nullptr, 2, 0, 0, VAL_DOUBLE), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(PlotStripChart(panel, CHART, values, 2, 0, 0, 5), UIE_BAD_ATTRIBUTE) << "an unknown data type";
    EXPECT_EQ(PlotStripChart(panel, GRAPH, values, 2, 0, 0, VAL_DOUBLE), UIE_BAD_CONTROL) << "not a strip chart";
    EXPECT_EQ(saved_csv(CHART), "Trace 1,Trace 2\r\n") << "nothing taken";
    EXPECT_EQ(SetStripChartSamples(panel, GRAPH, &samples), UIE_BAD_CONTROL);
    ASSERT_EQ(SetStripChartSamples(panel, CHART, nullptr), 0);
    EXPECT_EQ(PlotStripChart(panel, CHART, values, 2, 0, 0, VAL_DOUBLE), UIE_BAD_ATTRIBUTE) << "nowhere to keep them";
    EXPECT_EQ(MarkStripChartGap(panel, CHART), 0);
    EXPECT_EQ(ClearStripChart(panel, CHART), 0);
    EXPECT_EQ(saved_csv(CHART), "Trace 1,Trace 2\r\n");

    EXPECT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 0), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(SetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, 1), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(SetCtrlAttribute(panel, GRAPH, ATTR_POINTS_PER_SCREEN, 100), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(ClearStripChart(panel, GRAPH), UIE_BAD_CONTROL);
}

TEST_F(Graphs, TraceAttributesReadBackAndNoLegendIsDrawnInThePlot)
{
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 3), 0);
    name_traces({"Channel A", "Channel B", "Evaluation"});
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 2, ATTR_TRACE_COLOR, 0x123456), 0);
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 2, ATTR_TRACE_LINE_STYLE, VAL_DOT), 0);
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 2, ATTR_TRACE_THICKNESS, 3), 0);
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 1, ATTR_TRACE_VISIBLE, 0), 0);
    const std::vector<std::pair<int, int>> expected = {
        {ATTR_TRACE_COLOR, 0x123456}, {ATTR_TRACE_LINE_STYLE, VAL_DOT}, {ATTR_TRACE_THICKNESS, 3},
        {ATTR_TRACE_VISIBLE, 1}};
    for (const auto& [attribute, wanted] : expected) {
        int value = -1;
        EXPECT_EQ(GetTraceAttribute(panel, CHART, 2, attribute, &value), 0);
        EXPECT_EQ(value, wanted) << attribute;
    }
    int visible = -1;
    EXPECT_EQ(GetTraceAttribute(panel, CHART, 1, ATTR_TRACE_VISIBLE, &visible), 0);
    EXPECT_EQ(visible, 0);
    EXPECT_FALSE(plot(CHART)->legend->visible())
        << "no legend inside the plot, though the panel file asks for one: the program shows the lines beside it";
    EXPECT_TRUE(legend(CHART).empty());

    EXPECT_EQ(SetTraceAttribute(panel, CHART, 4, ATTR_TRACE_VISIBLE, 1), UIE_BAD_ATTRIBUTE) << "no trace 4";
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 0, ATTR_TRACE_VISIBLE, 1), UIE_BAD_ATTRIBUTE) << "traces count from 1";
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 1, ATTR_TRACE_COLOR, 0x2000000), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 1, ATTR_TRACE_LINE_STYLE, 7), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 1, ATTR_TRACE_THICKNESS, 0), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(SetTraceAttribute(panel, CHART, 1, ATTR_TRACE_COLOR, "red"), UIE_BAD_ATTRIBUTE);

    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 4), 0);
    int colour = -1;
    GetTraceAttribute(panel, CHART, 2, ATTR_TRACE_COLOR, &colour);
    EXPECT_EQ(colour, 0x123456) << "more traces keep the looks of the old ones";
}

TEST_F(Graphs, StripChartDrawsInThePlotCallOrWhenTheProgramWaitsAndThinDashesStayVisible)
{
    show_only(CHART);
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 2), 0);
    SetTraceAttribute(panel, CHART, 1, ATTR_TRACE_COLOR, 0x00C000);
    SetTraceAttribute(panel, CHART, 1, ATTR_TRACE_LINE_STYLE, VAL_DASH);
    SetTraceAttribute(panel, CHART, 2, ATTR_TRACE_COLOR, 0xC000C0);
    SetTraceAttribute(panel, CHART, 2, ATTR_TRACE_VISIBLE, 0);
    std::vector<double> samples;
    for (int k = 0; k < 100; ++k)
        samples.insert(samples.end(), {3000, 1000});
    ASSERT_EQ(PlotStripChart(panel, CHART, samples.data(), 200, 0, 0, VAL_DOUBLE), 0);
    const int row_before = row_of_line(CHART, 0x00C000);

    // Later samples redraw the traces alone.
    for (int k = 0; k < 200; k += 2)
        samples[k] = 2000;
    PaintCounter counter;
    plot(CHART)->installEventFilter(&counter);
    ASSERT_EQ(PlotStripChart(panel, CHART, samples.data(), 200, 0, 0, VAL_DOUBLE), 0);
    EXPECT_EQ(counter.paints, 1) << "drawn inside the call, not queued";
    EXPECT_GT(row_of_line(CHART, 0x00C000), row_before) << "the new points, lower down";

    // Deferred, the drawing is left to the program's next wait, the one for
    // the next answer, and not done between an answer and the next request.
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_REFRESH_GRAPH, 0), 0);
    counter.paints = 0;
    ASSERT_EQ(PlotStripChart(panel, CHART, samples.data(), 200, 0, 0, VAL_DOUBLE), 0);
    QTest::qSleep(5);
    ProcessSystemEvents();
    EXPECT_EQ(counter.paints, 0) << "not in the event pass after the call, however long it was";
    WaitEvents(5);
    EXPECT_EQ(counter.paints, 1) << "drawn as the program waits";
    ASSERT_EQ(PlotStripChart(panel, CHART, samples.data(), 200, 0, 0, VAL_DOUBLE), 0);
    QElapsedTimer clock;
    clock.start();
    while (counter.paints == 1 && clock.elapsed() < 2000)
        ProcessSystemEvents();
    EXPECT_EQ(counter.paints, 2) << "drawn soon also in a program that never waits";
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_REFRESH_GRAPH, 1), 0);

    const int width = plot(CHART)->axisRect()->width();
    const int dashed = pixels_of(CHART, 0x00C000);
    EXPECT_GT(dashed, width / 2) << "a thin dashed line, mostly dashes";
    EXPECT_LT(dashed, width * 4 / 5) << "with gaps";
    EXPECT_EQ(pixels_of(CHART, 0xC000C0), 0) << "a hidden trace draws nothing";
    SetTraceAttribute(panel, CHART, 2, ATTR_TRACE_VISIBLE, 1);
    EXPECT_GT(pixels_of(CHART, 0xC000C0), width * 9 / 10) << "a solid line with nothing cut out";

    // Looked back over, more samples than pixels draw each pixel column from
    // its lowest sample to its highest: trace 1 swinging between 1000 and
    // 3000 is a band without a hole, beneath trace 2's band about 2000.
    ASSERT_EQ(ClearStripChart(panel, CHART), 0);
    for (int n = 0; n < 4000; ++n) {
        const double sample[] = {n % 2 == 0 ? 1000.0 : 3000.0, n % 2 == 0 ? 1950.0 : 2050.0};
        ASSERT_EQ(PlotStripChart(panel, CHART, sample, 2, 0, 0, VAL_DOUBLE), 0);
    }
    for (int k = 0; k < 30; ++k)
        press(CHART, Qt::Key_Minus);
    ASSERT_GT(plot(CHART)->graph(0)->data()->size(), 2 * width) << "dense";
    const QImage image = plot(CHART)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QCPAxis* y = plot(CHART)->yAxis;
    const QRect axes = plot(CHART)->axisRect()->rect();
    int holes = 0;
    for (int px = axes.left() + 1; px < axes.right(); ++px)
        for (int py = qRound(y->coordToPixel(3000)) + 1; py < qRound(y->coordToPixel(1000)); ++py)
            holes += (image.pixel(px, py) & 0xFFFFFF) != 0x00C000 && (image.pixel(px, py) & 0xFFFFFF) != 0xC000C0;
    EXPECT_EQ(holes, 0);
    EXPECT_EQ(rows_of(CHART, 0x00C000)[qRound(y->coordToPixel(3000)) - 3], 0) << "nothing above the band";
    int on_top = 0;  // columns where trace 2, drawn after trace 1, shows across its band
    for (int px = axes.left() + 1; px < axes.right(); ++px)
        for (int dy = -1; dy <= 1; ++dy)
            if ((image.pixel(px, qRound(y->coordToPixel(2000)) + dy) & 0xFFFFFF) == 0xC000C0) {
                ++on_top;
                break;
            }
    EXPECT_EQ(on_top, axes.width() - 2) << "the trace drawn later lies on top";
}

TEST_F(Graphs, HiddenStripChartIsDrawnWhenShown)
{
    show_only(GRAPH);
    SetTraceAttribute(panel, CHART, 1, ATTR_TRACE_COLOR, 0x00C000);
    PaintCounter counter;
    plot(CHART)->installEventFilter(&counter);
    const double samples[] = {2000, 2000, 2000};
    ASSERT_EQ(PlotStripChart(panel, CHART, samples, 3, 0, 0, VAL_DOUBLE), 0);
    EXPECT_EQ(counter.paints, 0);
    show_only(CHART);
    EXPECT_GT(pixels_of(CHART, 0x00C000), 0) << "the points plotted while hidden";
}

TEST_F(Graphs, PlotsKeepHandlesAttributesAndTheirPlaceUntilDeleted)
{
    const int first = plot_horizontal(1000, 0x0000FF, VAL_FAT_LINE, VAL_SOLID);
    const int second = plot_horizontal(2000, VAL_TRANSPARENT);
    const int third = plot_horizontal(3000, 0x00FF00, VAL_THIN_LINE, VAL_DASH);
    ASSERT_GT(first, 0);
    EXPECT_GT(second, first);
    EXPECT_GT(third, second);
    EXPECT_EQ(plots(), (std::vector<int>{first, second, third})) << "a transparent plot is still a plot";

    const std::vector<std::pair<int, int>> expected = {{ATTR_PLOT_COLOR, 0x00FF00},
                                                       {ATTR_PLOT_STYLE, VAL_THIN_LINE},
                                                       {ATTR_PLOT_LINE_STYLE, VAL_DASH},
                                                       {ATTR_PLOT_POINTS, 2}};
    for (const auto& [attribute, wanted] : expected) {
        int value = -1;
        EXPECT_EQ(GetPlotAttribute(panel, GRAPH, third, attribute, &value), 0);
        EXPECT_EQ(value, wanted) << attribute;
    }
    int value = -1;
    GetPlotAttribute(panel, GRAPH, second, ATTR_PLOT_COLOR, &value);
    EXPECT_EQ(value, VAL_TRANSPARENT);
    GetPlotAttribute(panel, GRAPH, first, ATTR_PLOT_STYLE, &value);
    EXPECT_EQ(value, VAL_FAT_LINE);

    EXPECT_EQ(SetPlotAttribute(panel, GRAPH, first, ATTR_PLOT_LG_TEXT, "Channel A"), 0);
    EXPECT_EQ(SetPlotAttribute(panel, GRAPH, second, ATTR_PLOT_LG_TEXT, "Reference"), 0);
    EXPECT_EQ(SetPlotAttribute(panel, GRAPH, second, ATTR_PLOT_SHOWN_TEXT, "Referenz"), 0);
    std::string saved_name;
    EXPECT_EQ(GetPlotAttribute(panel, GRAPH, second, ATTR_PLOT_LG_TEXT, &saved_name), 0);
    EXPECT_EQ(saved_name, "Reference") << "the shown name leaves saved data's name as it is";
    EXPECT_TRUE(legend(GRAPH).empty()) << "names go to saved data only";

    EXPECT_EQ(DeleteGraphPlot(panel, GRAPH, second, VAL_IMMEDIATE_DRAW), 0);
    EXPECT_EQ(plots(), (std::vector<int>{first, third}));
    EXPECT_EQ(DeleteGraphPlot(panel, GRAPH, second, VAL_IMMEDIATE_DRAW), UIE_BAD_ATTRIBUTE) << "gone";
    EXPECT_EQ(GetPlotAttribute(panel, GRAPH, second, ATTR_PLOT_COLOR, &value), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(DeleteGraphPlot(panel, GRAPH, -1, VAL_DELAYED_DRAW), 0);
    EXPECT_TRUE(plots().empty());
    EXPECT_GT(plot_horizontal(500, 0), third) << "handles are never given twice";
}

TEST_F(Graphs, PlotXYRefusesWhatItCannotDraw)
{
    const double xs[] = {0, 1};
    const auto plot_with = [&](const void* x, int n, int type, int style, int point, int line, int colour) {
        return PlotXY(panel, GRAPH, x, xs, n, type, VAL_DOUBLE, style, point, line, 1, colour);
    };
    EXPECT_EQ(plot_with(xs, -1, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 0), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(plot_with(nullptr, 2, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 0), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(plot_with(xs, 2, 3, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 0), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(plot_with(xs, 2, VAL_DOUBLE, 5, VAL_NO_POINT, VAL_SOLID, 0), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(plot_with(xs, 2, VAL_DOUBLE, VAL_THIN_LINE, 3, VAL_SOLID, 0), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(plot_with(xs, 2, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT, 9, 0), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(plot_with(xs, 2, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, -2), UIE_BAD_ATTRIBUTE);
    EXPECT_TRUE(plots().empty());
    EXPECT_EQ(PlotXY(panel, CHART, xs, xs, 2, VAL_DOUBLE, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 1, 0),
              UIE_BAD_CONTROL)
        << "a strip chart takes no plots";
}

TEST_F(Graphs, TransparentPlotsDrawNothingAndColouredOnesShowTheirColour)
{
    show_only(GRAPH);
    plot_horizontal(2000, 0x0000FF, VAL_FAT_LINE);
    plot_horizontal(3000, 0x00C000, VAL_THIN_LINE, VAL_DASH);
    const int width = plot(GRAPH)->axisRect()->width();
    EXPECT_GT(pixels_of(GRAPH, 0x0000FF), width * 2 * 9 / 10) << "a fat line, two pixels high";
    EXPECT_GT(pixels_of(GRAPH, 0x00C000), width / 2) << "a thin dashed line";

    DeleteGraphPlot(panel, GRAPH, -1, VAL_IMMEDIATE_DRAW);
    const QImage empty = plot(GRAPH)->grab().toImage();
    plot_horizontal(2000, VAL_TRANSPARENT);
    QApplication::processEvents();
    EXPECT_EQ(plot(GRAPH)->grab().toImage(), empty);
}

TEST_F(Graphs, AxesTakeManualRangesOrFollowThePlots)
{
    const QCPRange file_x = plot(GRAPH)->xAxis->range();
    EXPECT_EQ(file_x, QCPRange(0, 128)) << "the panel file's range";
    EXPECT_EQ(plot(GRAPH)->yAxis->range(), QCPRange(0, 4096));
    EXPECT_EQ(plot(CHART)->yAxis->range(), QCPRange(0, 4095)) << "a strip chart's default: 12-bit values";
    EXPECT_EQ(plot(CHART)->xAxis->range(), QCPRange(0, 99)) << "100 points per screen";
    EXPECT_EQ(plot(GRAPH)->xAxis->label(), "Sample");
    EXPECT_EQ(plot(GRAPH)->yAxis->label(), "Value");

    EXPECT_EQ(SetAxisScalingMode(panel, GRAPH, VAL_XAXIS, VAL_MANUAL, 10, 20), 0);
    EXPECT_EQ(plot(GRAPH)->xAxis->range(), QCPRange(10, 20));
    EXPECT_EQ(SetAxisScalingMode(panel, GRAPH, VAL_LEFT_YAXIS, VAL_MANUAL, 5, 5), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(SetAxisScalingMode(panel, GRAPH, 7, VAL_MANUAL, 0, 1), UIE_BAD_ATTRIBUTE);
    EXPECT_EQ(SetAxisScalingMode(panel, CHART, VAL_XAXIS, VAL_MANUAL, 0, 10), UIE_BAD_ATTRIBUTE)
        << "the strip chart's x axis is its points per screen";
    EXPECT_EQ(SetAxisScalingMode(panel, CHART, VAL_LEFT_YAXIS, VAL_MANUAL, 0, 65535), 0);
    EXPECT_EQ(plot(CHART)->yAxis->range(), QCPRange(0, 65535));
    SetCtrlAttribute(panel, CHART, ATTR_POINTS_PER_SCREEN, 101);
    EXPECT_EQ(plot(CHART)->xAxis->range(), QCPRange(0, 100));

    EXPECT_EQ(SetAxisScalingMode(panel, GRAPH, VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0, 0), 0);
    plot_horizontal(700, 0);
    plot_horizontal(900, 0);
    EXPECT_EQ(plot(GRAPH)->yAxis->range(), QCPRange(700, 900));
    EXPECT_EQ(plot(GRAPH)->xAxis->range(), QCPRange(10, 20)) << "the manual axis stays";
}

TEST_F(Graphs, PanelFileMustGiveSensiblePlotProperties)
{
    const std::vector<QByteArray> faults = {
        dynamic("plotKind", text("pie")),
        dynamic("plotYMin", number(0)),
        dynamic("plotYMin", number(10)) + dynamic("plotYMax", number(10)),
        dynamic("plotXMin", text("left")) + dynamic("plotXMax", number(10)),
        dynamic("plotKind", text("stripchart")) + dynamic("plotXMin", number(0)) + dynamic("plotXMax", number(1)),
    };
    int n = 0;
    for (const QByteArray& fault : faults) {
        const std::string name = "fault" + std::to_string(n++) + ".uir";
        EXPECT_EQ(files.load(name.c_str(), plot_widget("BAD", fault), {{1, "BAD"}}), UIE_BAD_FILE) << name;
    }

    const int plain = files.load("plain.uir", plot_widget("PLAIN", ""), {{1, "PLAIN"}});
    ASSERT_GT(plain, 0);
    std::vector<int> handles;
    EXPECT_EQ(GetGraphPlots(plain, 1, &handles), 0) << "a plot without a kind is a graph";
    auto* plain_plot = qobject_cast<QCustomPlot*>(ControlWidget(plain, 1));
    const double xs[] = {3, 4};
    const double ys[] = {-5, 50};
    PlotXY(plain, 1, xs, ys, 2, VAL_DOUBLE, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT, VAL_SOLID, 1, 0);
    EXPECT_EQ(plain_plot->xAxis->range(), QCPRange(3, 4)) << "without ranges, a graph follows its plots";
    EXPECT_EQ(plain_plot->yAxis->range(), QCPRange(-5, 50));
    EXPECT_FALSE(plain_plot->legend->visible());
    DiscardPanel(plain);
}

TEST_F(Graphs, GraphDataNamesEachPlotDrawnAgainstTheXAxis)
{
    const unsigned short xs[] = {0, 1, 2};
    const unsigned short data[] = {100, 4095, 0};
    const double limit[] = {2300.5, 2300.5};
    const int memory = PlotXY(panel, GRAPH, xs, data, 3, VAL_UNSIGNED_SHORT_INTEGER, VAL_UNSIGNED_SHORT_INTEGER,
                              VAL_FAT_LINE, VAL_NO_POINT, VAL_SOLID, 1, 0x0000FF);
    const double limit_x[] = {1, 2};
    const int trigger = PlotXY(panel, GRAPH, limit_x, limit, 2, VAL_DOUBLE, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT,
                               VAL_DASH, 1, 0x00FF00);
    const int hidden = plot_horizontal(7, VAL_TRANSPARENT);
    SetPlotAttribute(panel, GRAPH, memory, ATTR_PLOT_LG_TEXT, "Channel A");
    SetPlotAttribute(panel, GRAPH, trigger, ATTR_PLOT_LG_TEXT, "Trigger level");
    SetPlotAttribute(panel, GRAPH, hidden, ATTR_PLOT_LG_TEXT, "Placeholder");
    EXPECT_EQ(saved_csv(GRAPH),
              "Sample,Channel A,Trigger level\r\n"
              "0,100,\r\n"
              "1,4095,2300.5\r\n"
              "2,0,2300.5\r\n")
        << "transparent plots hold places or curves switched off, and are not saved";
}

TEST_F(Graphs, MenuAndKeysAreOfferedToScreenReaders)
{
    const std::vector<std::pair<int, QStringList>> menus = {
        {CHART, {kSavePicture, kSaveData, "", kFollow, kResetView, kAutoY}},
        {GRAPH, {kSavePicture, kSaveData, "", kResetView, kAutoY}},
    };
    for (const auto& [control, entries] : menus) {
        QMenu* menu = open_menu(control);
        ASSERT_TRUE(menu) << control;
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(menu);
        ASSERT_EQ(access->childCount(), entries.size()) << control;
        for (int k = 0; k < access->childCount(); ++k)
            EXPECT_EQ(access->child(k)->text(QAccessible::Name), entries[k]) << control;
        menu->hide();
        EXPECT_EQ(plot(control)->focusPolicy(), Qt::StrongFocus) << "the keys need the focus";
        EXPECT_TRUE(plot(control)->accessibleDescription().contains(QLatin1String("arrow keys pan")));
    }
    EXPECT_TRUE(plot(CHART)->accessibleDescription().contains(QLatin1String("End: Follow the newest samples")));
}

TEST_F(Graphs, PicturesAreSavedAsPngOrPdfAndStandAlone)
{
    show_only(CHART);
    plot(CHART)->resize(420, 310);
    const std::string png = file_in_temp("chart.png");
    const std::string pdf = file_in_temp("chart.PDF");
    ExpectedDialogs dialogs;
    dialogs.expect_file_dialog("Save Picture", {VAL_NEW_FILE_SELECTED, png});
    dialogs.expect_file_dialog("Save Picture", {VAL_NEW_FILE_SELECTED, pdf});
    choose(CHART, kSavePicture);
    choose(GRAPH, kSavePicture);
    dialogs.check_all_shown();

    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.width(), 420);
    EXPECT_GT(image.height(), 310) << "the plot's own height, and the title and legend";
    const std::string content = content_of(pdf);
    EXPECT_EQ(content.substr(0, 5), "%PDF-");
    EXPECT_GT(content.size(), 1000u);

    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].type_list, "*.png;*.pdf");
    EXPECT_TRUE(dialogs.shown[0].save);
    EXPECT_FALSE(dialogs.shown[0].directory.empty());

    // A picture stands alone: what, when, from where, the axes and the lines shown.
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 2), 0);
    name_traces({"Channel A", "Hidden trace"});
    SetTraceAttribute(panel, CHART, 2, ATTR_TRACE_VISIBLE, 0);
    ASSERT_EQ(SetChartPictureNote(panel, CHART, "Line: TCP 127.0.0.1:10001, controller: TELVAR-K20 SIM V1.00"), 0);
    const QDateTime ten(QDate(2026, 12, 8), QTime(10, 0));
    for (int n = 0; n < 101; ++n) {
        SetStripChartSampleTime(panel, CHART, ten.addMSecs(n * 500).toMSecsSinceEpoch() / 1000.0);
        feed_live_samples(1);
    }
    const std::string alone = file_in_temp("alone.pdf");
    dialogs.expect_file_dialog("Save Picture", {VAL_NEW_FILE_SELECTED, alone});
    choose(CHART, kSavePicture);
    const PdfReading reading = read_pdf(QString::fromStdString(alone));
    ASSERT_TRUE(reading.read);
    for (const char* part : {"CHART, 2026-12-08 10:00:00.000 to 10:00:50.000",
                             "Line: TCP 127.0.0.1:10001, controller: TELVAR-K20 SIM V1.00", "Sample", "Value",
                             "Channel A"})
        EXPECT_NE(reading.text.find(part), std::string::npos) << part << " in " << reading.text;
    EXPECT_EQ(reading.text.find("Hidden trace"), std::string::npos) << "only the lines shown";
    EXPECT_EQ(plot(CHART)->plotLayout()->elementCount(), 1) << "the window's chart as it was";
    EXPECT_EQ(plot(CHART)->xAxis->label(), "");
    EXPECT_EQ(SetChartPictureNote(panel, CHART, nullptr), UIE_BAD_ATTRIBUTE);
}

TEST_F(Graphs, CancelledDialogWritesNothingAndFailuresAreSaid)
{
    const std::string csv = file_in_temp("kept.csv");
    ASSERT_EQ(SaveFileAtomically(csv, "old data\r\n"), FILE_OK);
    const std::string nowhere = file_in_temp("missing/chart.png");
    ExpectedDialogs dialogs;
    dialogs.expect_file_dialog("Save Data", {VAL_NO_FILE_SELECTED, {}});
    dialogs.expect_file_dialog("Save Picture", {VAL_NO_FILE_SELECTED, {}});
    dialogs.expect_file_dialog("Save Data", {VAL_EXISTING_FILE_SELECTED, csv});
    dialogs.expect_message("ERROR", "The data could not be saved to " + csv + ".");
    dialogs.expect_file_dialog("Save Picture", {VAL_NEW_FILE_SELECTED, nowhere});
    dialogs.expect_message("ERROR", "The picture could not be saved to " + nowhere + ".");
    dialogs.expect_file_dialog("Save Data", {VAL_NEW_FILE_SELECTED, file_in_temp(std::string(300, 'x').c_str())});
    dialogs.expect_message("ERROR", "The file name is too long.");

    choose(CHART, kSaveData);
    choose(GRAPH, kSavePicture);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"kept.csv"});
    FailFileWrites(true);  // as a full device would
    choose(CHART, kSaveData);
    FailFileWrites(false);
    choose(CHART, kSavePicture);
    choose(GRAPH, kSaveData);
    dialogs.check_all_shown();

    EXPECT_EQ(content_of(csv), "old data\r\n") << "a failed save leaves the old file whole";
}

TEST_F(Graphs, MovingTheStripChartBackLooksOverItsHourAndEndFollowsAgain)
{
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 2), 0);
    show_only(CHART);
    feed_live_samples(300);
    EXPECT_TRUE(on_screen());
    press(CHART, Qt::Key_Left);
    EXPECT_EQ(x_range(CHART), QCPRange(-10, 90));
    EXPECT_TRUE(looking_back()) << "the x axis says what it shows";
    // The screen's point k was sample 199 + k: the ring's samples line up with it.
    expect_drawn_samples_from(-199);
    EXPECT_LT(plot(CHART)->graph(0)->data()->begin()->key, -10) << "drawn up to the left edge";

    feed_live_samples(5);
    EXPECT_EQ(x_range(CHART), QCPRange(-10, 90)) << "looking back, new samples leave the view where it is";
    expect_drawn_samples_from(-199);
    for (int k = 0; k < 12; ++k)
        press(CHART, Qt::Key_Minus);
    EXPECT_EQ(x_range(CHART), QCPRange(-199, 105)) << "zoomed out over every sample kept, and no further";
    expect_drawn_samples_from(-199);
    EXPECT_EQ(plot(CHART)->graph(0)->data()->begin()->key, -199) << "the first sample kept";
    EXPECT_EQ(plot(CHART)->graph(1)->data()->size(), 305) << "the other traces too";
    EXPECT_TRUE(following_off_screen()) << "the view reaches the newest sample: it follows at its width";
    feed_live_samples(2);
    EXPECT_EQ(x_range(CHART), QCPRange(-197, 107));
    EXPECT_EQ((plot(CHART)->graph(0)->data()->end() - 1)->value, 306) << "the newest sample at the right";

    auto* follow = plot(CHART)->findChild<QPushButton*>();
    ASSERT_TRUE(follow);
    EXPECT_FALSE(follow->isVisible());
    press(CHART, Qt::Key_Plus);
    EXPECT_TRUE(looking_back()) << "zoomed in about the middle: off the newest sample";
    const double chosen = x_range(CHART).size();
    EXPECT_TRUE(follow->isVisible()) << "looking back, the chart offers to follow";
    EXPECT_EQ(follow->accessibleName(), kFollow);
    QTest::mouseClick(follow, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(following_off_screen());
    EXPECT_FALSE(follow->isVisible());
    EXPECT_NEAR(x_range(CHART).size(), chosen, 1e-9) << "Follow keeps the width the operator chose";
    EXPECT_EQ(x_range(CHART).upper, 107);
    press(CHART, Qt::Key_Home);
    EXPECT_TRUE(on_screen());
    EXPECT_EQ(x_range(CHART), QCPRange(0, 100));
    EXPECT_EQ((plot(CHART)->graph(0)->data()->end() - 1)->value, 306) << "the newest sample at the right";
    const QString saved_description = plot(CHART)->accessibleDescription();

    // Zoomed in with the pointer at the newest sample, the chart follows at that width.
    const QRect axes = plot(CHART)->axisRect()->rect();
    const QPoint edge(axes.right(), axes.center().y());
    QWheelEvent wheel(edge, plot(CHART)->mapToGlobal(edge), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot(CHART), &wheel);
    QApplication::processEvents();
    const double zoomed = x_range(CHART).size();
    EXPECT_LT(zoomed, 90);
    EXPECT_TRUE(following_off_screen());
    EXPECT_TRUE(plot(CHART)->accessibleDescription().contains(QLatin1String("following")));
    feed_live_samples(3);
    EXPECT_NEAR(x_range(CHART).size(), zoomed, 1e-9);
    EXPECT_EQ((plot(CHART)->graph(0)->data()->end() - 1)->value, 309);
    EXPECT_EQ(x_range(CHART).upper, (plot(CHART)->graph(0)->data()->end() - 1)->key) << "the newest at the right edge";
    press(CHART, Qt::Key_End);
    EXPECT_NEAR(x_range(CHART).size(), zoomed, 1e-9) << "End keeps the width too";
    press(CHART, Qt::Key_Home);

    // Panning back up to the newest sample at the screen's width shows the
    // screen again, as End does; a drag once it lets go.
    press(CHART, Qt::Key_Left);
    EXPECT_TRUE(plot(CHART)->accessibleDescription().contains(QLatin1String("looking back")));
    press(CHART, Qt::Key_Right);
    EXPECT_TRUE(on_screen());
    EXPECT_EQ(plot(CHART)->accessibleDescription(), saved_description);
    press(CHART, Qt::Key_Left);
    press(CHART, Qt::Key_End);
    EXPECT_TRUE(on_screen());
    const QPoint middle = axes.center();
    mouse(QEvent::MouseButtonPress, middle);
    mouse(QEvent::MouseMove, middle + QPoint(60, 0));
    EXPECT_TRUE(looking_back()) << "a drag pans back";
    mouse(QEvent::MouseMove, middle);
    EXPECT_FALSE(on_screen()) << "still held";
    mouse(QEvent::MouseButtonRelease, middle);
    EXPECT_TRUE(on_screen());
    feed_live_samples(1);
    EXPECT_EQ((plot(CHART)->graph(0)->data()->end() - 1)->value, 310);
}

TEST_F(Graphs, BreaksInTheRecordAreGapsAndLookingBackTheAxisTellsTheTimeOfDay)
{
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_NUM_TRACES, 2), 0);
    show_only(CHART);
    // Two samples a second from 10:00; before sample 150 the line waited a minute.
    const QDateTime ten(QDate(2026, 12, 8), QTime(10, 0));
    for (int n = 0; n < 300; ++n) {
        if (n == 150 || n == 280) {
            ASSERT_EQ(MarkStripChartGap(panel, CHART), 0);
        }
        const QDateTime at = ten.addMSecs(n * 500 + (n >= 150 ? 60000 : 0));
        ASSERT_EQ(SetStripChartSampleTime(panel, CHART, at.toMSecsSinceEpoch() / 1000.0), 0);
        feed_live_samples(1);
    }
    const auto breaks = [this] {
        std::vector<double> keys;
        for (const QCPGraphData& point : *plot(CHART)->graph(1)->data())
            if (std::isnan(point.value))
                keys.push_back(point.key);
        return keys;
    };
    const auto marked = [this](double x) {
        const QImage image = plot(CHART)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int column = qRound(plot(CHART)->xAxis->coordToPixel(x));
        int grey = 0;
        for (int y = 0; y < image.height(); ++y)
            grey += (image.pixel(column, y) & 0xFFFFFF) == 0x707070;
        return grey;
    };
    // The screen shows samples 199 to 299: the line breaks before sample 280, and a mark stands there.
    EXPECT_EQ(breaks(), std::vector<double>{80.5});
    EXPECT_GT(marked(80.5), 20) << "a dotted grey line across the axes";
    EXPECT_EQ(marked(70.5), 0);

    for (int k = 0; k < 12; ++k)
        press(CHART, Qt::Key_Minus);
    EXPECT_EQ(x_range(CHART), QCPRange(-199, 100));
    EXPECT_EQ(breaks(), (std::vector<double>{-49.5, 80.5}));
    EXPECT_GT(marked(-49.5), 20);
    // Ticks at round minutes, each on the first sample taken then or later and
    // labelled with its time: 10:02 falls in the wait, so its tick stands on
    // the first sample after it (150, taken at 10:02:15).
    EXPECT_EQ(plot(CHART)->xAxis->tickVector(), (QVector<double>{-199, -79, -49, 41}));
    EXPECT_EQ(plot(CHART)->xAxis->tickVectorLabels(), (QVector<QString>{"10:00", "10:01", "10:02", "10:03"}));
    EXPECT_TRUE(plot(CHART)->accessibleDescription().contains(QLatin1String("Time of day")));

    EXPECT_EQ(MarkStripChartGap(panel, GRAPH), UIE_BAD_CONTROL);
    EXPECT_EQ(SetStripChartSampleTime(panel, GRAPH, 0), UIE_BAD_CONTROL);
}

TEST_F(Graphs, ResetViewReturnsToTheDefaultRangesWhichTheProgramKeepsSetting)
{
    show_only(GRAPH);
    plot_horizontal(1000, 0x0000FF);
    plot_horizontal(3000, 0x00C000);
    choose(GRAPH, kAutoY);
    const QCPRange fitted = plot(GRAPH)->yAxis->range();
    EXPECT_LT(fitted.lower, 1000);
    EXPECT_GT(fitted.lower, 800);
    EXPECT_GT(fitted.upper, 3000);
    EXPECT_LT(fitted.upper, 3200);

    press(GRAPH, Qt::Key_Plus);
    press(GRAPH, Qt::Key_Left);
    const QCPRange zoomed = x_range(GRAPH);
    EXPECT_LT(zoomed.size(), 128);
    // Every pass of DATA sets the axes again: the operator's view stays.
    EXPECT_EQ(SetAxisScalingMode(panel, GRAPH, VAL_XAXIS, VAL_MANUAL, 0, 128), 0);
    EXPECT_EQ(SetAxisScalingMode(panel, GRAPH, VAL_LEFT_YAXIS, VAL_MANUAL, 0, 4096), 0);
    EXPECT_EQ(x_range(GRAPH), zoomed);
    EXPECT_NE(plot(GRAPH)->yAxis->range(), QCPRange(0, 4096));

    const auto zoom_then = [this](const std::function<void()>& reset) {
        press(GRAPH, Qt::Key_Minus);
        press(GRAPH, Qt::Key_Up);
        reset();
        QApplication::processEvents();
        EXPECT_EQ(x_range(GRAPH), QCPRange(0, 128));
        EXPECT_EQ(plot(GRAPH)->yAxis->range(), QCPRange(0, 4096));
    };
    zoom_then([this] { press(GRAPH, Qt::Key_Home); });
    zoom_then([this] { press(GRAPH, Qt::Key_0); });
    zoom_then([this] { choose(GRAPH, kResetView); });
    zoom_then([this] { QTest::mouseDClick(plot(GRAPH), Qt::LeftButton, {}, plot(GRAPH)->axisRect()->rect().center()); });

    // The strip chart's y axis moves without leaving the newest samples;
    // a reset also ends looking back, on the live display's 101 points.
    show_only(CHART);
    feed_live_samples(150);
    press(CHART, Qt::Key_Up);
    EXPECT_TRUE(on_screen());
    EXPECT_NE(plot(CHART)->yAxis->range(), QCPRange(0, 4095));
    press(CHART, Qt::Key_Minus);
    EXPECT_FALSE(on_screen());
    press(CHART, Qt::Key_Home);
    EXPECT_TRUE(on_screen());
    EXPECT_EQ(x_range(CHART), QCPRange(0, 100));
    EXPECT_EQ(plot(CHART)->yAxis->range(), QCPRange(0, 4095));
}

TEST_F(Graphs, StripChartLooksBackOverAnHourAtTheControllersRateAndNoFurther)
{
    // 26.7 samples a second for an hour, and more: the oldest are dropped.
    constexpr int kHour = 96000;
    constexpr int kFed = kHour + 5000;
    ASSERT_EQ(SetCtrlAttribute(panel, CHART, ATTR_REFRESH_GRAPH, 0), 0);
    show_only(CHART);
    for (int n = 0; n < kFed; ++n) {
        const double sample = n;
        ASSERT_EQ(PlotStripChart(panel, CHART, &sample, 1, 0, 0, VAL_DOUBLE), 0);
    }
    QApplication::processEvents();
    for (int k = 0; k < 40; ++k)
        press(CHART, Qt::Key_Minus);
    const QSharedPointer<QCPGraphDataContainer> drawn = plot(CHART)->graph(0)->data();
    ASSERT_FALSE(drawn->isEmpty());
    const double oldest = drawn->begin()->value;
    EXPECT_EQ((drawn->end() - 1)->value, kFed - 1) << "the newest at the right";
    EXPECT_GE(kFed - oldest, kHour) << "an hour kept";
    EXPECT_GT(oldest, 0) << "bounded: the oldest dropped";
    EXPECT_NEAR(x_range(CHART).size(), kFed - 1 - oldest, 1) << "zoomed out over the samples kept";
}

TEST_F(Graphs, AMarkerDrawsItsStepsEdgeLabelledAndNothingOnTheAxes)
{
    show_only(GRAPH);
    std::vector<double> xs(128);
    std::vector<double> ys(128);
    for (int k = 0; k < 128; ++k) {
        xs[k] = k;
        ys[k] = k < 40 ? 0 : 4095;
    }
    const int step = PlotXY(panel, GRAPH, xs.data(), ys.data(), 128, VAL_DOUBLE, VAL_DOUBLE, VAL_THIN_LINE, VAL_NO_POINT,
                            VAL_SOLID, 1, 0x0000FF);
    ASSERT_EQ(SetPlotAttribute(panel, GRAPH, step, ATTR_PLOT_EDGE_TEXT, "trigger"), 0);
    std::string text;
    EXPECT_EQ(GetPlotAttribute(panel, GRAPH, step, ATTR_PLOT_EDGE_TEXT, &text), 0);
    EXPECT_EQ(text, "trigger");
    EXPECT_EQ(SetPlotAttribute(panel, GRAPH, step + 1, ATTR_PLOT_EDGE_TEXT, "trigger"), UIE_BAD_ATTRIBUTE);

    QApplication::processEvents();
    const QImage image = plot(GRAPH)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QCPAxis* x = plot(GRAPH)->xAxis;
    const QRect axes = plot(GRAPH)->axisRect()->rect();
    // The plot's colour, also as the text's smoothed edges blend it.
    const auto blue_in = [&image](const QRect& area) {
        int count = 0;
        for (int py = area.top(); py <= area.bottom(); ++py)
            for (int px = area.left(); px <= area.right(); ++px) {
                const QColor c(image.pixel(px, py));
                count += c.blue() > 2 * std::max(c.red(), c.green()) + 40;
            }
        return count;
    };
    const int edge = qRound(x->coordToPixel(40));
    EXPECT_GT(blue_in(QRect(edge - 1, axes.center().y() - 20, 3, 40)), 20) << "the edge at the step";
    EXPECT_GT(blue_in(QRect(edge + 2, axes.top(), 60, 30)), 20) << "its label beside its top end";
    EXPECT_EQ(blue_in(QRect(axes.left(), axes.top(), edge - 2 - axes.left(), axes.height())), 0)
        << "nothing along the bottom axis before the step";
    EXPECT_EQ(blue_in(QRect(edge + 70, axes.top(), axes.right() - edge - 70, axes.height())), 0)
        << "nothing along the top border after it";

    plot_horizontal(2000, 0x00C000);
    choose(GRAPH, kAutoY);
    EXPECT_GT(plot(GRAPH)->yAxis->range().lower, 1500) << "a marker plays no part in the y range fitted";
}

}  // namespace
}  // namespace telvar::test
