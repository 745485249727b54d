#include "platform/serial_ports.h"

#include "platform/test_seams.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSet>

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

std::vector<int> AvailableComPorts()
{
    // QSerialPortInfo leaves out the ttyS nodes that have no UART behind them.
    QSet<QString> present;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        present.insert(info.systemLocation());

    std::vector<int> ports;
    for (int port = COM_FIRST; port <= COM_LAST; ++port) {
        const QString device = QString::fromStdString(ComDevice(port));
        const bool is_pty_link = port >= kPtyFirst;
        if (is_pty_link ? QFileInfo::exists(device) : present.contains(device))
            ports.push_back(port);
    }
    return ports;
}

void SetPseudoTerminalDir(const std::string& dir)
{
    g_pty_dir = dir;
}

}  // namespace telvar
