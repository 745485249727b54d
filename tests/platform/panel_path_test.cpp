// SPDX-License-Identifier: GPL-3.0-or-later
// Where a panel file is read from: beside the program, or from the data
// folder of an installed program.
#include "platform/panel_path.h"

#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace telvar::detail {
namespace {

class PanelPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath("usr/bin"));
        ASSERT_TRUE(QDir(root.path()).mkpath("usr/share/telvar-k20-dizer"));
    }
    QString path(const QString& relative) const { return QDir(root.path()).filePath(relative); }
    void make(const QString& relative) const
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString program_dir() const { return path("usr/bin"); }

    QTemporaryDir root;
};

TEST_F(PanelPath, InstalledProgramReadsFromItsDataFolder)
{
    make("usr/share/telvar-k20-dizer/Test.uir");
    EXPECT_EQ(panel_file_path(program_dir(), "Test.uir"), path("usr/share/telvar-k20-dizer/Test.uir"));
}

TEST_F(PanelPath, FileBesideTheProgramComesFirst)
{
    make("usr/share/telvar-k20-dizer/Test.uir");
    make("usr/bin/Test.uir");
    EXPECT_EQ(panel_file_path(program_dir(), "Test.uir"), path("usr/bin/Test.uir"));
}

TEST_F(PanelPath, FileFoundNowhereIsLookedForBesideTheProgram)
{
    make("usr/share/telvar-k20-dizer/Other.uir");
    EXPECT_EQ(panel_file_path(program_dir(), "Test.uir"), path("usr/bin/Test.uir"));
}

TEST_F(PanelPath, FullPathIsTakenAsItIs)
{
    make("usr/share/telvar-k20-dizer/Test.uir");
    EXPECT_EQ(panel_file_path(program_dir(), path("elsewhere/Test.uir")), path("elsewhere/Test.uir"));
}

// Even root, who may write /usr/bin, keeps the operator's files out of it.
TEST_F(PanelPath, InstalledProgramKeepsTheOperatorsFilesOutOfItsFolder)
{
    EXPECT_TRUE(installed_program(program_dir()));
    EXPECT_FALSE(ProgramDirectoryForFiles(program_dir().toStdString()));

    ASSERT_TRUE(QDir(path("usr/share/telvar-k20-dizer")).removeRecursively());
    EXPECT_FALSE(installed_program(program_dir()));
    EXPECT_TRUE(ProgramDirectoryForFiles(program_dir().toStdString())) << "a build tree keeps them beside the program";
}

}  // namespace
}  // namespace telvar::detail
