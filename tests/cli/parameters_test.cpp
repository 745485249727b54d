// SPDX-License-Identifier: GPL-3.0-or-later
// get, send and verify against the simulator: the parameter file byte for
// byte, a set taken from one controller to another, and the words a file
// lacks, a signal that comes once the set went out; report's PDF of a
// file's or a controller's set, also where a display is named that cannot
// be reached.
#include "tests/cli/cli_process.h"

#include "params/parameter_names.h"
#include "params/record.h"
#include "sim/core/controller.h"
#include "storage/parameter_keys.h"
#include "storage/parameter_text.h"
#include "support/pdf_reading.h"
#include "telvar_version.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <initializer_list>
#include <utility>
#include <vector>

namespace telvar::test {
namespace {

// The tests' own environment, which run_cli hands on, without some names
// while this lives.
class EnvironmentWithout {
public:
    explicit EnvironmentWithout(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            if (qEnvironmentVariableIsSet(name))
                kept_.emplace_back(name, qgetenv(name));
            qunsetenv(name);
        }
    }
    ~EnvironmentWithout()
    {
        for (const auto& [name, value] : kept_)
            qputenv(name, value);
    }

private:
    std::vector<std::pair<const char*, QByteArray>> kept_;
};

class CliParameters : public testing::Test {
protected:
    QString path(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }

    // Every stored word its own value, so that a word in the wrong place shows.
    static Words distinctive_words()
    {
        Words words = factory_words();
        for (const ParameterKey& key : PARAMETER_KEYS)
            words[key.index] = static_cast<std::uint16_t>(1000 + 37 * key.index);
        words[47] = 65535;
        return words;
    }

