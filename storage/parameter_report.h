// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter report: the whole set as a person reads it, page by page
// with the pages' captions and texts, the outputs' mode table and the words
// on no page, then where the set came from, the line, the controller's
// version, the date and time and the tool's version. Values the pages show
// but have not sent say what the controller holds ("57, controller: 50"),
// and are listed first, page by page. Each page's values stand in the order
// the page shows them. It is HTML text, laid out on A4 pages by whoever
// prints it.
#pragma once

#include "params/reference.h"
#include "platform/translation.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace telvar {

inline constexpr const char* REPORT_TITLE = TR_NOOP("Report", "TELVAR-K20-Dizer parameter report");

// Where a set came from, other than a file. The report names them in the
// window's language.
inline constexpr const char* REPORT_FROM_PAGES = TR_NOOP("Report", "pages");
inline constexpr const char* REPORT_FROM_RAM = TR_NOOP("Report", "controller RAM");
inline constexpr const char* REPORT_FROM_EEPROM = TR_NOOP("Report", "controller EEPROM");

// The line as the report names it when none is open.
inline constexpr const char* REPORT_NO_LINE = TR_NOOP("Report", "Not connected");

struct ReportFacts {
    std::string source;              // a REPORT_FROM_ text, or the file's name (UTF-8)
    std::string connection;          // the line, "TCP 127.0.0.1:10001", or REPORT_NO_LINE (UTF-8)
    std::string controller_version;  // the controller's 8-bit version text as it came; empty when unknown
    std::time_t made = 0;            // when the report was made
    // The record's words the pages show but have not sent, and what the
    // marks call the set they differ from ("controller", "file").
    std::vector<UnsentChange> unsent{};
    std::string unsent_against{};
    // Sections the window adds after the report, as HTML: the statistics
    // and the gauge study, when there are any.
    std::string appendix_html{};
};

// The report of a record of PARAMETER_WORDS words as an HTML document in
// UTF-8, in the window's language (English where no translation is
// installed); every text from outside is escaped.
std::string parameter_report_html(const std::uint16_t* record, const ReportFacts& facts);

}  // namespace telvar
