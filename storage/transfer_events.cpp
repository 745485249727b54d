// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/transfer_events.h"

#include "platform/listeners.h"

#include <utility>

namespace telvar {

namespace {

Listeners<TransferEvent> g_transfer_observers;

}  // namespace

void set_transfer_observer(const std::string& name, TransferObserver observer)
{
    g_transfer_observers.set(name, std::move(observer));
}

void report_transfer_event(const TransferEvent& event)
{
    g_transfer_observers.tell(event);
}

}  // namespace telvar
