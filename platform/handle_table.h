// SPDX-License-Identifier: GPL-3.0-or-later
// The objects the platform hands out by number: files, timers, panels,
// connections, notices, plots. Internal to the platform layer.
#pragma once

#include <map>
#include <utility>

namespace telvar::detail {

// Handles count up from 1 and are never given twice, so that a handle kept
// after its object went never reaches a newer one. Iteration runs in handle
// order, oldest first.
template <typename T, typename Handle = int>
class HandleTable {
public:
    // Keeps `object` under a new handle.
    Handle add(T object)
    {
        const Handle handle = next_++;
        objects_.emplace(handle, std::move(object));
        return handle;
    }

    // Keeps `object` under a number its caller chose, in place of the object
    // there. For a table whose numbers the caller chooses (a port number); such
    // a table never calls add().
    void put(Handle handle, T object) { objects_.insert_or_assign(handle, std::move(object)); }

    T* find(Handle handle)
    {
        const auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : &it->second;
    }

    const T* find(Handle handle) const
    {
        const auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : &it->second;
    }

    // An unknown handle is ignored.
    void remove(Handle handle) { objects_.erase(handle); }

    // Forgets every object; their handles stay used.
    void clear() { objects_.clear(); }

    auto begin() { return objects_.begin(); }
    auto end() { return objects_.end(); }
    auto begin() const { return objects_.begin(); }
    auto end() const { return objects_.end(); }

private:
    std::map<Handle, T> objects_;
    Handle next_ = 1;
};

}  // namespace telvar::detail
