// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/report_sections.h"

#include "platform/html_text.h"
#include "platform/translation.h"
#include "stats/figure_rows.h"

#include <algorithm>
#include <cstdio>

namespace telvar {

namespace {

constexpr int READINGS_A_ROW = 10;

std::string number(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string cell(const std::string& text, const char* tag = "td")
{
    return std::string("<") + tag + ">" + html_escaped(text) + "</" + tag + ">";
}

// A heading that starts a new page.
std::string page_heading(const std::string& title)
{
    return "<h1 style=\"page-break-before: always\">" + html_escaped(title) + "</h1>\n";
}

}  // namespace

std::string statistics_report_html(const ChannelFigures& figures, const std::string& window)
{
    std::string html = page_heading(tr_text("Statistics", "Statistics")) + "<p>" + html_escaped(window)
                       + "</p>\n<table cellspacing=\"0\">\n<tr>" + cell("", "th");
    for (const StatChannel& channel : STAT_CHANNELS)
        html += cell(shown_label(channel), "th");
    html += "</tr>\n";
    for (const FigureRow& row : FIGURE_ROWS) {
        html += "<tr>" + cell(shown_label(row));
        for (const Figures& f : figures)
            html += cell(row.text(f));
        html += "</tr>\n";
    }
    html += "</table>\n";
    for (std::size_t k = 0; k < figures.size(); ++k)
        if (!figures[k].reason.empty())
            html += "<p>"
                    + html_escaped(std::string(shown_label(STAT_CHANNELS[k])) + ": " + NO_FIGURE + " "
                                   + shown_reason(figures[k].reason))
                    + "</p>\n";
    return html;
}

std::string gauge_study_verdict(const GaugeStudy& study)
{
    if (!study.cg || !study.cgk)
        return with_args(tr_text("GaugeStudy", "Cg and Cgk %1: %2"),
                         {NO_FIGURE, shown_causes(study.reason, [](const char* cause) {
                              return tr_text("GaugeStudy", cause);
                          })});
    const std::string cg = number("%.2f", *study.cg);
    const std::string cgk = number("%.2f", *study.cgk);
    const std::string capable = number("%.2f", GAUGE_CAPABLE);
    return study.capable
               ? with_args(tr_text("GaugeStudy", "Cg %1, Cgk %2: capable (both at least %3 is capable)"),
                           {cg, cgk, capable})
               : with_args(tr_text("GaugeStudy", "Cg %1, Cgk %2: not capable (both at least %3 is capable)"),
                           {cg, cgk, capable});
}

std::string gauge_study_report_html(const GaugeStudyRecord& study)
{
    const GaugeStudy& r = study.result;
    const auto row = [](const std::string& caption, const std::string& value) {
        return "<tr>" + cell(caption) + cell(value) + "</tr>\n";
    };
    std::string html =
        page_heading(tr_text("GaugeStudy", "Gauge study (type 1)")) + "<table cellspacing=\"0\">\n"
        // The record keeps the channel's English label, as STAT_CHANNELS has it.
        + row(tr_text("GaugeStudy", "Channel"), tr_text("Statistics", study.channel.c_str()))
        + row(tr_text("GaugeStudy", "Reference value"), number("%g", study.reference))
        + row(tr_text("GaugeStudy", "Tolerance"), number("%g", study.tolerance))
        + row(tr_text("GaugeStudy", "Readings"), std::to_string(study.readings.size()))
        + row(tr_text("GaugeStudy", "Mean"), r.mean ? number("%.3f", *r.mean) : NO_FIGURE)
        + row("s (n-1)", r.s ? number("%.3f", *r.s) : NO_FIGURE)
        + row(tr_text("GaugeStudy", "Result"), gauge_study_verdict(r)) + "</table>\n<p>"
        + html_escaped(tr_text("GaugeStudy", "Readings in the order taken:")) + "</p>\n<table cellspacing=\"0\">\n";
    for (std::size_t k = 0; k < study.readings.size(); k += READINGS_A_ROW) {
        html += "<tr>";
        for (std::size_t j = k; j < std::min(study.readings.size(), k + READINGS_A_ROW); ++j)
            html += cell(number("%g", study.readings[j]));
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace telvar
