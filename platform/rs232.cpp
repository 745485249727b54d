// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rs232.h"

#include "platform/events.h"
#include "platform/handle_table.h"
#include "platform/serial_ports.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <memory>

namespace telvar {

namespace {

struct Port {
    std::unique_ptr<QSerialPort> serial;
    double timeout = 10.0;
    int eventMask = 0;
    int notifyCount = 0;
    int eventCharacter = -1;
    ComCallbackPtr callback = nullptr;
    void* callbackData = nullptr;
    qint64 seenInQ = 0;  // bytes already scanned for the event character
    ComLostCallbackPtr lost = nullptr;
    bool broken = false;
    unsigned opening = 0;  // tells this opening of the port from later ones
};

unsigned g_openings = 0;

// By the port number the caller opened it as.
detail::HandleTable<Port> g_ports;

Port* open_port(int port)
{
    return g_ports.find(port);
}

int open_error_code(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError: return kRS_NoPortFound;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError: return kRS_CannotOpenPort;
    case QSerialPort::UnsupportedOperationError: return kRS_InvalidParameter;
    case QSerialPort::TimeoutError: return kRS_Timeout;
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError: return kRS_UnknownIOError;
    default: return kRS_UnknownSysError;
    }
}

void deliver_events(int number, Port& p)
{
    if (!p.callback)
        return;
    int events = 0;
    const qint64 inQ = p.serial->bytesAvailable();
    if ((p.eventMask & LWRS_RXFLAG) && p.eventCharacter >= 0 && inQ > p.seenInQ) {
        const QByteArray waiting = p.serial->peek(inQ);
        if (waiting.indexOf(static_cast<char>(p.eventCharacter), p.seenInQ) >= 0)
            events |= LWRS_RXFLAG;
    }
    p.seenInQ = inQ;
    if ((p.eventMask & LWRS_RECEIVE) && p.notifyCount > 0 && inQ >= p.notifyCount)
        events |= LWRS_RECEIVE;
    if (events) {
        p.callback(number, events, p.callbackData);
        WakeWaiters();
    }
}

void deliver_tx_empty(int number, Port& p)
{
    if (p.callback && (p.eventMask & LWRS_TXEMPTY) && p.serial->bytesToWrite() == 0) {
        p.callback(number, LWRS_TXEMPTY, p.callbackData);
        WakeWaiters();
    }
}

// Only for the opening that broke: the port may have been closed and opened
// again on a new device in the meantime. The port is closed at once, as a
// broken device keeps the read notifier firing and would spin the loop.
void deliver_lost(int number, unsigned opening)
{
    Port* p = open_port(number);
    if (!p || p->opening != opening)
        return;
    p->serial->close();
    if (p->lost)
        p->lost(number);
    WakeWaiters();
}

bool hung_up(int fd)
{
    pollfd line{fd, POLLIN, 0};
    return poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// Queued, once per opening: the port must not be closed inside its own signal.
void note_broken(int number, unsigned opening)
{
    Port* p = open_port(number);
    if (!p || p->opening != opening || p->broken)
        return;
    p->broken = true;
    // The command-line tool runs a QCoreApplication: no qApp, which names a QApplication.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [number, opening] { deliver_lost(number, opening); }, Qt::QueuedConnection);
}

QSerialPort::Parity parity_of(int parity)
{
    switch (parity) {
    case 1: return QSerialPort::OddParity;
    case 2: return QSerialPort::EvenParity;
    default: return QSerialPort::NoParity;
    }
}

int read_bytes(Port& p, char* buffer, int count, int terminationByte)
{
    QDeadlineTimer deadline(ScaledMilliseconds(p.timeout));
    int got = 0;
    while (got < count) {
        if (p.serial->bytesAvailable() == 0 && !p.serial->waitForReadyRead(deadline.remainingTime()))
            break;
        char c;
        while (got < count && p.serial->getChar(&c)) {
            if (terminationByte >= 0 && static_cast<unsigned char>(c) == terminationByte) {
                p.seenInQ = p.serial->bytesAvailable();
                return got;
            }
            buffer[got++] = c;
        }
        if (deadline.hasExpired())
            break;
    }
    p.seenInQ = p.serial->bytesAvailable();
    return got;
}

}  // namespace

int OpenComConfig(int port, const char* deviceName, long baudRate, int parity, int dataBits,
                  int stopBits, int inputQueueSize, int outputQueueSize)
{
    (void)outputQueueSize;  // QSerialPort's output buffer grows as needed
    const std::string device = deviceName && *deviceName ? deviceName : ComDevice(port);
    if (device.empty())
        return kRS_InvalidPortNum;
    if (open_port(port))
        CloseCom(port);
    if (!QFileInfo::exists(QString::fromStdString(device)))
        return kRS_NoPortFound;

    auto serial = std::make_unique<QSerialPort>(QString::fromStdString(device));
    serial->setReadBufferSize(inputQueueSize);
    if (!serial->open(QIODevice::ReadWrite))
        return open_error_code(serial->error());
    const bool configured = serial->setBaudRate(static_cast<qint32>(baudRate))
        && serial->setParity(parity_of(parity))
        && serial->setDataBits(static_cast<QSerialPort::DataBits>(dataBits))
        && serial->setStopBits(stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop)
        && serial->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured)
        return kRS_InvalidParameter;

