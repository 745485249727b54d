// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/serial_device_link.h"

#include <cstdio>

#include <termios.h>

#include <QTimer>

#include "link/orders.h"

namespace telvar::sim {

SerialDeviceLink::SerialDeviceLink(Controller& controller, const FaultOptions& faults,
                                   LinkSession::ImageSink image_sink)
    : controller_(controller), faults_(faults), image_sink_(std::move(image_sink))
{
    connect(&port_, &QSerialPort::readyRead, this, &SerialDeviceLink::read);
}

bool SerialDeviceLink::open(const QString& path, QString& error)
{
    path_ = path;
    port_.setPortName(path);
    port_.setBaudRate(PROTOCOL_BAUD);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        error = QStringLiteral("cannot open %1: %2").arg(path, port_.errorString());
        return false;
    }
    start_session();
    return true;
}

void SerialDeviceLink::start_session()
{
    ActionPlayer::Port port{
        [this](const QByteArray& bytes) { port_.write(bytes); },
        [this](int baud) { set_baud(baud); },
        [this] { QTimer::singleShot(0, this, [this] { hang_up(); }); },
    };
    runner_ = std::make_unique<LinkRunner>(controller_, LinkKind::serial, faults_, image_sink_, std::move(port), false);
    runner_->on_room([this] { QTimer::singleShot(0, this, [this] { read(); }); });
}

// What the serial port holds beyond the session's room stays there.
void SerialDeviceLink::read()
{
    while (port_.bytesAvailable() > 0 && runner_->room() > 0)
        runner_->receive(port_.read(runner_->room()));
}

void SerialDeviceLink::set_baud(int baud)
{
    port_.flush();
    tcdrain(static_cast<int>(port_.handle()));
    port_.setBaudRate(baud);
}

void SerialDeviceLink::hang_up()
{
    std::fprintf(stderr, "device: hanging up %s\n", qPrintable(path_));
    port_.flush();
    tcdrain(static_cast<int>(port_.handle()));
    port_.close();
    QString error;
    if (!open(path_, error))
        std::fprintf(stderr, "device: %s\n", qPrintable(error));
}

}  // namespace telvar::sim
