// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/link_events.h"

#include "platform/listeners.h"

#include <utility>

namespace telvar {

namespace {

Listeners<LinkEvent> g_link_observers;

}  // namespace

void set_link_observer(const std::string& name, LinkObserver observer)
{
    g_link_observers.set(name, std::move(observer));
}

void report_link_event(LinkEvent event)
{
    g_link_observers.tell(event);
}

}  // namespace telvar
