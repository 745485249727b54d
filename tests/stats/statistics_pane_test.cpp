// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics pane over the chart's history: the figures of the window
// chosen, with the limits of each channel's own traces, a reason where a
// figure has none, the histogram's limit lines, and the figures copied and
// exported.
#include "support/dialogs.h"
#include "support/link_fixture.h"

#include "platform/graph.h"
#include "platform/qt_access.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "scope/acquisition.h"
#include "scope/live_sample.h"
#include "scope/traces.h"
#include "stats/gauge_study_dialog.h"
#include "stats/statistics_pane.h"
#include "link/command.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <array>

namespace telvar::test {
namespace {

class StatisticsPane : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        setup_strip_chart();
        setup_statistics_pane();
        show_statistics_pane(true);
        // As the operator left it in an earlier test: the last 1000 samples.
        choose(STATS_WINDOW, 0);
        choose(STATS_COUNT, 1000);
        CallCtrlCallback(panelSTATS, STATS_RESET, EVENT_COMMIT, 0, 0);
    }
    void TearDown() override
    {
        show_statistics_pane(false);
        LinkTest::TearDown();
    }

    // Channel A climbs by one from `a` within its limits 2 and 9; channel B
    // stays at 100; the evaluation's limits are the wrong way round.
    static void push(int count, double a = 1)
    {
        std::array<double, TRACES> sample{};
        for (int k = 0; k < count; ++k) {
            sample[TRACE_A - 1] = a + k;
            sample[TRACE_A_LOWER - 1] = 2;
            sample[TRACE_A_UPPER - 1] = 9;
            sample[TRACE_A_REFERENCE - 1] = 5;
            sample[TRACE_B - 1] = 100;
            sample[TRACE_B_LOWER - 1] = 50;
            sample[TRACE_B_UPPER - 1] = 150;
            sample[TRACE_EVAL - 1] = 7;
            sample[TRACE_EVAL_LOWER - 1] = 10;
            sample[TRACE_EVAL_UPPER - 1] = 4;
            strip_history().push(sample, 1.0e9 + k);
        }
        refresh_statistics();
    }
    static QVariant cell(const char* figure, int column, int role = Qt::DisplayRole)
    {
        const QAbstractItemModel* model = static_cast<QTableView*>(ControlWidget(panelSTATS, STATS_TABLE))->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 0).data().toString() == QLatin1String(figure))
                return model->index(row, column).data(role);
        ADD_FAILURE() << "no row " << figure;
        return {};
    }
    static void choose(int control, int value)
    {
        SetCtrlVal(panelSTATS, control, value);
        CallCtrlCallback(panelSTATS, control, EVENT_COMMIT, 0, 0);
    }
};

TEST_F(StatisticsPane, FiguresFollowTheWindowChosenWithEachChannelsOwnLimits)
{
    push(40);
    EXPECT_EQ(cell("n", 1).toString(), "40");
    EXPECT_EQ(cell("Mean", 1).toString(), "20.500");
    EXPECT_EQ(cell("Lower", 1).toString(), "2");
    EXPECT_EQ(cell("Upper", 1).toString(), "9");
    EXPECT_EQ(cell("Outside", 1).toString(), "32") << "1 below 2, 31 above 9";
    EXPECT_EQ(cell("Lower", 2).toString(), "50");

    choose(STATS_COUNT, 25);
    EXPECT_EQ(cell("n", 1).toString(), "25");
    EXPECT_EQ(cell("Mean", 1).toString(), "28.000") << "the last 25: 16 to 40";

    CallCtrlCallback(panelSTATS, STATS_RESET, EVENT_COMMIT, 0, 0);
    choose(STATS_WINDOW, 1);
    push(4, 3);
    EXPECT_EQ(cell("n", 1).toString(), "4") << "since the reset";
    EXPECT_EQ(cell("Mean", 1).toString(), "4.500");
}

// No spread, limits the wrong way round: "–", and why, to the eye and to a
// screen reader.
TEST_F(StatisticsPane, AFigureWithoutMeaningSaysWhy)
{
    push(30);
    EXPECT_EQ(cell("Cp", 2).toString(), "–");
    EXPECT_FALSE(cell("Cp", 2, Qt::ToolTipRole).toString().isEmpty());
    EXPECT_EQ(cell("Cp", 2, Qt::ToolTipRole), cell("Cp", 2, Qt::AccessibleDescriptionRole));
    EXPECT_EQ(cell("Cpk", 3).toString(), "–");
    EXPECT_NE(cell("Cpk", 3, Qt::ToolTipRole).toString(), cell("Cpk", 2, Qt::ToolTipRole).toString());
    EXPECT_TRUE(cell("Cp", 1, Qt::ToolTipRole).isNull()) << "a figure with a value needs no note";
}

TEST_F(StatisticsPane, TheHistogramMarksTheLimitsWithTheSharesBeyondThem)
{
    push(10);  // 1 to 10: one below 2, one above 9
    std::vector<int> plots;
    GetGraphPlots(panelSTATS, STATS_HISTOGRAM, &plots);
    std::vector<std::string> marks;
    for (int plot : plots) {
        std::string text;
        GetPlotAttribute(panelSTATS, STATS_HISTOGRAM, plot, ATTR_PLOT_EDGE_TEXT, &text);
        if (!text.empty())
            marks.push_back(text);
    }
    EXPECT_EQ(marks, (std::vector<std::string>{"below 10.0 %", "above 10.0 %", "reference"}));
}

