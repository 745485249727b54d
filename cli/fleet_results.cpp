// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fleet_results.h"

#include "cli/exit_codes.h"
#include "platform/counted.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

namespace telvar::cli {

namespace {

const char* result_text(TargetState state)
{
    switch (state) {
    case TargetState::Done:
        return "ok";
    case TargetState::Differences:
        return "differences";
    case TargetState::Failed:
        return "failed";
    case TargetState::Interrupted:
        return "interrupted";
    case TargetState::NotRun:
        break;
    }
    return "not run";
}

// The object the child wrote under --json (info, verify); empty for the others.
QJsonObject child_json(const TargetOutcome& outcome)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(outcome.out)).object();
}

std::string last_line(const std::string& text)
{
    const std::size_t end = text.find_last_not_of('\n');
    if (end == std::string::npos)
        return {};
    const std::size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

// The message of a target that ended by itself: what the command found or wrote.
std::string done_message(const std::string& command, const TargetOutcome& outcome)
{
    const QJsonObject json = child_json(outcome);
    if (command == "info")
        return json.value("version").toString().toStdString();
    if (command == "verify") {
        const int compared = json.value("compared").toInt();
        const auto differ = int(json.value("differences").toArray().size());
        return differ == 0 ? "no difference in " + counted(compared, "word", "words")
                           : counted(differ, "difference", "differences") + " in " + counted(compared, "word", "words");
    }
    if (command == "send") {
        const std::string said = last_line(outcome.out);
        return said.empty() ? "sent" : said;
    }
    return outcome.file;
}

std::string message(const std::string& command, const TargetOutcome& outcome)
{
    switch (outcome.state) {
    case TargetState::Done:
    case TargetState::Differences:
        return done_message(command, outcome);
    case TargetState::Failed:
    case TargetState::Interrupted:
        return outcome.error;
    case TargetState::NotRun:
        break;
    }
    return {};
}

bool succeeded(const TargetOutcome& outcome)
{
    return outcome.state == TargetState::Done || outcome.state == TargetState::Differences;
}

int count(const std::vector<TargetOutcome>& outcomes, bool (*which)(const TargetOutcome&))
{
    return int(std::count_if(outcomes.begin(), outcomes.end(), which));
}

bool not_run(const TargetOutcome& outcome)
{
    return outcome.state == TargetState::NotRun;
}

bool unsuccessful(const TargetOutcome& outcome)
{
    return !succeeded(outcome) && !not_run(outcome);
}

QString local_bytes(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

}  // namespace

std::string fleet_table(const std::string& command, const std::vector<FleetTarget>& targets,
                        const std::vector<TargetOutcome>& outcomes)
{
    std::vector<std::array<std::string, 4>> rows{{"name", "line", "result", "message"}};
    for (std::size_t k = 0; k < targets.size(); ++k)
        rows.push_back({targets[k].name, targets[k].line, result_text(outcomes[k].state), message(command, outcomes[k])});
    std::array<std::size_t, 3> widths{};
    for (const auto& row : rows)
        for (std::size_t column = 0; column < widths.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    std::string table;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < widths.size(); ++column)
            line += row[column] + std::string(widths[column] - row[column].size() + 2, ' ');
        line += row[3];
        table += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return table;
}

std::string fleet_json(const std::string& command, const std::vector<FleetTarget>& targets,
                       const std::vector<TargetOutcome>& outcomes)
{
    QJsonArray entries;
    for (std::size_t k = 0; k < targets.size(); ++k) {
        const TargetOutcome& outcome = outcomes[k];
        // The child's keys first: the target's name and its line as the file gives it win.
        QJsonObject entry = succeeded(outcome) ? child_json(outcome) : QJsonObject();
        entry.insert("name", local_bytes(targets[k].name));
        entry.insert("line", local_bytes(targets[k].line));
        entry.insert("exit", outcome.exit < 0 ? QJsonValue() : QJsonValue(outcome.exit));
        entry.insert("result", QString::fromLatin1(result_text(outcome.state)));
        if (succeeded(outcome) && !outcome.file.empty())
            entry.insert("file", local_bytes(outcome.file));
        if (unsuccessful(outcome))
            entry.insert("error", local_bytes(outcome.error));
        entries.append(entry);
    }
    const QJsonObject document{
        {"command", QString::fromStdString(command)},
        {"targets", entries},
        {"ok", count(outcomes, succeeded)},
        {"failed", count(outcomes, unsuccessful)},
        {"not_run", count(outcomes, not_run)},
    };
    return QJsonDocument(document).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

std::string fleet_summary(const std::vector<TargetOutcome>& outcomes)
{
    std::string summary = counted(int(outcomes.size()), "target", "targets") + ": "
                          + std::to_string(count(outcomes, succeeded)) + " ok, "
                          + std::to_string(count(outcomes, unsuccessful)) + " failed";
    if (const int left = count(outcomes, not_run); left > 0)
        summary += ", " + std::to_string(left) + " not run";
    return summary;
}

int fleet_exit_code(const std::vector<TargetOutcome>& outcomes)
{
    const auto any = [&](TargetState state) {
        return std::any_of(outcomes.begin(), outcomes.end(), [&](const TargetOutcome& o) { return o.state == state; });
    };
    if (any(TargetState::Failed) || any(TargetState::Interrupted))
        return EXIT_FLEET;
    return any(TargetState::Differences) ? EXIT_DIFFERENCES : EXIT_DONE;
}

}  // namespace telvar::cli
