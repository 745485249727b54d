// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/change_marks.h"

#include "params/mapping.h"
#include "params/outputs.h"
#include "params/pages.h"
#include "params/record.h"
#include "params/reference.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <string>

namespace telvar {

namespace {

// What one control shows for a set, and the record word it shows.
struct Shown {
    int panel;
    int control;
    int value;
    bool selector;  // on or off, rather than a number
    int word;
};

// A view selector and the pages it brings up: "Scope + Set" shows the
// second pages, its three page selectors one each.
struct View {
    int selector;
    std::vector<const int*> pages;
};

const View kViews[] = {
    {MAIN_VIEW_CHA, {&panelPARAA}},
    {MAIN_VIEW_CHB, {&panelPARAB}},
    {MAIN_VIEW_EVAL, {&panelEVAL}},
    {MAIN_VIEW_OUTPUTS, {&panelOUTPUTS}},
    {MAIN_VIEW_SCOPE_SET, {&panelPARAA2, &panelPARAB2, &panelEVAL2}},
    {MAIN_DATA_CHA, {&panelPARAA2}},
    {MAIN_DATA_CHB, {&panelPARAB2}},
    {MAIN_DATA_EVAL, {&panelEVAL2}},
};

int page_panel(Page page, Channel channel)
{
    switch (page) {
    case Page::ChannelFirst: return channel == Channel::A ? panelPARAA : panelPARAB;
    case Page::ChannelSecond: return channel == Channel::A ? panelPARAA2 : panelPARAB2;
    case Page::Evaluation: return panelEVAL;
    case Page::EvaluationSecond: return panelEVAL2;
    case Page::Outputs: return panelOUTPUTS;
    }
    return 0;
}

bool on_channel_page(Page page)
{
    return page == Page::ChannelFirst || page == Page::ChannelSecond;
}

int group_word(Group group)
{
    switch (group) {
    case Group::ResultValid: return CH_VALID_MODE;
    case Group::MaxValue: return CH_MAX_MODE;
    case Group::Reset: return CH_RESET_MODE;
    case Group::Snapshot: return CH_SNAPSHOT_MODE;
    }
    return CH_VALID_MODE;
}

// The selectors of a channel's first page as SetPanelValues shows the set:
// the max-value group off in the raw format, the reset group off with the
// direct filter.
void add_channel_selectors(std::vector<Shown>& shown, const std::uint16_t* set, Channel channel)
{
    const int panel = page_panel(Page::ChannelFirst, channel);
    const int first = channel == Channel::A ? BLOCK_A : BLOCK_B;
    const std::uint16_t* block = set + first;
    const std::uint16_t mode = block[CH_DATA_MODE];
    const std::uint16_t filter = block[CH_FILTER];
    shown.push_back({panel, CHP_FORMAT_NORM, mode & 1, true, first + CH_DATA_MODE});
    shown.push_back({panel, CHP_FORMAT_RAW, (mode & 1) ? 0 : 1, true, first + CH_DATA_MODE});
    shown.push_back({panel, CHP_FILTER_DIRECT, filter == 0 ? 1 : 0, true, first + CH_FILTER});
    shown.push_back({panel, CHP_FILTER_MAX, filter & 1, true, first + CH_FILTER});
    shown.push_back({panel, CHP_FILTER_MIN, (filter >> 1) & 1, true, first + CH_FILTER});
    if (mode == DATA_NORMALISED || mode == DATA_RAW)
        shown.push_back({panel, CHP_NUM_DECAY, mode == DATA_NORMALISED ? block[CH_DECAY] : 0, false,
                         first + CH_DECAY});
    for (const Selector& s : EVENT_SELECTORS) {
        bool on = false;
        switch (s.group) {
        case Group::ResultValid: on = shows(s, channel, block[CH_VALID_MODE]); break;
        case Group::MaxValue: on = mode == DATA_NORMALISED && shows(s, channel, block[CH_MAX_MODE]); break;
        case Group::Reset: on = filter != 0 && shows(s, channel, block[CH_RESET_MODE] & 0xFF); break;
        case Group::Snapshot: on = shows(s, channel, block[CH_SNAPSHOT_MODE] & 0xFF); break;
        }
        shown.push_back({panel, selector_control(s), on ? 1 : 0, true, first + group_word(s.group)});
    }
}

// Every control of the pages with the value it shows for a set.
std::vector<Shown> shown_on_pages(const std::uint16_t* set)
{
    std::vector<Shown> shown;
    for (Channel channel : {Channel::A, Channel::B})
        add_channel_selectors(shown, set, channel);
    for (const Field& f : PAGE_FIELDS) {
        if (on_channel_page(f.page)) {
            for (Channel channel : {Channel::A, Channel::B}) {
                const int block = channel == Channel::A ? BLOCK_A : BLOCK_B;
                shown.push_back({page_panel(f.page, channel), f.control, field_value(f.conversion, set[block + f.word]),
                                 false, block + f.word});
            }
        } else {
            shown.push_back({page_panel(f.page, Channel::A), f.control, field_value(f.conversion, set[f.word]), false,
                             f.word});
        }
    }
    for (int output = 0; output < OUTPUTS; ++output)
        for (int bit : OUTPUT_MODE_BITS)
            shown.push_back({panelOUTPUTS, output_led(output, bit), (set[output_mode_word(output)] >> bit) & 1, true,
                             output_mode_word(output)});
    return shown;
}

int value_on_page(const Shown& s)
{
    int value = 0;
    GetCtrlVal(s.panel, s.control, &value);
    return s.selector ? (value & 1) : value;
}

std::string mark_text(const Shown& s)
{
    const std::string value = !s.selector ? std::to_string(s.value)
        : s.value                          ? tr_text("ChangeMarks", "on")
                                           : tr_text("ChangeMarks", "off");
    //: %1 is "controller" or "file", %2 the value there.
    return with_args(tr_text("ChangeMarks", "changed, not sent; %1: %2"), {reference_name(), value});
}

// The controls that differ from the reference, with the reference's value.
std::vector<Shown> changed_controls()
{
    std::vector<Shown> changed;
    if (reference_kind() == ReferenceKind::None)
        return changed;
    for (const Shown& s : shown_on_pages(reference_words()))
        if (value_on_page(s) != s.value)
            changed.push_back(s);
    return changed;
}

bool shows_a_change(const View& view, const std::vector<Shown>& changed)
{
    return std::any_of(changed.begin(), changed.end(), [&view](const Shown& c) {
        return std::any_of(view.pages.begin(), view.pages.end(), [&c](const int* page) { return c.panel == *page; });
    });
}

}  // namespace

void refresh_change_marks()
{
    const bool known = reference_kind() != ReferenceKind::None;
    std::vector<Shown> changed;
    for (const Shown& s : shown_on_pages(reference_words())) {
        const bool differs = known && value_on_page(s) != s.value;
        if (differs)
            changed.push_back(s);
        SetCtrlAttribute(s.panel, s.control, ATTR_CHANGE_MARK, differs ? mark_text(s).c_str() : "");
    }
    for (const View& view : kViews)
        SetCtrlAttribute(panelMAIN, view.selector, ATTR_CHANGE_MARK,
                         shows_a_change(view, changed) ? tr_text("ChangeMarks", "holds changes not sent") : "");
}

bool pages_hold_changes()
{
    return !changed_controls().empty();
}

std::vector<UnsentChange> unsent_changes()
{
    std::vector<bool> marked(PARAMETER_WORDS, false);
    for (const Shown& c : changed_controls())
        marked[c.word] = true;
    const auto pages = pages_record();
    const std::uint16_t* reference = reference_words();
    std::vector<UnsentChange> changes;
    for (int index = 0; index < PARAMETER_WORDS; ++index)
        if (marked[index] && pages[index] != reference[index])
            changes.push_back({index, pages[index], reference[index]});
    return changes;
}

}  // namespace telvar
