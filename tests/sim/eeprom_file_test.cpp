// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/eeprom_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace telvar::sim {
namespace {

class EepromFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("eeprom.txt")); }

    QTemporaryDir dir;
    QString error;
};

TEST_F(EepromFileTest, MissingFileMeansFactoryValuesAndASavedSetComesBack)
{
    EXPECT_EQ(load_eeprom(path(), error), factory_parameters());
    ParameterSet set = factory_parameters();
    set.words[6] = 4095;
    set.words[47] = 0xFFFF;
    ASSERT_TRUE(save_eeprom(path(), set, error)) << qPrintable(error);
    ASSERT_TRUE(save_eeprom(path(), set, error)) << "overwrites";
    EXPECT_EQ(load_eeprom(path(), error), set);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"eeprom.txt"}) << "no temporary file left";
    EXPECT_FALSE(save_eeprom(dir.filePath(QStringLiteral("missing/eeprom.txt")), set, error));
}

TEST_F(EepromFileTest, MalformedFileIsRefusedWithAReason)
{
    const auto zeros = [](int count) { return QByteArray("0 ").repeated(count); };
    for (const QByteArray& text : {QByteArray("1 2 3\n"), zeros(47) + "x", "70000 " + zeros(47), zeros(49)}) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        error.clear();
        EXPECT_FALSE(load_eeprom(path(), error)) << text.constData();
        EXPECT_FALSE(error.isEmpty());
    }
}

}  // namespace
}  // namespace telvar::sim
