// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/report_sections.h"

#include "platform/html_text.h"
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
    std::string html = page_heading("Statistics") + "<p>" + html_escaped(window) + "</p>\n<table cellspacing=\"0\">\n<tr>"
                       + cell("", "th");
    for (const StatChannel& channel : STAT_CHANNELS)
        html += cell(channel.label, "th");
    html += "</tr>\n";
    for (const FigureRow& row : FIGURE_ROWS) {
        html += "<tr>" + cell(row.label);
        for (const Figures& f : figures)
            html += cell(row.text(f));
        html += "</tr>\n";
    }
    html += "</table>\n";
    for (std::size_t k = 0; k < figures.size(); ++k)
        if (!figures[k].reason.empty())
            html += "<p>" + html_escaped(std::string(STAT_CHANNELS[k].label) + ": " + NO_FIGURE + " " + figures[k].reason)
                    + "</p>\n";
    return html;
}

std::string gauge_study_verdict(const GaugeStudy& study)
{
    if (!study.cg || !study.cgk)
        return std::string("Cg and Cgk ") + NO_FIGURE + ": " + study.reason;
    return "Cg " + number("%.2f", *study.cg) + ", Cgk " + number("%.2f", *study.cgk) + ": "
           + (study.capable ? "capable" : "not capable") + " (both at least " + number("%.2f", GAUGE_CAPABLE)
           + " is capable)";
}

std::string gauge_study_report_html(const GaugeStudyRecord& study)
{
    const GaugeStudy& r = study.result;
    const auto row = [](const std::string& caption, const std::string& value) {
        return "<tr>" + cell(caption) + cell(value) + "</tr>\n";
    };
    std::string html = page_heading("Gauge study (type 1)") + "<table cellspacing=\"0\">\n"
                       + row("Channel", study.channel) + row("Reference value", number("%g", study.reference))
                       + row("Tolerance", number("%g", study.tolerance))
                       + row("Readings", std::to_string(study.readings.size()))
                       + row("Mean", r.mean ? number("%.3f", *r.mean) : NO_FIGURE)
                       + row("s (n-1)", r.s ? number("%.3f", *r.s) : NO_FIGURE)
                       + row("Result", gauge_study_verdict(r)) + "</table>\n<p>Readings in the order taken:</p>\n"
                       + "<table cellspacing=\"0\">\n";
    for (std::size_t k = 0; k < study.readings.size(); k += READINGS_A_ROW) {
        html += "<tr>";
        for (std::size_t j = k; j < std::min(study.readings.size(), k + READINGS_A_ROW); ++j)
            html += cell(number("%g", study.readings[j]));
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace telvar
