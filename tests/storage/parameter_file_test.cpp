// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the record to a parameter file and loading it back through the file
// dialog, the failures that must leave an older file whole, and the files
// that must not be loaded.
#include "support/link_fixture.h"

#include "params/mapping.h"
#include "params/pages.h"
#include "params/record.h"
#include "platform/qt_access.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "storage/parameter_file.h"
#include "storage/parameter_text.h"
#include "storage/send_get.h"
#include "storage/transfer.h"
#include "ui/file_dialogs.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <string>

namespace telvar::test {
namespace {

constexpr const char* kTitle = "TELVAR-K20 Parameter File";

class ParameterFile : public LinkTest {
protected:
    void SetUp() override
    {
        LinkTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        CallCtrlCallback(panelMAIN, MAIN_RADIO_FILE, EVENT_COMMIT, 0, 0);
    }
    void TearDown() override
    {
        CallCtrlCallback(panelMAIN, MAIN_RADIO_RAM, EVENT_COMMIT, 0, 0);
        FailFileWrites(false);
        LinkTest::TearDown();
    }
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    void choose(const std::string& file, int result = VAL_NEW_FILE_SELECTED)
    {
        dialogs.expect_file_dialog(kTitle, ModalAnswer{result, file});
    }
    static QByteArray bytes(const std::string& file)
    {
        QFile f(QString::fromStdString(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const std::string& file, const QByteArray& content)
    {
        QFile f(QString::fromStdString(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    // Names in the folder besides the given ones: a temporary file left behind.
    std::vector<std::string> leftovers(std::initializer_list<const char*> expected) const
    {
        std::vector<std::string> extra;
        for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            if (std::none_of(expected.begin(), expected.end(), [&](const char* e) { return name == e; }))
                extra.push_back(name.toStdString());
        return extra;
    }
    static void set_field(int panel, int control, int value)
    {
        qobject_cast<QSpinBox*>(ControlWidget(panel, control))->setValue(value);
    }
    static int field(int panel, int control)
    {
        int v = 0;
        GetCtrlVal(panel, control, &v);
        return v;
    }
    QTemporaryDir dir;
};

TEST_F(ParameterFile, SavedPagesComeBackFromTheFile)
{
    set_field(panelPARAB2, CH2_NUM_LOW_TOL, -321);
    set_field(panelEVAL, EV_NUM_TEACH_2, 18);
    choose(path("set.ini"));
    SendParameter();
    EXPECT_EQ(statuses.back(), "Parameter saved to file.");
    EXPECT_EQ(bytes(path("set.ini")), QByteArray::fromStdString(parameter_file_text(parameter)));
    EXPECT_TRUE(bytes(path("set.ini")).contains("[CHANNEL B]\r\nDecay Time Constant = "));
    EXPECT_EQ(std::string(pathName), path("set.ini"));
    const ModalRequest& asked = dialogs.shown.back();
    EXPECT_EQ(asked.directory, std::string(dirName));
    EXPECT_EQ(asked.file_spec, "*.ini");
    EXPECT_TRUE(asked.save);

    set_field(panelPARAB2, CH2_NUM_LOW_TOL, -1);
    set_field(panelEVAL, EV_NUM_TEACH_2, 0);
    choose(path("set.ini"), VAL_EXISTING_FILE_SELECTED);
    GetParameter();
    EXPECT_EQ(statuses.back(), "Parameter loaded from file.");
    EXPECT_FALSE(dialogs.shown.back().save);
    EXPECT_EQ(field(panelPARAB2, CH2_NUM_LOW_TOL), -321);
    EXPECT_EQ(field(panelEVAL, EV_NUM_TEACH_2), 18);
    EXPECT_EQ(leftovers({"set.ini"}), std::vector<std::string>{});
}

TEST_F(ParameterFile, AFileWithSomeKeysMissingKeepsThePageValuesOfTheOthers)
{
    write(path("part.ini"), "[CHANNEL B]\nReference Value = 1111\nTrigger Level = x\n");
    set_field(panelPARAB2, CH2_NUM_TRIGGER, 1234);
    choose(path("part.ini"), VAL_EXISTING_FILE_SELECTED);
    GetParameter();
    EXPECT_EQ(statuses.back(), "Parameter loaded from file.");
    EXPECT_EQ(field(panelPARAB2, CH2_NUM_REFERENCE), 1111);
    EXPECT_EQ(field(panelPARAB2, CH2_NUM_TRIGGER), 1234);
}

TEST_F(ParameterFile, FailedSavesLeaveTheOldFileWholeAndNoTemporaryFile)
{
    const QByteArray old = "[CHANNEL A]\r\nReference Value = 7\r\n\r\n";
    write(path("old.ini"), old);
    FailFileWrites(true);  // as a full device would
    choose(path("old.ini"), VAL_EXISTING_FILE_SELECTED);
    SendParameter();
    EXPECT_EQ(statuses.back(), "Parameter saving to file failed. (no space left on device)");
    EXPECT_EQ(bytes(path("old.ini")), old);
    EXPECT_EQ(leftovers({"old.ini"}), std::vector<std::string>{});
    FailFileWrites(false);

    // A target that exists but cannot be opened for update, even by root.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.ini")));
    choose(path("taken.ini"), VAL_EXISTING_FILE_SELECTED);
    SendParameter();
    EXPECT_EQ(statuses.back(), "Parameter saving to file failed. (is a directory)");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path("taken.ini"))).isDir());

    choose(path("no such folder/new.ini"));
    SendParameter();
    EXPECT_EQ(statuses.back(), "Parameter saving to file failed. (no such file or directory)");
    EXPECT_EQ(leftovers({"old.ini", "taken.ini"}), std::vector<std::string>{});
}

TEST_F(ParameterFile, FilesThatCannotBeReadChangeNothing)
{
    set_field(panelPARAA2, CH2_NUM_LASER, 44);  // an edit the record does not have yet
    choose(path("missing.ini"), VAL_EXISTING_FILE_SELECTED);
    GetParameter();
    EXPECT_EQ(statuses.back(), "Parameter load from file failed. (no such file or directory)");
    EXPECT_EQ(field(panelPARAA2, CH2_NUM_LASER), 44) << "the pages are not refreshed";
    EXPECT_EQ(parameter[BLOCK_A + CH_LASER_POWER], 44) << "the record holds the pages' values";

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    choose(path("folder.ini"), VAL_EXISTING_FILE_SELECTED);
    GetParameter();
    EXPECT_EQ(statuses.back(), "Parameter load from file failed. (is a directory)");

    // Far larger than a parameter file: refused before it is read.
    QFile huge(QString::fromStdString(path("huge.ini")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize((1 << 20) + 1));
    choose(path("huge.ini"), VAL_EXISTING_FILE_SELECTED);
    GetParameter();
    EXPECT_EQ(statuses.back(), "Parameter load from file failed. (larger than 1 MB, not a parameter file)");

    // Readable, but not one parameter in it: refused with a message.
    write(path("desktop.ini"), "[.ShellClassInfo]\r\nIconResource = 12\r\n");
    choose(path("desktop.ini"), VAL_EXISTING_FILE_SELECTED);
    dialogs.expect_message("ERROR", "No TELVAR-K20 parameter found in " + path("desktop.ini") + ".");
    GetParameter();
    EXPECT_EQ(statuses.back(), "Parameter load from file failed.");
    EXPECT_EQ(parameter[BLOCK_A + CH_LASER_POWER], 44);
}

TEST_F(ParameterFile, ACancelledDialogIsAFailure)
{
    choose("", VAL_NO_FILE_SELECTED);
    SendParameter();
    EXPECT_EQ(statuses.back(), "Parameter saving to file failed.");
    choose("", VAL_NO_FILE_SELECTED);
    GetParameter();
    EXPECT_EQ(statuses.back(), "Parameter load from file failed.");
}

}  // namespace
}  // namespace telvar::test