TEST_F(StatisticsPane, TheFiguresAreCopiedAndExportedAsShown)
{
    push(40);
    CallCtrlCallback(panelSTATS, STATS_COPY, EVENT_COMMIT, 0, 0);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("Last 40 samples\tChannel A\tChannel B\tEvaluation\n")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("\nMean\t20.500\t100.000\t7.000\n")) << copied.toStdString();

    QTemporaryDir dir;
    const QString file = dir.filePath("figures.csv");
    ExpectedDialogs dialogs;
    dialogs.expect_file_dialog("Export Statistics", ModalAnswer{VAL_NEW_FILE_SELECTED, file.toStdString()});
    CallCtrlCallback(panelSTATS, STATS_EXPORT, EVENT_COMMIT, 0, 0);
    dialogs.check_all_shown();
    QFile exported(file);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(exported.readAll());
    EXPECT_TRUE(csv.startsWith("Last 40 samples,Channel A,Channel B,Evaluation\r\n")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\nWhy no value,")) << csv.toStdString();
}

// Every text of the statistics, marked, as a translation would change it.
class MarkingTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QLatin1String ours[] = {QLatin1String("Statistics"), QLatin1String("GaugeStudy")};
        if (std::find(std::begin(ours), std::end(ours), QLatin1String(context)) == std::end(ours))
            return {};
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};

// The operator reads the pane, the copied text and the report in the
// window's words; the CSV file stays English for the program that reads it.
TEST_F(StatisticsPane, InAnotherLanguageTheFileStaysEnglish)
{
    push(40);
    QTemporaryDir dir;
    const auto exported = [&](const char* title, const QString& file) {
        ExpectedDialogs dialogs;
        dialogs.expect_file_dialog(title, ModalAnswer{VAL_NEW_FILE_SELECTED, file.toStdString()});
        CallCtrlCallback(panelSTATS, STATS_EXPORT, EVENT_COMMIT, 0, 0);
        dialogs.check_all_shown();
        QFile csv(file);
        return csv.open(QIODevice::ReadOnly) ? csv.readAll() : QByteArray();
    };
    const QByteArray english = exported("Export Statistics", dir.filePath("en.csv"));
    ASSERT_FALSE(english.isEmpty());

    struct BackToEnglish {
        ~BackToEnglish() { install_language("en"); }
    } back_to_english;
    ASSERT_EQ(install_language("de"), "de");
    MarkingTranslator marking;  // removes itself when it goes
    QCoreApplication::installTranslator(&marking);
    EXPECT_EQ(exported("[Export Statistics]", dir.filePath("de.csv")), english);
    CallCtrlCallback(panelSTATS, STATS_COPY, EVENT_COMMIT, 0, 0);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith("[Last 40 samples]\t[Channel A]\t[Channel B]\t[Evaluation]\n"))
        << copied.toStdString();
    EXPECT_TRUE(copied.contains("\n[Mean]\t20.500\t100.000\t7.000\n")) << copied.toStdString();
    EXPECT_TRUE(copied.endsWith("\n[Why no value]\t\t[no spread: every value is the same]\t"
                                "[no spread: every value is the same]; [the lower limit is not below the upper]\n"))
        << copied.toStdString();
    EXPECT_EQ(cell("[Mean]", 1).toString(), "20.500");
    EXPECT_EQ(cell("[Cp]", 3, Qt::ToolTipRole).toString(),
              "[no spread: every value is the same]; [the lower limit is not below the upper]");
    EXPECT_NE(statistics_report_appendix().find(">[Statistics]</h1>\n<p>[Last 40 samples]</p>"), std::string::npos);
}

// The readings are the samples RUN brings after the start; a run that ends
// before they are all there ends the study without a result.
TEST_F(StatisticsPane, AGaugeStudyTakesTheNextSamplesAndGoesIntoTheReport)
{
    lower_stop_flag();  // as while RUN runs
    CallCtrlCallback(panelSTATS, STATS_GAUGE, EVENT_COMMIT, 0, 0);
    SetCtrlVal(panelGAUGE, GAUGE_REFERENCE, 5);
    SetCtrlVal(panelGAUGE, GAUGE_TOLERANCE, 600);
    SetCtrlVal(panelGAUGE, GAUGE_READINGS, 25);
    push(3);
    CallCtrlCallback(panelGAUGE, GAUGE_START, EVENT_COMMIT, 0, 0);
    push(30);  // 1 to 30: the readings are the first 25, mean 13, s 7.36
    char state[200] = "";
    ASSERT_TRUE(QTest::qWaitFor([&] {
        GetCtrlVal(panelGAUGE, GAUGE_STATE, state);
        return std::string(state).rfind("Cg ", 0) == 0;
    }, 2000)) << state;
    EXPECT_STREQ(state, "Cg 2.72, Cgk 2.36: capable (both at least 1.33 is capable)");
    ASSERT_TRUE(last_gauge_study());
    EXPECT_EQ(last_gauge_study()->readings.size(), 25u);
    EXPECT_EQ(last_gauge_study()->readings.front(), 1);
    const std::string report = statistics_report_appendix();
    EXPECT_NE(report.find(">Statistics</h1>"), std::string::npos);
    EXPECT_NE(report.find(">Gauge study (type 1)</h1>"), std::string::npos);
    EXPECT_NE(report.find("Cg 2.72, Cgk 2.36: capable"), std::string::npos);

    CallCtrlCallback(panelGAUGE, GAUGE_START, EVENT_COMMIT, 0, 0);
    push(5);
    raise_stop_flag();  // STOP
    ASSERT_TRUE(QTest::qWaitFor([&] {
        GetCtrlVal(panelGAUGE, GAUGE_STATE, state);
        return std::string(state).rfind("Stopped", 0) == 0;
    }, 2000)) << state;
    EXPECT_STREQ(state, "Stopped after 5 of 25 readings: RUN ended. Take the readings again.");
    CallCtrlCallback(panelGAUGE, GAUGE_CLOSE, EVENT_COMMIT, 0, 0);
}

}  // namespace
}  // namespace telvar::test
