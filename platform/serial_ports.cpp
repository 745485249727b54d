// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/serial_ports.h"

#include "platform/test_seams.h"

#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>

#include <unistd.h>

#include <functional>

namespace telvar {

namespace {

struct Block {
    int first;
    int count;
    const char* prefix;
};

constexpr Block kBlocks[] = {
    {1, 32, "/dev/ttyS"},
    {33, 16, "/dev/ttyUSB"},
    {49, 16, "/dev/ttyACM"},
};
constexpr int kPtyFirst = 65;
constexpr int kPtyCount = 16;

std::string g_pty_dir = "/tmp";
std::function<bool(const std::string&)> g_access_check;

// Whether this user may open the device for reading and writing; root always may.
bool may_open(const std::string& device)
{
    if (g_access_check)
        return g_access_check(device);
    return ::access(device.c_str(), R_OK | W_OK) == 0;
}

// A USB device names itself: one line of plain text whatever it sends.
std::string plain(const QString& text)
{
    return text.simplified().toStdString();
}

}  // namespace

std::string ComDevice(int port)
{
    for (const Block& b : kBlocks)
        if (port >= b.first && port < b.first + b.count)
            return b.prefix + std::to_string(port - b.first);
    if (port >= kPtyFirst && port < kPtyFirst + kPtyCount)
        return g_pty_dir + "/ttyTELVAR" + std::to_string(port - kPtyFirst);
    return {};
}

bool SerialDeviceAccessible(const std::string& device)
{
    return may_open(device);
}

bool ComPortPresent(int port)
{
    const std::string device = ComDevice(port);
    return !device.empty() && QFileInfo::exists(QString::fromStdString(device));
}

std::vector<int> AvailableComPorts()
{
    std::vector<int> ports;
    for (const ComPortInfo& info : DescribeComPorts())
        ports.push_back(info.port);
    return ports;
}

std::vector<ComPortInfo> DescribeComPorts()
{
    // QSerialPortInfo leaves out the ttyS nodes that have no UART behind them.
    QHash<QString, QSerialPortInfo> present;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        present.insert(info.systemLocation(), info);

    std::vector<ComPortInfo> ports;
    for (int port = COM_FIRST; port <= COM_LAST; ++port) {
        ComPortInfo info;
        info.port = port;
        info.device = ComDevice(port);
        const QString device = QString::fromStdString(info.device);
        if (port >= kPtyFirst) {
            if (!QFileInfo::exists(device))
                continue;
        } else if (const auto found = present.constFind(device); found != present.cend()) {
            info.description = plain(found->description());
            info.manufacturer = plain(found->manufacturer());
            info.serial_number = plain(found->serialNumber());
        } else {
            continue;
        }
        info.accessible = may_open(info.device);
        ports.push_back(std::move(info));
    }
    return ports;
}

std::string ComPortLabel(const ComPortInfo& info)
{
    std::string details = info.manufacturer;
    if (!info.serial_number.empty())
        details += (details.empty() ? "" : ", ") + info.serial_number;
    std::string about = info.description;
    if (!details.empty())
        about += (about.empty() ? "(" : " (") + details + ")";

    std::string label = "COM" + std::to_string(info.port) + "   " + info.device;
    if (!about.empty())
        label += "   " + about;
    if (!info.accessible)
        label += tr_text("Ports", "   - no permission to open");
    return label;
}

void SetPseudoTerminalDir(const std::string& dir)
{
    g_pty_dir = dir;
}

void SetComPortAccessCheck(std::function<bool(const std::string& device)> check)
{
    g_access_check = std::move(check);
}

}  // namespace telvar
