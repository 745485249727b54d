// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/parameter_report.h"

#include "params/conversions.h"
#include "params/events.h"
#include "params/labels.h"
#include "params/output_presets.h"
#include "params/parameter_names.h"
#include "params/record.h"
#include "platform/html_text.h"
#include "platform/translation.h"
#include "storage/parameter_keys.h"
#include "storage/reading_order.h"
#include "storage/unsent_texts.h"

#include "telvar_version.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace telvar {

namespace {

// Laid out by a rich-text engine that knows a little CSS: font sizes in
// points, spaces in pixels (it takes no points there), a border for each cell.
constexpr const char* kStyle =
    "body { font-size: 9pt; }"
    "h1 { font-size: 15pt; margin-bottom: 6px; }"
    "th.title { font-size: 11pt; font-weight: bold; background-color: white; border-style: none;"
    " padding: 10px 0px 3px 0px; }"
    "table { border-collapse: collapse; }"
    "td, th { border: 1px solid #a0a0a0; padding: 2px 5px; }"
    "th { background-color: #e8e8e8; font-weight: normal; }"
    ".events { color: #404040; font-size: 8pt; }"
    ".off { color: #a0a0a0; }"
    ".unsent { color: #b34700; font-weight: bold; }";

// The selector groups of a channel's first page: the word's offset, the
// group and the bits its selectors stand for.
struct GroupWord {
    int offset;
    Group group;
    std::uint16_t bits;
};

constexpr GroupWord kGroupWords[] = {
    {CH_MAX_MODE, Group::MaxValue, 0xFFFF},
    {CH_SNAPSHOT_MODE, Group::Snapshot, 0x00FF},
    {CH_RESET_MODE, Group::Reset, 0x00FF},
    {CH_VALID_MODE, Group::ResultValid, 0xFFFF},
};

// The controller's 8-bit text is Latin-1: its upper half becomes two bytes of UTF-8.
std::string utf8_of_latin1(std::string_view text)
{
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::string row(std::string_view caption, const std::string& value_html)
{
    return "<tr><td width=\"40%\">" + html_escaped(caption) + "</td><td>" + value_html + "</td></tr>\n";
}

std::string table(const std::string& rows)
{
    return "<table width=\"100%\" cellspacing=\"0\">\n" + rows + "</table>\n";
}

// A table under its title, which heads it again on the next page should
// the table go on there.
std::string titled_table(std::string_view title, const std::string& rows)
{
    return "<table width=\"100%\" cellspacing=\"0\">\n<thead><tr><th colspan=\"2\" align=\"left\" class=\"title\">"
        + html_escaped(title) + "</th></tr></thead>\n" + rows + "</table>\n";
}

const GroupWord* group_word(int index)
{
    if (index >= BLOCK_COMMON)
        return nullptr;
    for (const GroupWord& g : kGroupWords)
        if (g.offset == index % BLOCK_WORDS)
            return &g;
    return nullptr;
}

// The page shows the highest event of a group and ", ..." for more; the
// report names every one of them below.
std::string conditions_html(const GroupWord& g, std::uint16_t word, const std::string& shown_html)
{
    std::string html = shown_html;
    const std::uint16_t events = word & g.bits;
    const bool every_sample = has_every_sample(g.group) && word == EVERY_SAMPLE;
    if (every_sample || (events & (events - 1)) == 0)
        return html;
    std::string names;
    for (int bit = 15; bit >= 0; --bit) {
        if (!((events >> bit) & 1u))
            continue;
        // The event is what follows the group's prefix and its colon, in
        // whatever language the label came; a label without one is named whole.
        const std::string label = condition_label(g.group, static_cast<std::uint16_t>(1u << bit));
        const std::size_t colon = label.find(": ");
        names += (names.empty() ? "" : ", ") + (colon == std::string::npos ? label : label.substr(colon + 2));
    }
    return html + "<br><span class=\"events\">" + html_escaped(with_args(tr_text("Report", "Selected: %1"), {names}))
        + "</span>";
}

const UnsentChange* unsent_of(const ReportFacts& facts, int index)
{
    for (const UnsentChange& change : facts.unsent)
        if (change.index == index)
            return &change;
    return nullptr;
}

// A value not sent is followed by what the reference holds.
std::string value_html(int index, std::uint16_t word, const ReportFacts& facts)
{
    const UnsentChange* change = unsent_of(facts, index);
    const std::string shown =
        change ? "<span class=\"unsent\">" + html_escaped(unsent_value_text(*change, facts.unsent_against)) + "</span>"
               : html_escaped(shown_text(index, word));
    if (const GroupWord* g = group_word(index))
        return conditions_html(*g, word, shown);
    return shown;
}

bool in_mode_table(int index)
{
    return index >= output_mode_word(0) && index <= output_config_word(OUTPUTS - 1);
}

std::uint16_t selector_bits()
{
    std::uint16_t bits = 0;
    for (const int bit : OUTPUT_MODE_BITS)
        bits |= static_cast<std::uint16_t>(1u << bit);
    return bits;
}

// Rows: outputs 0-2; columns: the mode bits that have a selector, the
// configuration flag and value, as the outputs page draws them.
std::string mode_table(const std::uint16_t* record)
{
    // Its heads head it again on the next page, should it go on there.
    std::string html = "<table cellspacing=\"0\">\n<thead><tr><th></th><th colspan=\""
        + std::to_string(OUTPUT_MODE_BITS.size()) + "\">" + html_escaped(tr_text("Report", "Mode bit")) + "</th><th>"
        + html_escaped(tr_text("Report", "Configuration")) + "</th><th>" + html_escaped(tr_text("Report", "Value"))
        + "</th></tr>\n<tr><th></th>";
    for (const int bit : OUTPUT_MODE_BITS)
        html += "<th>" + std::to_string(bit) + "</th>";
    html += "<th></th><th></th></tr></thead>\n";
    const std::string on = html_escaped(tr_text("Report", "on"));
    const std::string off = html_escaped(tr_text("Report", "off"));
    for (int output = 0; output < OUTPUTS; ++output) {
        const std::uint16_t mode = record[output_mode_word(output)];
        const std::uint16_t config = record[output_config_word(output)];
        html += "<tr><th>" + html_escaped(with_args(tr_text("Report", "Output %1"), {std::to_string(output)}))
            + "</th>";
        for (const int bit : OUTPUT_MODE_BITS)
            html += ((mode >> bit) & 1u) != 0 ? "<td align=\"center\"><b>" + on + "</b></td>"
                                              : "<td align=\"center\" class=\"off\">" + off + "</td>";
        const bool flag = field_value(Conversion::ConfigFlag, config) != 0;
        html += "<td align=\"center\">" + html_escaped(flag ? tr_text("Report", "On") : tr_text("Report", "Off"))
            + "</td><td align=\"right\">" + std::to_string(field_value(Conversion::ConfigValue, config))
            + "</td></tr>\n";
    }
    return html + "</table>\n";
}

// Bits without a selector come only from a controller or a file; the page
// would drop them.
std::string unselectable_bits(const std::uint16_t* record)
{
    std::string rows;
    for (int output = 0; output < OUTPUTS; ++output) {
        const int index = output_mode_word(output);
        if (const std::uint16_t unshown = record[index] & ~selector_bits())
            rows += row(
                with_args(tr_text("Report", "Output %1 mode bits without a selector"), {std::to_string(output)}),
                html_escaped(shown_text(index, unshown)));
    }
    return rows;
}

std::string page_section(const std::uint16_t* record, std::string_view page, const ReportFacts& facts)
{
    std::string rows;
    bool holds_outputs = false;
    for (const int index : words_in_reading_order()) {
        if (parameter_name(index).page != page)
            continue;
        if (in_mode_table(index))
            holds_outputs = true;
        else
            rows += row(parameter_name(index).caption, value_html(index, record[index], facts));
    }
    if (!holds_outputs)
        return titled_table(page, rows);
    const std::string unselectable = unselectable_bits(record);
    return titled_table(page, rows) + mode_table(record) + (unselectable.empty() ? "" : table(unselectable));
}

// The values not sent under their pages' names, before the pages themselves.
std::string unsent_section(const ReportFacts& facts)
{
    std::string rows;
    std::string_view page;
    for (const UnsentChange& change : in_reading_order(facts.unsent)) {
        const ParameterName name = parameter_name(change.index);
        if (page != name.page)
            rows += "<tr><th colspan=\"2\" align=\"left\">" + html_escaped(name.page) + "</th></tr>\n";
        page = name.page;
        rows += row(name.caption, html_escaped(unsent_value_text(change, facts.unsent_against)));
    }
    return rows.empty() ? std::string() : titled_table(tr_text("Report", "Changes not sent"), rows);
}

std::string block_name(int index)
{
    if (index < BLOCK_B)
        return tr_text("Report", "channel A");
    return index < BLOCK_COMMON ? tr_text("Report", "channel B") : tr_text("Report", "common settings");
}

// Stored words that no page shows, such as the trigger hysteresis.
std::string unshown_section(const std::uint16_t* record)
{
    std::string rows;
    for (const ParameterKey& key : PARAMETER_KEYS)
        if (std::string_view(parameter_name(key.index).page).empty())
            rows += row(std::string(parameter_name(key.index).caption) + ", " + block_name(key.index),
                        html_escaped(shown_text(key.index, record[key.index])));
    return rows.empty() ? std::string() : titled_table(tr_text("Report", "On no page"), rows);
}

// A fact the report itself names (REPORT_FROM_PAGES, REPORT_NO_LINE) in the
// window's language; a file's or a line's own name as it came.
std::string named_fact(const std::string& fact, std::initializer_list<const char*> own)
{
    for (const char* text : own)
        if (fact == text)
            return tr_text("Report", text);
    return fact;
}

// The pages' titles in the pages' order, as parameter_name gives them: the
// sections are found by the same texts their words carry, whatever language
// those came in.
std::vector<std::string_view> pages_in_reading_order()
{
    std::vector<std::string_view> pages;
    for (const int index : words_in_reading_order()) {
        const std::string_view page = parameter_name(index).page;
        if (!page.empty() && std::find(pages.begin(), pages.end(), page) == pages.end())
            pages.push_back(page);
    }
    return pages;
}

std::string date_time(std::time_t made)
{
    std::tm local{};
    char text[32] = "";
    if (localtime_r(&made, &local))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string footer(const ReportFacts& facts)
{
    const std::string version = utf8_of_latin1(facts.controller_version);
    return titled_table(
        tr_text("Report", "About this report"),
        row(tr_text("Report", "Connection"), html_escaped(named_fact(facts.connection, {REPORT_NO_LINE})))
            + row(tr_text("Report", "Controller version"),
                  version.empty() ? html_escaped(tr_text("Report", "not known")) : html_escaped(version))
            + row(tr_text("Report", "Date and time"), html_escaped(date_time(facts.made)))
            + row(tr_text("Report", "Tool version"), html_escaped(std::string("TELVAR-K20-Dizer ") + TELVAR_VERSION)));
}

}  // namespace

std::string parameter_report_html(const std::uint16_t* record, const ReportFacts& facts)
{
    const std::string source = named_fact(facts.source, {REPORT_FROM_PAGES, REPORT_FROM_RAM, REPORT_FROM_EEPROM});
    std::string html = std::string("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>")
        + html_escaped(tr_text("Report", REPORT_TITLE)) + "</title><style>" + kStyle + "</style></head><body>\n<h1>"
        + html_escaped(tr_text("Report", "Parameter report")) + "</h1>\n"
        + table(row(tr_text("Report", "Set from"), html_escaped(source))) + unsent_section(facts);
    for (const std::string_view page : pages_in_reading_order())
        html += page_section(record, page, facts);
    return html + unshown_section(record) + footer(facts) + facts.appendix_html + "</body></html>\n";
}

}  // namespace telvar
