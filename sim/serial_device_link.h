// SPDX-License-Identifier: GPL-3.0-or-later
// The controller's serial side on a real serial device, for a test over a
// null-modem cable. Speed changes wait until the bytes before them are on
// the wire; a hang-up closes the device and opens it again.
#pragma once

#include <memory>

#include <QObject>
#include <QSerialPort>
#include <QString>

#include "sim/core/controller.h"
#include "sim/core/faults.h"
#include "sim/core/link_session.h"
#include "sim/link_runner.h"

namespace telvar::sim {

class SerialDeviceLink : public QObject {
public:
    SerialDeviceLink(Controller& controller, const FaultOptions& faults, LinkSession::ImageSink image_sink);

    bool open(const QString& path, QString& error);

private:
    void start_session();
    void read();
    void set_baud(int baud);
    void hang_up();

    Controller& controller_;
    FaultOptions faults_;
    LinkSession::ImageSink image_sink_;
    QString path_;
    QSerialPort port_;
    std::unique_ptr<LinkRunner> runner_;
};

}  // namespace telvar::sim
