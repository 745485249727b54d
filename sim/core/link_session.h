// SPDX-License-Identifier: GPL-3.0-or-later
// One line to the controller: a TCP connection, the pseudo-terminal or a
// serial device. It cuts requests from the incoming bytes, lets the shared
// controller answer, bends the answers as the fault options say, and on a
// serial line hands over to the boot loader and back.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "sim/core/actions.h"
#include "sim/core/bootloader.h"
#include "sim/core/controller.h"
#include "sim/core/faults.h"
#include "sim/core/frame_receiver.h"
#include "sim/core/time.h"

namespace telvar::sim {

class LinkSession {
public:
    // Receives the image of each download that reached its termination record.
    using ImageSink = std::function<void(const std::string& image)>;

    LinkSession(Controller& controller, LinkKind kind, const FaultOptions& faults, ImageSink image_sink = {});

    Actions receive(std::span<const std::uint8_t> bytes, Time now);
    // Lets time-driven work run: the boot loader programming its records.
    Actions tick(Time now);

    std::optional<Time> next_wakeup() const;
    // How many bytes the line may hand over now; the rest waits on the line.
    std::size_t room() const;
    bool in_boot_loader() const { return boot_loader_.has_value(); }

private:
    Actions answer(const Request& request, Time now);
    Actions leave_boot_loader_when_done(Actions actions);

    Controller& controller_;
    LinkKind kind_;
    BootLoaderSettings boot_settings_;
    FaultInjector faults_;
    FrameReceiver receiver_;
    std::optional<BootLoader> boot_loader_;
    ImageSink image_sink_;
    bool hung_up_ = false;
};

}  // namespace telvar::sim
