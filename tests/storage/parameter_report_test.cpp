// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter report's text as a reader sees it: every page with its
// captions and values, the condition texts, the outputs' mode table, the
// words on no page and the facts at its end; and names from outside kept
// out of the markup.
#include "params/parameter_names.h"
#include "params/record.h"
#include "storage/parameter_report.h"

#include "telvar_version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <string>
#include <string_view>

namespace telvar {
namespace {

using Record = std::array<std::uint16_t, PARAMETER_WORDS>;

void blank(std::string& text)
{
    if (!text.empty() && text.back() != ' ')
        text += ' ';
}

// The HTML's text: each tag a blank, references resolved, blanks collapsed.
std::string text_of(const std::string& html)
{
    const std::pair<std::string_view, char> references[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}, {"&amp;", '&'}};
    std::string text;
    bool in_tag = false;
    for (std::size_t at = 0; at < html.size(); ++at) {
        const char c = html[at];
        if (in_tag || c == '<') {
            in_tag = c != '>';
            blank(text);
            continue;
        }
        if (c == ' ' || c == '\n') {
            blank(text);
            continue;
        }
        const auto reference = std::find_if(std::begin(references), std::end(references), [&](const auto& r) {
            return std::string_view(html).substr(at).starts_with(r.first);
        });
        if (reference == std::end(references)) {
            text += c;
        } else {
            text += reference->second;
            at += reference->first.size() - 1;
        }
    }
    return text;
}

std::time_t local_time(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

TEST(ParameterReport, ShowsEachPageInOrderWithItsCaptionsConditionsAndTheModeTable)
{
    Record r{};
    r[BLOCK_A + CH_VALID_MODE] = (1u << 13) | (1u << 9) | (1u << 4);
    r[BLOCK_A + CH_LOW_TOLERANCE] = 100;
    r[BLOCK_B + CH_MAX_MODE] = EVERY_SAMPLE;
    r[BLOCK_B + CH_LASER_POWER] = 57;
    r[BLOCK_B + CH_HYSTERESIS] = 12;
    r[EVAL_MODE] = 1;
    r[ANALOG_OUTPUT_MODE] = 128;
    r[output_mode_word(1)] = (1u << 0) | (1u << 10) | (1u << 14);
    r[output_config_word(1)] = 0x0007;
    const ReportFacts facts{.source = REPORT_FROM_PAGES,
                            .connection = "TCP 127.0.0.1:10001",
                            .controller_version = "K20 V2.1 \xE9",
                            .made = local_time(2026, 12, 8, 20, 35, 40)};
    const std::string text = text_of(parameter_report_html(r.data(), facts));

    // Every word of a page under that page's title, as its page shows it.
    std::size_t previous = 0;
    for (std::size_t p = 0; p < PARAMETER_PAGES.size(); ++p) {
        const std::size_t start = text.find(std::string(PARAMETER_PAGES[p]) + " ");
        ASSERT_NE(start, std::string::npos) << PARAMETER_PAGES[p];
        EXPECT_GT(start, previous) << PARAMETER_PAGES[p] << " in the pages' order";
        previous = start;
        const std::size_t end = p + 1 < PARAMETER_PAGES.size() ? text.find(PARAMETER_PAGES[p + 1]) : text.size();
        const std::string section = text.substr(start, end - start);
        for (int index = 0; index < PARAMETER_WORDS; ++index) {
            const bool in_table = index >= output_mode_word(0) && index <= output_config_word(OUTPUTS - 1);
            if (parameter_name(index).page != std::string_view(PARAMETER_PAGES[p]) || in_table)
                continue;
            const std::string row = std::string(parameter_name(index).caption) + " " + shown_text(index, r[index]);
            EXPECT_NE(section.find(row), std::string::npos) << row;
        }
    }
    for (const char* part : {
             "Result valid RESULT VALID ON: CHANNEL A HIGH STATE, ... "
             "Selected: CHANNEL A HIGH STATE, CHANNEL B HIGH STATE, CHANNEL A POS. EDGE ",
             "Acquire max value AQUIRE MAX VALUE ON: EVERY SAMPLE Reset value",
             "Low tolerance -100 ",
             "Laser power 57 ",
             "Evaluation mode Mean of A and B ",
             "Analog output mode 128 ",
             "Mode bit Configuration Value 0 1 2 3 4 5 6 7 8 9 11 12 14 ",
             "Output 0 off off off off off off off off off off off off off Off 0 ",
             "Output 1 on off off off off off off off off off off off on On 6 ",
             "Output 1 mode bits without a selector bits 10 ",
             "Trigger hysteresis, channel A 0 Trigger hysteresis, channel B 12 ",
             "Set from pages ",
             "Connection TCP 127.0.0.1:10001 ",
             "Controller version K20 V2.1 \xC3\xA9 ",
             "Date and time 2026-12-08 20:35:40 ",
         })
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(text.find("Output 0 mode bits without"), std::string::npos);
    EXPECT_NE(text.find(std::string("Tool version TELVAR-K20-Dizer ") + TELVAR_VERSION), std::string::npos);
}

// A value shown but not sent says what the controller holds, where it
// stands and first of all, under its page's name in the pages' order; the
// values of a page stand as the page shows them.
TEST(ParameterReport, ValuesNotSentSayWhatTheControllerHoldsAndComeFirstUnderTheirPages)
{
    Record r{};
    r[BLOCK_A + CH_PRETRIGGER] = 40;
    r[BLOCK_A + CH_VALID_MODE] = 24;
    r[BLOCK_B + CH_LASER_POWER] = 57;
    r[BLOCK_B + CH_TRIGGER_LEVEL] = 2400;
    r[output_mode_word(1)] = (1u << 0) | (1u << 4);
    const ReportFacts facts{.source = REPORT_FROM_PAGES,
                            .connection = REPORT_NO_LINE,
                            .controller_version = "",
                            .unsent = {{output_mode_word(1), r[output_mode_word(1)], 1},
                                       {BLOCK_A + CH_VALID_MODE, 24, 28},
                                       {BLOCK_B + CH_TRIGGER_LEVEL, 2400, 2300},
                                       {BLOCK_A + CH_PRETRIGGER, 40, 32},
                                       {BLOCK_B + CH_LASER_POWER, 57, 50}},
                            .unsent_against = "controller"};
    const std::string text = text_of(parameter_report_html(r.data(), facts));
    const std::size_t listed = text.find(
        "Changes not sent Channel A: data and conditions Pretrigger value 40, controller: 32 "
        "Result valid RESULT VALID ON: CHANNEL A POS. EDGE, ... (word 24), "
        "controller: RESULT VALID ON: CHANNEL A POS. EDGE, ... (word 28) "
        "Channel B: limits Laser power 57, controller: 50 Trigger level 2400, controller: 2300 "
        "Switching outputs and analog output Output 1 mode bits bits 0, 4, controller: bits 0 ");
    ASSERT_NE(listed, std::string::npos);
    EXPECT_LT(listed, text.find("Channel A: data and conditions Decay")) << "before the pages";
    for (const char* in_place : {
             "Pretrigger value 40, controller: 32 Data averaging",
             "Laser power 57, controller: 50 Trigger level 2400, controller: 2300 Reference value",
             "(word 24), controller: RESULT VALID ON: CHANNEL A POS. EDGE, ... (word 28) Selected: ",
         })
        EXPECT_NE(text.find(in_place, listed + 1), std::string::npos) << in_place;
    EXPECT_EQ(text.find("Laser power 0,"), std::string::npos) << "channel A's laser power was sent";
}

TEST(ParameterReport, NamesFromOutsideAreTextNeverMarkup)
{
    const Record r{};
    const ReportFacts facts{.source = "<b>set</b> & \"A\" 'B'.ini",
                            .connection = "COM65 /tmp/<tty>",
                            .controller_version = "V1 <i>\r\n"};
    const std::string html = parameter_report_html(r.data(), facts);
    EXPECT_NE(html.find("&lt;b&gt;set&lt;/b&gt; &amp; &quot;A&quot; &#39;B&#39;.ini"), std::string::npos);
    EXPECT_EQ(html.find("<b>set"), std::string::npos);
    EXPECT_EQ(html.find("<tty>"), std::string::npos);
    EXPECT_EQ(html.find("<i>"), std::string::npos);
    EXPECT_EQ(html.find('\r'), std::string::npos) << "control characters become blanks";
    const std::string text = text_of(html);
    EXPECT_NE(text.find("Set from <b>set</b> & \"A\" 'B'.ini "), std::string::npos);
    EXPECT_NE(text.find("Controller version V1 <i> "), std::string::npos);
}

}  // namespace
}  // namespace telvar
