// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/link_session.h"

#include "link/orders.h"
#include "sim/core/answers.h"

namespace telvar::sim {

namespace {

// The protocol needs no back-pressure: whatever arrives is cut into frames.
constexpr std::size_t kProtocolRoom = 4096;

}  // namespace

LinkSession::LinkSession(Controller& controller, LinkKind kind, const FaultOptions& faults, ImageSink image_sink)
    : controller_(controller),
      kind_(kind),
      boot_settings_{!faults.no_prompt, !faults.no_start_message, kRecordTime},
      faults_(faults),
      image_sink_(std::move(image_sink))
{
}

Actions LinkSession::receive(std::span<const std::uint8_t> bytes, Time now)
{
    if (hung_up_)
        return {};
    if (boot_loader_)
        return leave_boot_loader_when_done(boot_loader_->receive(bytes, now));
    Actions out;
    for (const Request& request : receiver_.feed(bytes, now)) {
        append(out, answer(request, now));
        // Whatever followed in the same bytes belongs to no protocol now.
        if (boot_loader_ || hung_up_)
            break;
    }
    return out;
}

Actions LinkSession::tick(Time now)
{
    if (!boot_loader_ || hung_up_)
        return {};
    return leave_boot_loader_when_done(boot_loader_->process(now));
}

std::optional<Time> LinkSession::next_wakeup() const
{
    if (!boot_loader_ || hung_up_)
        return std::nullopt;
    return boot_loader_->next_wakeup();
}

std::size_t LinkSession::room() const
{
    return boot_loader_ ? boot_loader_->room() : kProtocolRoom;
}

// A request the faults ignore is not executed either; a refused one neither.
Actions LinkSession::answer(const Request& request, Time now)
{
    if (faults_.ignores(request.order))
        return {};
    const Response response =
        faults_.refuses(request.order) ? Response{refused(request.order)} : controller_.handle(request, kind_, now);
    if (response.bytes.empty())
        return {};
    Actions out = faults_.shape(response.bytes);
    if (response.start_boot_loader) {
        out.push_back(SwitchBaud{BOOTLOADER_BAUD});
        boot_loader_.emplace(boot_settings_, now);
        append(out, boot_loader_->start());
    }
    if (faults_.hangs_up_after_answer()) {
        out.push_back(Close{});
        hung_up_ = true;
    }
    return out;
}

Actions LinkSession::leave_boot_loader_when_done(Actions actions)
{
    const BootLoader::Outcome outcome = boot_loader_->outcome();
    if (outcome == BootLoader::Outcome::running)
        return actions;
    if (outcome != BootLoader::Outcome::timed_out && image_sink_)
        image_sink_(boot_loader_->image());
    boot_loader_.reset();
    receiver_ = FrameReceiver();
    actions.push_back(SwitchBaud{PROTOCOL_BAUD});
    return actions;
}

}  // namespace telvar::sim
