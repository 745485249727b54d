// SPDX-License-Identifier: GPL-3.0-or-later
// The wait cursor for as long as a WaitCursor lives. Uses may nest: the
// cursor stays until the outermost one ends, so that the TCP connect's own
// wait cursor does not end the connection dialog's.
#pragma once

namespace telvar {

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace telvar
