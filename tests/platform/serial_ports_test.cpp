// SPDX-License-Identifier: GPL-3.0-or-later
// The COM port list: what a person reads of each port, and which ports
// this user may not open.
#include "platform/serial_ports.h"
#include "platform/test_seams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace telvar {
namespace {

TEST(ComPortLabel, DeviceThenWhatTheSystemKnowsOfIt)
{
    EXPECT_EQ(ComPortLabel({33, "/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A5XK3RJT", true}),
              "COM33   /dev/ttyUSB0   FT232R USB UART (FTDI, A5XK3RJT)");
    EXPECT_EQ(ComPortLabel({49, "/dev/ttyACM0", "USB Serial", "", "", true}), "COM49   /dev/ttyACM0   USB Serial");
    EXPECT_EQ(ComPortLabel({34, "/dev/ttyUSB1", "USB-Serial Controller", "", "0042", true}),
              "COM34   /dev/ttyUSB1   USB-Serial Controller (0042)");
    EXPECT_EQ(ComPortLabel({35, "/dev/ttyUSB2", "", "Prolific", "", true}), "COM35   /dev/ttyUSB2   (Prolific)");
    EXPECT_EQ(ComPortLabel({1, "/dev/ttyS0", "", "", "", true}), "COM1   /dev/ttyS0") << "nothing known";
}

TEST(ComPortLabel, PortThatMayNotBeOpenedSaysSo)
{
    EXPECT_EQ(ComPortLabel({33, "/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A5XK3RJT", false}),
              "COM33   /dev/ttyUSB0   FT232R USB UART (FTDI, A5XK3RJT)   - no permission to open");
    EXPECT_EQ(ComPortLabel({2, "/dev/ttyS1", "", "", "", false}), "COM2   /dev/ttyS1   - no permission to open");
    EXPECT_STREQ(COM_PORT_PERMISSION_FIX,
                 "Add yourself to the dialout group: sudo usermod -aG dialout $USER, then log in again.");
}

// Pseudo-terminal links in a folder of the test's own: COM 65 onwards.
class DescribedPorts : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetPseudoTerminalDir(dir.path().toStdString());
    }
    void TearDown() override
    {
        SetComPortAccessCheck({});
        SetPseudoTerminalDir("/tmp");
    }
    void link(const char* name, const QString& target) const
    {
        ASSERT_TRUE(QFile::link(target, QDir(dir.path()).filePath(name)));
    }
    // The described ports among the links.
    static std::vector<ComPortInfo> links()
    {
        std::vector<ComPortInfo> found = DescribeComPorts();
        std::erase_if(found, [](const ComPortInfo& info) { return info.port < 65; });
        return found;
    }

    QTemporaryDir dir;
};

TEST_F(DescribedPorts, OnlyLinksToSomethingThatExistsAreListedInPortOrder)
{
    link("ttyTELVAR3", "/dev/null");
    link("ttyTELVAR1", QDir(dir.path()).filePath("gone"));
    link("ttyTELVAR0", "/dev/null");

    const std::vector<ComPortInfo> found = links();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].port, 65);
    EXPECT_EQ(found[0].device, ComDevice(65));
    EXPECT_EQ(found[1].port, 68);
    for (const ComPortInfo& info : found) {
        EXPECT_TRUE(info.description.empty() && info.manufacturer.empty() && info.serial_number.empty());
        EXPECT_TRUE(info.accessible) << "everyone may read and write /dev/null";
    }
    const std::vector<int> ports = AvailableComPorts();
    EXPECT_TRUE(std::ranges::is_sorted(ports));
    EXPECT_EQ(std::ranges::count_if(ports, [](int port) { return port >= 65; }), 2);
}

TEST_F(DescribedPorts, AccessIsAskedForEachDevice)
{
    link("ttyTELVAR0", "/dev/null");
    link("ttyTELVAR1", "/dev/null");
    std::vector<std::string> asked;
    SetComPortAccessCheck([&](const std::string& device) {
        asked.push_back(device);
        return device != ComDevice(66);
    });

    const std::vector<ComPortInfo> found = links();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found[0].accessible);
    EXPECT_FALSE(found[1].accessible);
    EXPECT_NE(std::ranges::find(asked, ComDevice(66)), asked.end());
    EXPECT_EQ(ComPortLabel(found[1]), "COM66   " + ComDevice(66) + "   - no permission to open");
}

}  // namespace
}  // namespace telvar