    QTemporaryDir dir;
};

TEST_F(CliParameters, GetWritesWhatSendToFileWritesFromRamOrEeprom)
{
    const Words stored = distinctive_words();
    Simulator sim(eeprom_options(path("controller.eeprom"), stored));
    ASSERT_TRUE(sim.ready());

    const CliResult ram = run_cli(tcp_line(sim) + QStringList{"get", "-o", path("ram.ini")}, &sim);
    EXPECT_EQ(ram.code, 0) << ram.err;
    EXPECT_EQ(ram.out, "Parameter loaded from sensor.\n");
    EXPECT_EQ(ram.err, "");
    EXPECT_EQ(read_file(path("ram.ini")), parameter_file_text(stored.data()));
    const CliResult piped = run_cli(com_line(sim) + QStringList{"get", "-o", "-"}, &sim);
    EXPECT_EQ(piped.code, 0) << piped.err;
    EXPECT_EQ(piped.out, parameter_file_text(stored.data())) << "the file alone, without a status line";

    // Another set in RAM alone: the EEPROM keeps the stored one.
    Words changed = stored;
    changed[6] = 2222;
    write_file(path("changed.ini"), parameter_file_text(changed.data()));
    EXPECT_EQ(run_cli(tcp_line(sim) + QStringList{"send", path("changed.ini")}, &sim).code, 0);
    EXPECT_EQ(run_cli(com_line(sim) + QStringList{"get", "--eeprom", "-o", path("eeprom.ini")}, &sim).code, 0);
    EXPECT_EQ(read_file(path("eeprom.ini")), parameter_file_text(stored.data()));
    EXPECT_EQ(run_cli(com_line(sim) + QStringList{"get", "-o", path("ram.ini")}, &sim).code, 0);
    EXPECT_EQ(read_file(path("ram.ini")), parameter_file_text(changed.data()));
}

TEST_F(CliParameters, SendThenVerifyCarriesASetToAnotherControllerAndFindsWhatDiffers)
{
    const Words stored = distinctive_words();
    {
        Simulator source(eeprom_options(path("source.eeprom"), stored));
        ASSERT_TRUE(source.ready());
        ASSERT_EQ(run_cli(tcp_line(source) + QStringList{"get", "-o", path("set.ini")}, &source).code, 0);
    }
    const QString eeprom = path("target.eeprom");
    Simulator target(eeprom_options(eeprom, factory_words()));
    ASSERT_TRUE(target.ready());

    const CliResult sent = run_cli(com_line(target) + QStringList{"send", path("set.ini"), "--eeprom"}, &target);
    EXPECT_EQ(sent.code, 0) << sent.err;
    EXPECT_EQ(sent.out, "Parameter saved to sensor.\n");
    const Words saved = read_eeprom(eeprom);
    for (const ParameterKey& key : PARAMETER_KEYS)
        EXPECT_EQ(saved[key.index], stored[key.index]) << key.section << " " << key.key;
    EXPECT_EQ(saved[34], 0x0320) << "the controller's own word stays its own";

    const CliResult same = run_cli(tcp_line(target) + QStringList{"verify", "--eeprom", path("set.ini")}, &target);
    EXPECT_EQ(same.code, 0) << same.err;
    EXPECT_EQ(same.out, "No difference in 44 words.\n");

    Words other = stored;
    other[22] = 1234;  // channel B's reference
    other[45] = 7;     // the evaluation's low tolerance
    write_file(path("other.ini"), parameter_file_text(other.data()));
    const CliResult differ = run_cli(tcp_line(target) + QStringList{"verify", path("other.ini")}, &target);
    EXPECT_EQ(differ.code, 1);
    EXPECT_EQ(differ.out, "[CHANNEL B] Reference Value: file 1234, controller " + std::to_string(stored[22]) + "\n"
                          "[COMMON SETTINGS] Low Tolerance: file 7, controller " + std::to_string(stored[45]) + "\n");

    const CliResult json = run_cli(tcp_line(target) + QStringList{"verify", "--json", path("other.ini")}, &target);
    EXPECT_EQ(json.code, 1) << "the exit code as without --json";
    const QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(answer.value("compared").toInt(), 44) << json.out;
    const QJsonArray found = answer.value("differences").toArray();
    ASSERT_EQ(found.size(), 2) << json.out;
    EXPECT_EQ(found[0].toObject(), (QJsonObject{{"section", "CHANNEL B"}, {"key", "Reference Value"}, {"file", 1234},
                                                {"controller", stored[22]}}));
    EXPECT_EQ(found[1]["key"].toString(), "Low Tolerance");
}

TEST_F(CliParameters, ReportOfAFileOrOfTheControllerIsAPdfWhoseTextCanBeSearched)
{
    const Words stored = distinctive_words();
    const QString file = path("line 3 <A&B>.ini");
    write_file(file, parameter_file_text(stored.data()));
    const std::string tool = std::string("Tool version TELVAR-K20-Dizer ") + TELVAR_VERSION;
    {
        const EnvironmentWithout no_display({"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
        const CliResult from_file = run_cli({"report", file, "-o", path("file.pdf")});
        EXPECT_EQ(from_file.code, 0) << from_file.err;
        EXPECT_EQ(from_file.out, "Parameter report printed to file " + path("file.pdf").toStdString() + ".\n");
        EXPECT_EQ(from_file.err, "");
    }
    const CliResult unreachable_display = run_cli({"report", file, "-o", path("display.pdf")}, nullptr,
                                                  {.environment = {"QT_QPA_PLATFORM=xcb", "DISPLAY=:99"}});
    EXPECT_EQ(unreachable_display.code, 0) << "the report needs no display and tries none: " << unreachable_display.err;
    EXPECT_TRUE(read_pdf(path("display.pdf")).read);
    const PdfReading report = read_pdf(path("file.pdf"));
    ASSERT_TRUE(report.read);
    EXPECT_GE(report.pages, 1);
    EXPECT_LE(report.pages, 3);
    for (const std::string& part :
         {std::string("Channel A: data and conditions"), std::string("Switching outputs and analog output"),
          std::string("Data filter"),  // searchable: no ligature stands for its "fi"
          "Laser power " + shown_text(BLOCK_B + CH_LASER_POWER, stored[BLOCK_B + CH_LASER_POWER]),
          "Result valid " + shown_text(BLOCK_A + CH_VALID_MODE, stored[BLOCK_A + CH_VALID_MODE]),
          std::string("Output 2"), "Set from " + file.toStdString(), std::string("Connection Not connected"), tool})
        EXPECT_NE(report.text.find(part), std::string::npos) << part << "\n" << report.text;

    Simulator sim(eeprom_options(path("controller.eeprom"), stored));
    ASSERT_TRUE(sim.ready());
    const CliResult from_eeprom =
        run_cli(tcp_line(sim) + QStringList{"report", "--eeprom", "-o", path("eeprom.pdf")}, &sim);
    EXPECT_EQ(from_eeprom.code, 0) << from_eeprom.err;
    const PdfReading fetched = read_pdf(path("eeprom.pdf"));
    for (const std::string& part :
         {"Teach settings 1 and 2 " + shown_text(TEACH_MODE, stored[TEACH_MODE]),
          std::string("Set from controller EEPROM"),
          "Connection TCP " + tcp_line(sim).last().toStdString(),
          "Controller version " + std::string(sim::kVersionText), tool})
        EXPECT_NE(fetched.text.find(part), std::string::npos) << part << "\n" << fetched.text;
}

// The simulator stores the set as the last block comes and answers it 300 ms
// later: a signal then meets a send that will be done.
TEST_F(CliParameters, ASignalAfterTheSetWentOutLeavesTheSendDone)
{
    const QString eeprom = path("controller.eeprom");
    const QStringList options = eeprom_options(eeprom, factory_words()) + QStringList{"--delay", "300"};
    Simulator sim(options);
    ASSERT_TRUE(sim.ready());
    const std::string before = read_file(eeprom);
    write_file(path("set.ini"), parameter_file_text(distinctive_words().data()));
    CliProcess send(tcp_line(sim) + QStringList{"send", "--eeprom", path("set.ini")}, &sim);
    for (int k = 0; k < 1000 && read_file(eeprom) == before; ++k)
        QThread::msleep(5);
    ASSERT_NE(read_file(eeprom), before) << "the set was not stored";
    const CliResult sent = send.stop(SIGINT);
    EXPECT_EQ(sent.code, 0) << sent.err;
    EXPECT_EQ(sent.out, "Parameter saved to sensor.\n");
    EXPECT_EQ(sent.err, "");
}

TEST_F(CliParameters, WordsTheFileLacksKeepTheControllers)
{
    const Words stored = distinctive_words();
    Simulator sim(eeprom_options(path("controller.eeprom"), stored));
    ASSERT_TRUE(sim.ready());
    write_file(path("part.ini"), "; only one word\r\n[channel b]\r\ntrigger level=1901\r\n[COMMON SETTINGS]\r\nScanfrequency = 0x2\r\n");

    EXPECT_EQ(run_cli(tcp_line(sim) + QStringList{"send", path("part.ini")}, &sim).code, 0);
    EXPECT_EQ(run_cli(tcp_line(sim) + QStringList{"get", "-o", path("after.ini")}, &sim).code, 0);
    Words expected = stored;
    expected[27] = 1901;
    EXPECT_EQ(read_file(path("after.ini")), parameter_file_text(expected.data()));
    const CliResult verified = run_cli(tcp_line(sim) + QStringList{"verify", path("part.ini")}, &sim);
    EXPECT_EQ(verified.code, 0);
    EXPECT_EQ(verified.out, "No difference in 1 word.\n");
}

// A refused block carries no block number: no set was read or stored, and
// nothing is written, reported or compared as if it had been.
TEST_F(CliParameters, ARefusedReadOrStoreIsALinkFailureAndWritesNothing)
{
    const Words stored = distinctive_words();
    write_file(path("set.ini"), parameter_file_text(stored.data()));
    write_file(path("kept.ini"), "kept");
    Simulator refusing(eeprom_options(path("refusing.eeprom"), stored) + QStringList{"--nak-codes", "1,2,3,4"});
    ASSERT_TRUE(refusing.ready());
    const std::string failure = "telvar-k20: Error! Sensor echo incorrect. (TCP 127.0.0.1:"
        + std::to_string(refusing.tcp_port()) + ")\n";
    for (const QStringList& command : {QStringList{"get", "-o", path("kept.ini")},
                                       QStringList{"get", "--eeprom", "-o", "-"},
                                       QStringList{"report", "-o", path("report.pdf")},
                                       QStringList{"verify", path("set.ini")}}) {
        const CliResult refused = run_cli(tcp_line(refusing) + command, &refusing);
        EXPECT_EQ(refused.code, 3) << command.join(' ').toStdString();
        EXPECT_EQ(refused.err, failure);
        EXPECT_EQ(refused.out, "");
    }
    EXPECT_EQ(read_file(path("kept.ini")), "kept");
    EXPECT_FALSE(QFile::exists(path("report.pdf")));

    // The blocks go to RAM; only the store command is refused.
    Simulator store_refused(eeprom_options(path("target.eeprom"), factory_words()) + QStringList{"--nak-codes", "3"});
    ASSERT_TRUE(store_refused.ready());
    const CliResult sent =
        run_cli(com_line(store_refused) + QStringList{"send", path("set.ini"), "--eeprom"}, &store_refused);
    EXPECT_EQ(sent.code, 3);
    EXPECT_EQ(sent.err,
              "telvar-k20: Error! Sensor echo incorrect. (COM65 " + device_path(store_refused).toStdString() + ")\n");
    EXPECT_EQ(sent.out, "");
    EXPECT_EQ(read_eeprom(path("target.eeprom")), factory_words());
}

TEST_F(CliParameters, FilesThatCannotBeReadOrWrittenEndWithFourAndTouchNoFile)
{
    Simulator sim;
    ASSERT_TRUE(sim.ready());
    const QString missing_folder = path("no such folder/set.ini");
    const CliResult unwritable = run_cli(tcp_line(sim) + QStringList{"get", "-o", missing_folder}, &sim);
    EXPECT_EQ(unwritable.code, 4);
    EXPECT_EQ(unwritable.err, "telvar-k20: Could not write the parameter file: " + missing_folder.toStdString()
                                  + " (no such file or directory)\n");
    EXPECT_EQ(unwritable.out, "");

    // A FIFO would hold the read until someone writes to it, and a file far
    // larger than any parameter file would take its size in memory: both are
    // refused at once, without opening the line.
    make_fifo(path("fifo.ini"));
    make_sparse_file(path("huge.ini"), (1 << 20) + 1);
    for (const auto& [file, why] : {std::pair{path("missing.ini"), "no such file or directory"},
                                    std::pair{path("fifo.ini"), "not a regular file"},
                                    std::pair{path("huge.ini"), "larger than 1 MB, not a parameter file"}}) {
        for (const char* command : {"send", "verify"}) {
            const CliResult unreadable = run_cli(tcp_line(sim) + QStringList{command, file}, &sim, 5000);
            EXPECT_EQ(unreadable.code, 4) << command;
            EXPECT_EQ(unreadable.err, "telvar-k20: Could not read the parameter file: " + file.toStdString() + " ("
                                          + why + ")\n");
        }
    }
    write_file(path("notes.ini"), "[CHANNEL A]\r\nColour = blue\r\nTrigger Level = 12x\r\n");
    const CliResult no_words = run_cli(tcp_line(sim) + QStringList{"verify", path("notes.ini")}, &sim);
    EXPECT_EQ(no_words.code, 4) << "nothing to compare is no success";
    EXPECT_EQ(no_words.err, "telvar-k20: The file holds no word of the parameter set: " + path("notes.ini").toStdString() + "\n");
    EXPECT_EQ(no_words.out, "");

    // A report that cannot be written leaves nothing, not even a part of it;
    // a folder and a path under a plain file are refused to root too.
    write_file(path("set.ini"), parameter_file_text(factory_words().data()));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const auto& [output, why] : {std::pair{dir.path(), "is a directory"},
                                      std::pair{path("notes.ini") + "/report.pdf", "not a directory"}}) {
        const CliResult refused = run_cli({"report", path("set.ini"), "-o", output});
        EXPECT_EQ(refused.code, 4) << output.toStdString();
        EXPECT_EQ(refused.err, "telvar-k20: Could not write the parameter report: " + output.toStdString() + " ("
                                   + why + ")\n");
        EXPECT_EQ(refused.out, "");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

}  // namespace
}  // namespace telvar::test
