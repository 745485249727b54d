// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sample_loop.h"

#include "cli/console.h"
#include "cli/interrupt.h"
#include "cli/line.h"
#include "scope/live_sample.h"

namespace telvar::cli {

int take_samples(long count, long* taken, const SampleSink& sink)
{
    for (*taken = 0; (count == 0 || *taken < count) && !interrupt_requested();) {
        if (exchange_live_sample()) {
            if (const int code = sink.take(*taken + 1); code != EXIT_DONE)
                return code;
            ++*taken;
            continue;
        }
        if (!line_is_waited_for())
            return interrupt_requested() ? EXIT_DONE : fail_with_status();
        if (const int code = sink.line_lost(); code != EXIT_DONE)
            return code;
        if (!line_came_back(sink.waiting))
            return interrupt_requested() ? EXIT_DONE : fail_with_status();
        sink.line_back();
    }
    return EXIT_DONE;
}

}  // namespace telvar::cli
