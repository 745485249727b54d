// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_open.h"

#include "link/com232.h"
#include "link/line_check.h"
#include "link/line_watch.h"
#include "link/status.h"

namespace telvar {

namespace {

// Goes by what the line holds open rather than by its flag, so that a line
// whose check failed is still closed before the next opening.
int close_line(const LineFunctions& line)
{
    if (!line.is_open())
        return 0;
    const int code = line.close();
    if (!line.is_open())
        report_line_closed();
    if (code < 0) {
        set_status(line.error_text(code));
        return 1;
    }
    return 0;
}

}  // namespace

int init_line(const LineFunctions& line, const LineSettings& settings, int mode)
{
    if (mode != 0 && exchange_refused())
        return 0;
    const int closed = close_line(line);
    if (mode == 0)
        return closed;
    // A failed close does not keep the line from opening.
    const int code = line.open(settings);
    if (code < 0) {
        set_status(line.error_text(code));
        return 0;
    }
    if (!settings.checked)
        return 1;
    if (!CheckComLine() || !GetVERSIONInfo())
        return 0;
    report_line_open(line.describe(), szVersion);
    return 1;
}

}  // namespace telvar
