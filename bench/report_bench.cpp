// SPDX-License-Identifier: GPL-3.0-or-later
// Wall time and peak memory of the parameter report as a PDF file.
//
// In this process: the report's text made, laid out on A4 pages and written
// to a file, --runs times (20 unless told); median and worst. Then the
// command line's `telvar-k20 report FILE -o REPORT.pdf` run as its own
// process a few times: its wall time from start to end, and its peak
// resident set size as the kernel counted it for the child (wait4). The
// set is the longest report there is: every condition group with many
// events, every output's mode word with bits without a selector.
// --keep FILE leaves the PDF there to look at.
#include "params/record.h"
#include "platform/files.h"
#include "platform/print.h"
#include "platform/userint.h"
#include "storage/parameter_report.h"
#include "storage/parameter_text.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

extern char** environ;

namespace {

using namespace telvar;

constexpr int kProcessRuns = 5;
constexpr double kTimeGoalSeconds = 1.0;
constexpr double kMemoryGoalMB = 100.0;

struct Spread {
    double median = 0;
    double worst = 0;
};

Spread spread(std::vector<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    return {seconds[seconds.size() / 2], seconds.back()};
}

std::array<std::uint16_t, PARAMETER_WORDS> longest_set()
{
    std::array<std::uint16_t, PARAMETER_WORDS> set;
    set.fill(0x7FFF);
    return set;
}

// Seconds for each run of the report into `pdf`; empty when one failed.
std::vector<double> report_in_process(const std::uint16_t* set, const std::string& pdf, int runs)
{
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const ReportFacts facts{
            .source = "bench.ini", .connection = REPORT_NO_LINE, .controller_version = {}, .made = std::time(nullptr)};
        const std::string bytes = DocumentPdf(parameter_report_html(set, facts));
        if (bytes.empty() || SaveFileAtomically(pdf, bytes) != FILE_OK)
            return {};
        seconds.push_back(clock.nsecsElapsed() / 1e9);
    }
    return seconds;
}

struct ChildRun {
    bool done = false;
    double seconds = 0;
    double peak_mb = 0;
};

ChildRun run_command(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {true, clock.nsecsElapsed() / 1e9, usage.ru_maxrss / 1024.0};  // kilobytes on Linux
}

}  // namespace

int main(int argc, char** argv)
{
    InitDocumentConsole(argc, argv);
    QCommandLineParser options;
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs in this process."), QStringLiteral("n"),
                                  QStringLiteral("20"));
    const QCommandLineOption keep(QStringLiteral("keep"), QStringLiteral("Write the PDF here and keep it."),
                                  QStringLiteral("file"));
    options.addOptions({runs, keep});
    const int run_count = options.parse(QCoreApplication::arguments()) ? options.value(runs).toInt() : 0;
    if (run_count < 1 || !options.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "usage: %s [--runs 20] [--keep FILE]\n", argv[0]);
        return 2;
    }
    QTemporaryDir dir;
    const std::string pdf = (options.isSet(keep) ? options.value(keep) : QDir(dir.path()).filePath("report.pdf"))
                                .toLocal8Bit()
                                .toStdString();
    const std::string set_file = QDir(dir.path()).filePath("bench.ini").toLocal8Bit().toStdString();
    const auto set = longest_set();
    if (SaveFileAtomically(set_file, parameter_file_text(set.data())) != FILE_OK)
        return 1;

    const std::vector<double> in_process = report_in_process(set.data(), pdf, run_count);
    const std::string command = (QCoreApplication::applicationDirPath() + "/telvar-k20").toLocal8Bit().toStdString();
    const std::string child_pdf = QDir(dir.path()).filePath("child.pdf").toLocal8Bit().toStdString();
    std::vector<double> child_seconds;
    double child_peak = 0;
    for (int run = 0; run < kProcessRuns; ++run) {
        const ChildRun child = run_command({command, "report", set_file, "-o", child_pdf, "-q"});
        if (!child.done)
            break;
        child_seconds.push_back(child.seconds);
        child_peak = std::max(child_peak, child.peak_mb);
    }
    if (in_process.empty() || child_seconds.size() != kProcessRuns) {
        std::fprintf(stderr, "the report failed: telvar-k20 beside this program?\n");
        return 1;
    }
    QFile written(QString::fromStdString(pdf));
    const qint64 bytes = written.size();
    const Spread here = spread(in_process);
    const Spread there = spread(child_seconds);
    std::printf("parameter report PDF, %lld bytes\n", static_cast<long long>(bytes));
    std::printf("in process (text, layout, file): median %.1f ms, worst %.1f ms of %d runs (goal < %.1f s)\n",
                here.median * 1e3, here.worst * 1e3, run_count, kTimeGoalSeconds);
    std::printf("telvar-k20 report FILE -o REPORT.pdf: median %.1f ms, worst %.1f ms of %d runs, "
                "peak RSS %.1f MB (goal < %.0f MB)\n",
                there.median * 1e3, there.worst * 1e3, kProcessRuns, child_peak, kMemoryGoalMB);
    const bool met = there.worst < kTimeGoalSeconds && here.worst < kTimeGoalSeconds && child_peak < kMemoryGoalMB;
    std::printf("%s\n", met ? "goals met" : "GOALS MISSED");
    return met ? 0 : 1;
}
