// SPDX-License-Identifier: GPL-3.0-or-later
// What Send, Get and Compare tell besides their status texts, for whoever
// shows it: how far a transfer with the controller has come, and a chosen
// parameter file that holds no parameter. The window shows the progress
// bar and the message of them.
#pragma once

#include <functional>
#include <string>

namespace telvar {

enum class TransferEventKind {
    Progress,        // the progress bar shown at `percent`
    ProgressHidden,  // the progress bar hidden where it stands
    NoParameter,     // `text` says which file
};

struct TransferEvent {
    TransferEventKind kind;
    int percent = 0;
    std::string text{};
};

// Each observer has a name; setting a name again replaces its observer, an
// empty observer removes it. They are told in the order they were first set.
using TransferObserver = std::function<void(const TransferEvent& event)>;
void set_transfer_observer(const std::string& name, TransferObserver observer);
void report_transfer_event(const TransferEvent& event);

}  // namespace telvar
