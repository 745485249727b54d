// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/report_command.h"

#include "app/navigation.h"
#include "link/line_watch.h"
#include "params/change_marks.h"
#include "params/mapping.h"
#include "platform/print.h"
#include "platform/translation.h"
#include "stats/statistics_pane.h"
#include "storage/parameter_report.h"
#include "ui/panels.h"

#include <ctime>
#include <string>

namespace telvar {

int CC_CMD_REPORT(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    const LineState& line = line_state();
    const ReportFacts facts{.source = REPORT_FROM_PAGES,
                            .connection = shown_line_description(line),
                            .controller_version = line.open() ? line.version : std::string(),
                            .made = std::time(nullptr),
                            .unsent = unsent_changes(),
                            .unsent_against = reference_name(),
                            .appendix_html = statistics_report_appendix()};
    const auto record = pages_record();
    tell_where_printed(PrintDocument(panelMAIN, parameter_report_html(record.data(), facts)),
                       tr_text("Window", "Parameter report"));
    return 0;
}

}  // namespace telvar
