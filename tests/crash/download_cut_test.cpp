// SPDX-License-Identifier: GPL-3.0-or-later
// A firmware download whose line is cut at a random moment: the simulator
// killed (SIGKILL) or switched off (SIGHUP) while the tool enters the boot
// loader, waits for its prompt, sends the image or waits for the start. The
// download ends within its own time limits and leaves no port behind; once
// the simulator runs again the line comes back by itself, and the next
// download brings the whole image across.
#include "crash/rounds.h"
#include "support/link_fixture.h"
#include "support/simulator.h"
#include "tests/sim/srecords.h"

#include "firmware/download.h"
#include "link/com232.h"
#include "link/line_table.h"
#include "link/line_watch.h"
#include "link/reconnect.h"
#include "link/serial_line.h"
#include "platform/events.h"
#include "platform/rs232.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace telvar::test {
namespace {

// Long enough that a cut often meets the lines going out.
constexpr int kImageRecords = 1500;

// Once the line is cut nothing more can come: the download sits out at most
// the answer waits of its entry request (or of the line check when it
// reopens the line), the prompt wait, one line's drain wait and the
// start-message wait. Seconds of the tool's clock.
constexpr double kEndBound = EXCHANGE_ATTEMPTS * ANSWER_TIMEOUT + PROMPT_WAIT + LINE_DRAIN_WAIT + START_MESSAGE_WAIT;

// How the line comes back by itself: the port list looked at once more, then
// the opening's line check and version query, each with every attempt.
constexpr double kBackBound = 2 * SERIAL_RECONNECT_INTERVAL + 2 * EXCHANGE_ATTEMPTS * ANSWER_TIMEOUT;

const char* outcome_name(DownloadOutcome outcome)
{
    switch (outcome) {
    case DownloadOutcome::NotEntered: return "not entered";
    case DownloadOutcome::NoPrompt: return "no prompt";
    case DownloadOutcome::Stopped: return "stopped";
    case DownloadOutcome::Cut: return "cut";
    case DownloadOutcome::Sent: return "sent, no start";
    case DownloadOutcome::Started: return "started";
    }
    return "?";
}

// When a download's steps happened, in seconds of the tool's clock from its start.
struct Timeline {
    double prompt = -1.0;
    double lines_sent = -1.0;
    double end = 0.0;
    std::string log;
};

class DownloadCut : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        image_path = QDir(dir.path()).filePath(QStringLiteral("firmware.S")).toStdString();
        received = QDir(dir.path()).filePath(QStringLiteral("received.S"));
        QFile image(QString::fromStdString(image_path));
        ASSERT_TRUE(image.open(QIODevice::WriteOnly));
        image.write(QByteArray::fromStdString(sim::test::firmware_image(kImageRecords)));
        image.close();
        std::string error;
        ASSERT_TRUE(read_image(image_path, &lines, &error)) << error;
        // As in the tool: a lost line is waited for and opened again.
        setup_reconnect();
        set_line_observer("cut", [this](const LineState& state) { line = state.condition; });
    }
    void TearDown() override
    {
        set_line_observer("cut", nullptr);
        set_line_observer("reconnect", nullptr);
        LinkTest::TearDown();
    }

    Timeline download(DownloadOutcome* outcome)
    {
        Timeline timeline;
        const double start = Timer();
        const DownloadView view{
            [&](const std::string& text) {
                timeline.log = text;
                if (timeline.prompt < 0 && text.find(BOOTLOADER_PROMPT) != std::string::npos)
                    timeline.prompt = Timer() - start;
            },
            [&](const std::string& text) { timeline.log += text; },
            [&](int percent) {
                if (percent == 100)
                    timeline.lines_sent = Timer() - start;
            },
        };
        *outcome = download_image(lines, view);
        timeline.end = Timer() - start;
        return timeline;
    }

    // Events for up to `seconds` of real time, until the condition holds.
    static bool wait_for(const std::function<bool()>& condition, double seconds)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > seconds * 1000)
                return false;
            pump(20);
        }
        return true;
    }
    std::string image() const
    {
        QFile file(QString::fromStdString(image_path));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }
    std::string image_received() const
    {
        QFile file(received);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<none>");
    }
    // A whole download, from the entry to the start reported, of the whole image.
    void expect_whole_download(Timeline* timeline = nullptr)
    {
        QFile::remove(received);
        DownloadOutcome outcome{};
        const Timeline done = download(&outcome);
        EXPECT_EQ(outcome, DownloadOutcome::Started) << outcome_name(outcome) << ", log: " << done.log;
        EXPECT_NE(done.log.find("Firmwareupdate was successful!"), std::string::npos) << done.log;
        EXPECT_EQ(image_received(), image());
        EXPECT_EQ(rs232con, 1) << "the protocol line again";
        if (timeline)
            *timeline = done;
    }

    QTemporaryDir dir;
    std::string image_path;
    QString received;
    std::vector<std::string> lines;
    LineCondition line = LineCondition::Closed;
};

