// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/options.h"

#include <QCommandLineParser>

#include "link/orders.h"
#include "telvar_version.h"

namespace telvar::sim {

namespace {

struct OptionText {
    const char* name;
    const char* value;  // nullptr for a switch
    const char* help;
};

constexpr OptionText kOptions[] = {
    {"tcp", "port", "Listen for the tool on 127.0.0.1:<port> (0 picks a free port). Default when no line is given: %1."},
    {"pty", "path", "Create a pseudo-terminal and keep a link to it at <path>; removed on exit."},
    {"device", "path", "Use the serial device <path>, e.g. for a null-modem cable test."},
    {"baud-pacing", nullptr, "Send and receive on the pseudo-terminal no faster than the line's baud rate, 10 bits per byte."},
    {"fast", nullptr, "Answer over TCP at once, instead of after the time request and answer take on the controller's 19200-baud line (for tests and benchmarks)."},
    {"eeprom", "file", "Keep the EEPROM in <file> across runs."},
    {"image-out", "file", "Write each downloaded S-record image to <file>."},
    {"noise", "number", "Starting point of the simulated noise (default 1)."},
    {"silent", nullptr, "Fault: answer no request at all."},
    {"silent-every", "n", "Fault: leave every <n>th request unanswered."},
    {"silent-codes", "codes", "Fault: leave requests with these order codes unanswered (e.g. 5,8 or 0x0d)."},
    {"wrong-sync", nullptr, "Fault: start every answer with 55 00 instead of the sync word."},
    {"short-answer", nullptr, "Fault: leave out the last byte of every answer."},
    {"split-answer", "ms", "Fault: send every answer in two pieces, <ms> apart."},
    {"delay", "ms", "Fault: wait <ms> before every answer."},
    {"garbage", "n", "Fault: send <n> garbage bytes before every answer."},
    {"close-after", "n", "Fault: hang up the line after <n> answers."},
    {"nak-codes", "codes", "Fault: refuse these order codes (answer word 0 is not 0x00AA)."},
    {"no-prompt", nullptr, "Fault: the boot loader never prompts for the S-records."},
    {"no-start-message", nullptr, "Fault: the boot loader never reports the application start."},
    {"faults-after", "n", "The request faults start after the first <n> requests of a connection (e.g. 2: the line check and version query pass)."},
};

// Decimal, or hexadecimal with 0x in front; never octal.
int to_number(QString text, bool* ok)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return text.mid(2).toInt(ok, 16);
    return text.toInt(ok, 10);
}

class Reader {
public:
    explicit Reader(const QCommandLineParser& parser) : parser_(parser) {}

    std::optional<int> number(const char* name, int low, int high)
    {
        const QString text = parser_.value(QString::fromLatin1(name));
        bool ok = false;
        const int value = to_number(text, &ok);
        if (!ok || value < low || value > high) {
            fail(QStringLiteral("--%1 needs a number from %2 to %3, not '%4'")
                     .arg(QString::fromLatin1(name)).arg(low).arg(high).arg(text));
            return std::nullopt;
        }
        return value;
    }

    std::set<int> codes(const char* name)
    {
        std::set<int> result;
        const QString text = parser_.value(QString::fromLatin1(name));
        for (const QString& field : text.split(QLatin1Char(','))) {
            bool ok = false;
            const int code = to_number(field, &ok);
            if (!ok || code < 0 || code > 0xFFFF)
                fail(QStringLiteral("--%1 needs order codes like 5,8 or 0x0d, not '%2'")
                         .arg(QString::fromLatin1(name), text));
            result.insert(code);
        }
        return result;
    }

    void fail(const QString& message)
    {
        if (error.isEmpty())
            error = message;
    }

