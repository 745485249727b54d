// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/change_marks.h"

#include "params/outputs.h"
#include "params/pages.h"
#include "params/record.h"
#include "params/reference.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <string>
#include <vector>

namespace telvar {

namespace {

inline constexpr const char* VIEW_CHANGED_TEXT = "holds changes not sent";

// What one control shows for a set.
struct Shown {
    int panel;
    int control;
    int value;
    bool selector;  // on or off, rather than a number
};

struct View {
    int selector;
    int* pages[2];
};

const View kViews[] = {
    {MAIN_VIEW_CHA, {&panelPARAA, &panelPARAA2}},
    {MAIN_VIEW_CHB, {&panelPARAB, &panelPARAB2}},
    {MAIN_VIEW_EVAL, {&panelEVAL, &panelEVAL2}},
    {MAIN_VIEW_OUTPUTS, {&panelOUTPUTS, &panelOUTPUTS}},
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

// The selectors of a channel's first page as SetPanelValues shows the set:
// the max-value group off in the raw format, the reset group off with the
// direct filter.
void add_channel_selectors(std::vector<Shown>& shown, const std::uint16_t* set, Channel channel)
{
    const int panel = page_panel(Page::ChannelFirst, channel);
    const std::uint16_t* block = set + (channel == Channel::A ? BLOCK_A : BLOCK_B);
    const std::uint16_t mode = block[CH_DATA_MODE];
    const std::uint16_t filter = block[CH_FILTER];
    shown.push_back({panel, CHP_FORMAT_NORM, mode & 1, true});
    shown.push_back({panel, CHP_FORMAT_RAW, (mode & 1) ? 0 : 1, true});
    shown.push_back({panel, CHP_FILTER_DIRECT, filter == 0 ? 1 : 0, true});
    shown.push_back({panel, CHP_FILTER_MAX, filter & 1, true});
    shown.push_back({panel, CHP_FILTER_MIN, (filter >> 1) & 1, true});
    if (mode == DATA_NORMALISED || mode == DATA_RAW)
        shown.push_back({panel, CHP_NUM_DECAY, mode == DATA_NORMALISED ? block[CH_DECAY] : 0, false});
    for (const Selector& s : EVENT_SELECTORS) {
        bool on = false;
        switch (s.group) {
        case Group::ResultValid: on = shows(s, channel, block[CH_VALID_MODE]); break;
        case Group::MaxValue: on = mode == DATA_NORMALISED && shows(s, channel, block[CH_MAX_MODE]); break;
        case Group::Reset: on = filter != 0 && shows(s, channel, block[CH_RESET_MODE] & 0xFF); break;
        case Group::Snapshot: on = shows(s, channel, block[CH_SNAPSHOT_MODE] & 0xFF); break;
        }
        shown.push_back({panel, selector_control(s), on ? 1 : 0, true});
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
                                 false});
            }
        } else {
            shown.push_back({page_panel(f.page, Channel::A), f.control, field_value(f.conversion, set[f.word]), false});
        }
    }
    for (int output = 0; output < OUTPUTS; ++output)
        for (int bit : OUTPUT_MODE_BITS)
            shown.push_back({panelOUTPUTS, output_led(output, bit), (set[output_mode_word(output)] >> bit) & 1, true});
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
    const char* where = reference_kind() == ReferenceKind::File ? "file" : "controller";
    const std::string value = s.selector ? (s.value ? "on" : "off") : std::to_string(s.value);
    return std::string("changed, not sent; ") + where + ": " + value;
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
    for (const View& view : kViews) {
        bool holds = false;
        for (const Shown& c : changed)
            holds = holds || c.panel == *view.pages[0] || c.panel == *view.pages[1];
        SetCtrlAttribute(panelMAIN, view.selector, ATTR_CHANGE_MARK, holds ? VIEW_CHANGED_TEXT : "");
    }
}

bool pages_hold_changes()
{
    return !changed_controls().empty();
}

}  // namespace telvar
