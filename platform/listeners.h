// SPDX-License-Identifier: GPL-3.0-or-later
// Named listeners of one kind of report. Setting a name again replaces its
// listener and an empty listener removes it; they are told in the order
// they were first set, and a listener may set another while it is told.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace telvar {

template <typename Report>
class Listeners {
public:
    using Listener = std::function<void(const Report& report)>;

    void set(const std::string& name, Listener listener)
    {
        const auto it = std::find_if(named_.begin(), named_.end(), [&](const auto& n) { return n.first == name; });
        if (!listener) {
            if (it != named_.end())
                named_.erase(it);
        } else if (it != named_.end()) {
            it->second = std::move(listener);
        } else {
            named_.emplace_back(name, std::move(listener));
        }
    }

    bool empty() const { return named_.empty(); }

    void tell(const Report& report) const
    {
        const auto listeners = named_;
        for (const auto& named : listeners)
            named.second(report);
    }

private:
    std::vector<std::pair<std::string, Listener>> named_;
};

}  // namespace telvar