TEST_F(DownloadCut, EndsWithinItsTimeLimitsAndTheNextDownloadGoesThrough)
{
    crash::Moments moments("download cut");
    Simulator sim({"--image-out", received});
    ASSERT_TRUE(sim.ready());
    choose_protocol(0);
    choose_com_port(sim.com_port());
    InitRS232(1);
    ASSERT_EQ(rs232con, 1);
    Timeline whole;
    expect_whole_download(&whole);
    ASSERT_GT(whole.lines_sent, 0.0);
    std::printf("whole download: prompt after %.2f s, every line out after %.2f s, ended after %.2f s\n", whole.prompt,
                whole.lines_sent, whole.end);
    // Cuts fall anywhere up to a little into the wait for the start.
    const double latest_cut = whole.lines_sent + (whole.end - whole.lines_sent) / 4;

    std::map<std::string, int> outcomes;
    std::map<std::string, int> phases;
    double longest_end = 0.0;
    double longest_real = 0.0;
    int late_cuts = 0;
    for (int round = 1; round <= crash::download_cuts(); ++round) {
        const double delay = moments.between(0.0, latest_cut);
        const int signal = round % 2 ? SIGKILL : SIGHUP;
        const std::string round_text = "cut " + std::to_string(round) + " by " + (signal == SIGKILL ? "SIGKILL" : "SIGHUP")
                                       + " after " + std::to_string(delay) + " s";
        std::printf("%s\n", round_text.c_str());
        std::fflush(stdout);

        // The cut: the simulator gone, and from then on the waits, which
        // cannot end in an answer any more, pass faster.
        std::optional<FastClock> fast;
        double cut_at = -1.0;
        QElapsedTimer since_cut;
        const auto cut = [&] {
            cut_at = Timer();
            since_cut.start();
            sim.stop(signal);
            fast.emplace();
        };
        QTimer cutter;
        cutter.setSingleShot(true);
        cutter.setTimerType(Qt::PreciseTimer);
        QObject::connect(&cutter, &QTimer::timeout, cut);
        const double started = Timer();
        cutter.start(static_cast<int>(delay * 1000));
        DownloadOutcome outcome{};
        const Timeline timeline = download(&outcome);
        if (cutter.isActive()) {
            // The download was quicker this time: the line is cut after it.
            cutter.stop();
            cut();
            ++late_cuts;
        } else {
            const double ended = timeline.end - (cut_at - started);
            EXPECT_LE(ended, kEndBound) << round_text << ": the download ended " << ended << " s after the cut";
            longest_end = std::max(longest_end, ended);
            longest_real = std::max(longest_real, since_cut.elapsed() / 1000.0);
            ++outcomes[outcome_name(outcome)];
            const double at = cut_at - started;
            ++phases[timeline.prompt < 0 || at < timeline.prompt ? "before the prompt"
                     : timeline.lines_sent < 0 || at < timeline.lines_sent ? "while the lines went out"
                                                                           : "waiting for the start"];
        }

        // The lost line noticed, the port closed, no line claimed open.
        ASSERT_TRUE(wait_for([] { return GetInQLen(comport) == kRS_PortNotOpen; }, 3.0)) << round_text;
        EXPECT_EQ(rs232con, 0) << round_text;
        EXPECT_NE(line, LineCondition::Open) << round_text;
        EXPECT_TRUE(reconnect_waiting()) << round_text << ": the lost line is not waited for";
        fast.reset();

        ASSERT_TRUE(sim.start_again()) << round_text;
        ASSERT_TRUE(wait_for([] { return rs232con == 1; }, kBackBound)) << round_text << ": the line did not come back";
        EXPECT_EQ(line, LineCondition::Open) << round_text;
        expect_whole_download();
        if (HasFailure())
            break;
    }

    std::printf("download cuts: %d (%d after the download had ended), bound %.1f s of the tool's clock\n",
                crash::download_cuts(), late_cuts, kEndBound);
    for (const auto& [phase, count] : phases)
        std::printf("  cut %s: %d\n", phase.c_str(), count);
    for (const auto& [name, count] : outcomes)
        std::printf("  outcome %s: %d\n", name.c_str(), count);
    std::printf("  longest end after a cut: %.2f s of the tool's clock (%.2f s real), bound %.1f s\n", longest_end,
                longest_real, kEndBound);
}

}  // namespace
}  // namespace telvar::test
