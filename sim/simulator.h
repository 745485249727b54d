// SPDX-License-Identifier: GPL-3.0-or-later
// The whole simulated controller: one controller shared by every line the
// options ask for, with its EEPROM file and the download image file.
#pragma once

#include <memory>
#include <string>

#include <QString>

#include "sim/core/controller.h"
#include "sim/options.h"
#include "sim/pty_link.h"
#include "sim/serial_device_link.h"
#include "sim/tcp_server.h"

namespace telvar::sim {

class Simulator {
public:
    explicit Simulator(const SimOptions& options);

    // Opens every line and reports each on standard output.
    bool start(QString& error);

private:
    void save_eeprom(const ParameterSet& set);
    void save_image(const std::string& image);
    LinkSession::ImageSink image_sink();

    SimOptions options_;
    std::unique_ptr<Controller> controller_;
    std::unique_ptr<TcpServer> tcp_;
    std::unique_ptr<PtyLink> pty_;
    std::unique_ptr<SerialDeviceLink> device_;
};

}  // namespace telvar::sim
