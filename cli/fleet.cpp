// SPDX-License-Identifier: GPL-3.0-or-later
// fleet: the command for each controller of a targets file, each in a child
// process of this program, so that one controller's failure or hang-up
// touches no other's line, and the children's exit codes and messages are
// those the command has alone.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exit_codes.h"
#include "cli/fleet_results.h"
#include "cli/fleet_targets.h"
#include "cli/interrupt.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <set>

namespace telvar::cli {

namespace {

// How often the loop looks for Ctrl-C and SIGTERM.
constexpr int INTERRUPT_CHECK_MS = 50;
// How long children get to end after SIGTERM before they are killed.
constexpr int TERMINATE_GRACE_MS = 10000;

QString qlocal(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

std::string file_of(const Invocation& invocation, const FleetTarget& target)
{
    if (invocation.fleet.command != "get" && invocation.fleet.command != "report")
        return {};
    const char* extension = invocation.fleet.command == "get" ? ".ini" : ".pdf";
    return QDir(qlocal(invocation.output)).filePath(qlocal(target.name + extension)).toLocal8Bit().toStdString();
}

QStringList line_arguments(const LineChoice& choice)
{
    switch (choice.kind) {
    case LineKind::Tcp:
        return {"--tcp", qlocal(choice.host + ":" + std::to_string(choice.port))};
    case LineKind::Com:
        return {"--com", QString::number(choice.port)};
    case LineKind::Device:
        return {"--device", qlocal(choice.device)};
    case LineKind::None:
        break;
    }
    return {};
}

// info and verify answer in JSON, which the fleet's table and JSON read.
QStringList child_arguments(const Invocation& invocation, const FleetTarget& target, const std::string& file)
{
    const std::string& command = invocation.fleet.command;
    QStringList arguments = line_arguments(target.choice) << qlocal(command);
    if (!invocation.file.empty())
        arguments << qlocal(invocation.file);
    if (invocation.eeprom)
        arguments << "--eeprom";
    if (!file.empty())
        arguments << "-o" << qlocal(file);
    if (command == "info" || command == "verify")
        arguments << "--json";
    if (invocation.quiet)
        arguments << "-q";
    return arguments;
}

// The child's last line on standard error that it wrote as its own, without
// the program's name in front.
std::string child_error(const std::string& err)
{
    std::string last;
    std::size_t start = 0;
    while (start < err.size()) {
        const std::size_t end = std::min(err.find('\n', start), err.size());
        const std::string line = err.substr(start, end - start);
        if (line.rfind(PROGRAM_PREFIX, 0) == 0)
            last = line.substr(std::string(PROGRAM_PREFIX).size());
        else if (!line.empty() && last.empty())
            last = line;
        start = end + 1;
    }
    return last;
}

class FleetRun {
public:
    FleetRun(const Invocation& invocation, const std::vector<FleetTarget>& targets)
        : invocation_(invocation), targets_(targets), outcomes_(targets.size())
    {
    }

    std::vector<TargetOutcome> run()
    {
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [this] { look_for_interrupt(); });
        watch.start(INTERRUPT_CHECK_MS);
        start_ready();
        if (!running_.empty())
            loop_.exec();
        return outcomes_;
    }

private:
    struct Child {
        std::size_t target;
        std::unique_ptr<QProcess> process;
    };

    // Starts targets in the file's order while slots are free, skipping those
    // whose port a running child holds.
    void start_ready()
    {
        const auto room = [this] { return !stopping_ && !interrupt_requested() && int(running_.size()) < invocation_.fleet.jobs; };
        for (std::size_t k = 0; k < targets_.size() && room(); ++k)
            if (!started_[k] && !busy_ports_.count(targets_[k].port_key))
                start(k);
    }

    void start(std::size_t target)
    {
        started_[target] = true;
        busy_ports_.insert(targets_[target].port_key);
        outcomes_[target].file = file_of(invocation_, targets_[target]);
        auto process = std::make_unique<QProcess>();
        process->setStandardInputFile(QProcess::nullDevice());
        QProcess* raw = process.get();
        QObject::connect(raw, &QProcess::finished, [this, raw] { finished(raw); });
        QObject::connect(raw, &QProcess::errorOccurred, [this, raw](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                finished(raw);
        });
        running_.push_back({target, std::move(process)});
        raw->start(QCoreApplication::applicationFilePath(),
                   child_arguments(invocation_, targets_[target], outcomes_[target].file));
    }

    void finished(QProcess* process)
    {
        const auto child = std::find_if(running_.begin(), running_.end(),
                                        [&](const Child& c) { return c.process.get() == process; });
        if (child == running_.end())
            return;
        TargetOutcome& outcome = outcomes_[child->target];
        outcome.out = process->readAllStandardOutput().toStdString();
        const std::string err = process->readAllStandardError().toStdString();
        judge(outcome, *process, err);
        busy_ports_.erase(targets_[child->target].port_key);
        // Kept until the run is over: this runs inside one of the process's signals.
        ended_.push_back(std::move(child->process));
        running_.erase(child);
        start_ready();
        if (running_.empty())
            loop_.quit();
    }

    void judge(TargetOutcome& outcome, const QProcess& process, const std::string& err)
    {
        const bool ended = process.error() != QProcess::FailedToStart && process.exitStatus() == QProcess::NormalExit;
        outcome.exit = ended ? process.exitCode() : -1;
        const bool by_signal = outcome.exit == 128 + SIGINT || outcome.exit == 128 + SIGTERM;
        if (outcome.exit == EXIT_DONE)
            outcome.state = TargetState::Done;
        else if (outcome.exit == EXIT_DIFFERENCES && invocation_.fleet.command == "verify")
            outcome.state = TargetState::Differences;
        else
            // Ctrl-C reaches the children with the fleet, maybe before the fleet looked.
            outcome.state = (stopping_ || interrupt_requested()) && (by_signal || !ended) ? TargetState::Interrupted
                                                                                          : TargetState::Failed;
        if (outcome.state == TargetState::Done || outcome.state == TargetState::Differences)
            return;
        outcome.error = child_error(err);
        if (outcome.error.empty())
            outcome.error = !ended ? "telvar-k20 ended abnormally: " + process.errorString().toStdString()
                                   : "ended with exit code " + std::to_string(outcome.exit);
    }

    // The children end as the fleet would alone: their files whole, their lines closed.
    void look_for_interrupt()
    {
        if (stopping_ || !interrupt_requested())
            return;
        stopping_ = true;
        for (const Child& child : running_)
            child.process->terminate();
        QTimer::singleShot(TERMINATE_GRACE_MS, &loop_, [this] {
            for (const Child& child : running_)
                child.process->kill();
        });
    }

    const Invocation& invocation_;
    const std::vector<FleetTarget>& targets_;
    std::vector<TargetOutcome> outcomes_;
    std::vector<bool> started_ = std::vector<bool>(targets_.size());
    std::set<std::string> busy_ports_;
    std::vector<Child> running_;
    std::vector<std::unique_ptr<QProcess>> ended_;
    bool stopping_ = false;
    QEventLoop loop_;
};

bool read_targets(const std::string& path, std::vector<FleetTarget>* targets, std::string* error)
{
    std::string content;
    if (std::string why; ReadWholeFile(path, FileKind::targets, &content, &why) != FILE_OK) {
        *error = WithReason("Could not read the targets file: " + path, why);
        return false;
    }
    return parse_targets(content, path, targets, error);
}

}  // namespace

// Everything is checked before the first child starts. A signal ends the
// children, and the fleet tells what they did before it ends with the
// signal's status.
int run_fleet(const Invocation& invocation)
{
    std::vector<FleetTarget> targets;
    if (std::string error; !read_targets(invocation.fleet.targets, &targets, &error))
        return fail(EXIT_FILE, error);
    if (!invocation.output.empty() && !QFileInfo(qlocal(invocation.output)).isDir())
        return fail(EXIT_FILE, "Not a folder to write the targets' files into: " + invocation.output);
    const std::vector<TargetOutcome> outcomes = FleetRun(invocation, targets).run();
    const std::string& command = invocation.fleet.command;
    put_out(invocation.json ? fleet_json(command, targets, outcomes) : fleet_table(command, targets, outcomes));
    if (interrupt_requested())
        return fail_interrupted(fleet_summary(outcomes));
    if (!invocation.json)
        tell(fleet_summary(outcomes) + ".");
    return fleet_exit_code(outcomes);
}

}  // namespace telvar::cli