    QSerialPort* raw = serial.get();
    QObject::connect(raw, &QSerialPort::readyRead, [port] {
        if (Port* p = open_port(port))
            deliver_events(port, *p);
    });
    QObject::connect(raw, &QSerialPort::bytesWritten, [port] {
        if (Port* p = open_port(port))
            deliver_tx_empty(port, *p);
    });
    // Queued: the callback may close the port, which must not happen inside
    // the port's own error signal.
    const unsigned opening = ++g_openings;
    // A device unplugged reports a resource error; the far end of a
    // pseudo-terminal closing, read errors first. A wake-up without bytes
    // (XON and XOFF taken by the line) reports them as well, from a stale
    // errno: only a line that has hung up is broken, the rest reads on.
    QObject::connect(raw, &QSerialPort::errorOccurred, raw, [raw, port, opening](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
            return;
        if (hung_up(raw->handle())) {
            note_broken(port, opening);
            return;
        }
        raw->clearError();
        raw->setReadBufferSize(raw->readBufferSize());  // turns reading back on
    });
    Port opened;
    opened.serial = std::move(serial);
    opened.opening = opening;
    g_ports.put(port, std::move(opened));
    return 0;
}

int CloseCom(int port)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    // deleteLater: this may run inside one of the port's own signals.
    QSerialPort* serial = p->serial.release();
    serial->disconnect();
    serial->close();
    serial->deleteLater();
    g_ports.remove(port);
    return 0;
}

int SetComTime(int port, double timeoutSeconds)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    if (timeoutSeconds < 0)
        return kRS_InvalidParameter;
    p->timeout = timeoutSeconds;
    return 0;
}

int SetCTSMode(int port, int mode)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    if (mode != LWRS_HWHANDSHAKE_OFF)
        return p->serial->setFlowControl(QSerialPort::HardwareControl) ? 0 : kRS_InvalidParameter;
    if (p->serial->flowControl() == QSerialPort::HardwareControl
        && !p->serial->setFlowControl(QSerialPort::NoFlowControl))
        return kRS_InvalidParameter;
    return 0;
}

int SetXMode(int port, int mode)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    const auto flow = mode ? QSerialPort::SoftwareControl : QSerialPort::NoFlowControl;
    if (!p->serial->setFlowControl(flow))
        return kRS_InvalidParameter;
    // Qt adds IXANY, with which any byte received restarts output that XOFF
    // stopped: only XON may do that.
    termios settings{};
    if (tcgetattr(p->serial->handle(), &settings) == 0) {
        settings.c_iflag &= ~static_cast<tcflag_t>(IXANY);
        tcsetattr(p->serial->handle(), TCSANOW, &settings);
    }
    return 0;
}

int FlushInQ(int port)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    p->serial->clear(QSerialPort::Input);
    p->serial->readAll();
    p->seenInQ = 0;
    return 0;
}

int FlushOutQ(int port)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    p->serial->clear(QSerialPort::Output);
    return 0;
}

int InstallComCallback(int port, int eventMask, int notifyCount, int eventCharacter,
                       ComCallbackPtr callback, void* callbackData)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    if (notifyCount < 0)
        return kRS_InvalidParameter;
    p->eventMask = eventMask;
    p->notifyCount = notifyCount;
    p->eventCharacter = eventCharacter;
    p->callback = callback;
    p->callbackData = callbackData;
    return 0;
}

int InstallComLostCallback(int port, ComLostCallbackPtr callback)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    p->lost = callback;
    return 0;
}

int ComWrt(int port, const char* buffer, int count)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    const qint64 queued = p->serial->write(buffer, count);
    if (queued < 0)
        return kRS_UnknownIOError;
    p->serial->flush();  // starts sending now instead of at the next event pass
    return static_cast<int>(queued);
}

int ComRd(int port, char* buffer, int count)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    return read_bytes(*p, buffer, count, -1);
}

int ComRdTerm(int port, char* buffer, int count, int terminationByte)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    return read_bytes(*p, buffer, count, terminationByte & 0xFF);
}

int GetInQLen(int port)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    return static_cast<int>(p->serial->bytesAvailable());
}

int GetOutQLen(int port)
{
    Port* p = open_port(port);
    if (!p)
        return kRS_PortNotOpen;
    p->serial->flush();
    // What Qt still holds plus what waits in the driver for the wire.
    int in_driver = 0;
    if (ioctl(p->serial->handle(), TIOCOUTQ, &in_driver) != 0)
        in_driver = 0;
    return static_cast<int>(p->serial->bytesToWrite()) + in_driver;
}

}  // namespace telvar
