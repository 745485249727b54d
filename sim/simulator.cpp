// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/simulator.h"

#include <cstdio>

#include <QSaveFile>

#include "sim/core/eeprom_file.h"
#include "sim/real_time.h"

namespace telvar::sim {

Simulator::Simulator(const SimOptions& options) : options_(options) {}

bool Simulator::start(QString& error)
{
    ParameterSet eeprom = factory_parameters();
    if (!options_.eeprom_path.isEmpty()) {
        const auto loaded = load_eeprom(options_.eeprom_path, error);
        if (!loaded)
            return false;
        eeprom = *loaded;
    }
    controller_ = std::make_unique<Controller>(eeprom, options_.noise_start, real_now());
    if (!options_.eeprom_path.isEmpty())
        controller_->on_eeprom_written([this](const ParameterSet& set) { save_eeprom(set); });

    if (options_.tcp_port) {
        tcp_ = std::make_unique<TcpServer>(*controller_, options_.faults, !options_.fast);
        if (!tcp_->listen(*options_.tcp_port, error))
            return false;
        std::printf("tcp 127.0.0.1:%u\n", unsigned(tcp_->port()));
    }
    if (!options_.pty_path.isEmpty()) {
        pty_ = std::make_unique<PtyLink>(*controller_, options_.faults, options_.baud_pacing, image_sink());
        if (!pty_->open(options_.pty_path, error))
            return false;
        std::printf("pty %s -> %s\n", qPrintable(options_.pty_path), qPrintable(pty_->terminal_name()));
    }
    if (!options_.device_path.isEmpty()) {
        device_ = std::make_unique<SerialDeviceLink>(*controller_, options_.faults, image_sink());
        if (!device_->open(options_.device_path, error))
            return false;
        std::printf("device %s\n", qPrintable(options_.device_path));
    }
    std::fflush(stdout);
    return true;
}

LinkSession::ImageSink Simulator::image_sink()
{
    return [this](const std::string& image) { save_image(image); };
}

// A failed write is reported and the run goes on: the controller's memory
// still holds the values.
void Simulator::save_eeprom(const ParameterSet& set)
{
    QString error;
    if (!telvar::sim::save_eeprom(options_.eeprom_path, set, error))
        std::fprintf(stderr, "eeprom: %s\n", qPrintable(error));
}

void Simulator::save_image(const std::string& image)
{
    std::fprintf(stderr, "boot loader: received %zu bytes of S-records\n", image.size());
    if (options_.image_out.isEmpty())
        return;
    QSaveFile file(options_.image_out);
    if (!file.open(QIODevice::WriteOnly) || file.write(image.data(), qint64(image.size())) != qint64(image.size())
        || !file.commit())
        std::fprintf(stderr, "image: cannot write %s: %s\n", qPrintable(options_.image_out),
                     qPrintable(file.errorString()));
}

}  // namespace telvar::sim