    QString error;

private:
    const QCommandLineParser& parser_;
};

void read_faults(const QCommandLineParser& parser, Reader& reader, FaultOptions& faults)
{
    using std::chrono::milliseconds;
    constexpr int kLongestPause = 60000;
    faults.silent = parser.isSet(QStringLiteral("silent"));
    faults.wrong_sync = parser.isSet(QStringLiteral("wrong-sync"));
    faults.short_answer = parser.isSet(QStringLiteral("short-answer"));
    faults.no_prompt = parser.isSet(QStringLiteral("no-prompt"));
    faults.no_start_message = parser.isSet(QStringLiteral("no-start-message"));
    if (parser.isSet(QStringLiteral("silent-every")))
        faults.silent_every = reader.number("silent-every", 1, 1000000).value_or(0);
    if (parser.isSet(QStringLiteral("silent-codes")))
        faults.silent_codes = reader.codes("silent-codes");
    if (parser.isSet(QStringLiteral("split-answer")))
        faults.split_pause = milliseconds(reader.number("split-answer", 0, kLongestPause).value_or(0));
    if (parser.isSet(QStringLiteral("delay")))
        faults.delay = milliseconds(reader.number("delay", 0, kLongestPause).value_or(0));
    if (parser.isSet(QStringLiteral("garbage")))
        faults.garbage = reader.number("garbage", 1, 4096).value_or(0);
    if (parser.isSet(QStringLiteral("faults-after")))
        faults.faults_after = reader.number("faults-after", 1, 1000000).value_or(0);
    if (parser.isSet(QStringLiteral("close-after")))
        faults.close_after = reader.number("close-after", 1, 1000000).value_or(0);
    if (parser.isSet(QStringLiteral("nak-codes")))
        faults.refused_codes = reader.codes("nak-codes");
}

void read_lines(const QCommandLineParser& parser, Reader& reader, SimOptions& options)
{
    if (parser.isSet(QStringLiteral("tcp")))
        options.tcp_port = static_cast<quint16>(reader.number("tcp", 0, 65535).value_or(0));
    options.pty_path = parser.value(QStringLiteral("pty"));
    options.device_path = parser.value(QStringLiteral("device"));
    if (!options.tcp_port && options.pty_path.isEmpty() && options.device_path.isEmpty())
        options.tcp_port = DEFAULT_TCP_PORT;
    options.baud_pacing = parser.isSet(QStringLiteral("baud-pacing"));
    options.fast = parser.isSet(QStringLiteral("fast"));
    options.eeprom_path = parser.value(QStringLiteral("eeprom"));
    options.image_out = parser.value(QStringLiteral("image-out"));
    if (parser.isSet(QStringLiteral("noise")))
        options.noise_start = static_cast<std::uint32_t>(reader.number("noise", 0, 0x7FFFFFFF).value_or(1));
}

void add_options(QCommandLineParser& parser)
{
    for (const OptionText& text : kOptions) {
        QString description = QString::fromLatin1(text.help);
        if (description.contains(QLatin1String("%1")))
            description = description.arg(DEFAULT_TCP_PORT);
        QCommandLineOption option(QString::fromLatin1(text.name), description);
        if (text.value)
            option.setValueName(QString::fromLatin1(text.value));
        parser.addOption(option);
    }
}

}  // namespace

ParsedOptions parse_options(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Behaves like a TELVAR-K20 controller on the other end of a TCP connection or serial line."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    add_options(parser);

    ParsedOptions parsed;
    if (!parser.parse(arguments)) {
        parsed.outcome = ParsedOptions::Outcome::error;
        parsed.text = parser.errorText();
        return parsed;
    }
    if (parser.isSet(help)) {
        parsed.outcome = ParsedOptions::Outcome::help;
        parsed.text = parser.helpText();
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.outcome = ParsedOptions::Outcome::version;
        parsed.text = QStringLiteral("telvar-k20-sim %1").arg(QString::fromLatin1(TELVAR_VERSION));
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        parsed.outcome = ParsedOptions::Outcome::error;
        parsed.text = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
        return parsed;
    }

    Reader reader(parser);
    read_lines(parser, reader, parsed.options);
    read_faults(parser, reader, parsed.options.faults);
    if (!reader.error.isEmpty()) {
        parsed.outcome = ParsedOptions::Outcome::error;
        parsed.text = reader.error;
    }
    return parsed;
}

}  // namespace telvar::sim
