// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/selectors.h"

#include "params/labels.h"
#include "params/pages.h"
#include "params/record.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"

#include <initializer_list>

namespace telvar {

namespace {

// Selectors of one group that a page shows, all of them or only its events.
template <typename Visit>
void for_each_selector(Group group, Visit visit)
{
    for (const Selector& s : EVENT_SELECTORS)
        if (s.group == group)
            visit(s);
}

// Shown through tr_text("Conditions", ...).
inline constexpr const char* NORMALISED_ONLY_TEXT = TR_NOOP("Conditions", "used only with the data format Normalised");

// A grid dimmed as a whole, its captions with it, says why it is dimmed.
struct DimmedGrid {
    Group group;
    int frame;
    const char* reason;
};

constexpr DimmedGrid kDimmedGrids[] = {
    {Group::MaxValue, CHP_MAX_GROUP, NORMALISED_ONLY_TEXT},
    {Group::Reset, CHP_RESET_GROUP, TR_NOOP("Conditions", "used only with the data filter Minimum or Maximum")},
};

// "" while the control is in use.
void tell_why(int panel, int control, const char* reason)
{
    SetCtrlAttribute(panel, control, ATTR_DIMMED_REASON, *reason ? tr_text("Conditions", reason) : "");
}

void explain_dimming(int panel, Group group, int dimmed)
{
    for (const DimmedGrid& grid : kDimmedGrids) {
        if (grid.group != group)
            continue;
        const char* reason = dimmed ? grid.reason : "";
        SetCtrlAttribute(panel, grid.frame, ATTR_DIMMED, dimmed);
        tell_why(panel, grid.frame, reason);
        for_each_selector(group, [&](const Selector& s) { tell_why(panel, selector_control(s), reason); });
    }
}

void set_label(int panel, int label, const std::string& text)
{
    SetCtrlVal(panel, label, text.c_str());
}

void build_condition_label(int panel, Group group, int label)
{
    Channel channel;
    if (channel_of_first_page(panel, &channel))
        set_label(panel, label, condition_label(group, page_group_word(panel, group)));
}

// The buttons of a radio pair or triple: all off, then the clicked one on.
void switch_one_on(int panel, std::initializer_list<int> buttons, int clicked)
{
    for (int button : buttons)
        SetCtrlVal(panel, button, 0);
    SetCtrlVal(panel, clicked, 1);
}

int word_index(Channel channel, int offset)
{
    return (channel == Channel::A ? BLOCK_A : BLOCK_B) + offset;
}

int data_mode(Channel channel, int control)
{
    const int panel = first_page(channel);
    if (control != CHP_FORMAT_RAW && control != CHP_FORMAT_NORM)
        return 0;
    switch_one_on(panel, {CHP_FORMAT_RAW, CHP_FORMAT_NORM}, control);
    if (control == CHP_FORMAT_RAW)
        show_raw_format(panel);
    else
        show_normalised_format(panel, parameter[word_index(channel, CH_DECAY)],
                               parameter[word_index(channel, CH_MAX_MODE)]);
    return 0;
}

int filter_mode(Channel channel, int control)
{
    const int panel = first_page(channel);
    if (control != CHP_FILTER_MIN && control != CHP_FILTER_MAX && control != CHP_FILTER_DIRECT)
        return 0;
    switch_one_on(panel, {CHP_FILTER_MIN, CHP_FILTER_MAX, CHP_FILTER_DIRECT}, control);
    if (control == CHP_FILTER_DIRECT) {
        set_group(panel, Group::Reset, 0, 1);
        setLableRESETMODE(panel);
    } else {
        dim_group(panel, Group::Reset, 0);
    }
    setLableFILTERMODE(panel);
    return 0;
}

// The clicked selector keeps the state the click gave it; the selectors that
// cannot go with it are cleared.
void clear_excluded(int panel, Group group, int control)
{
    const Selector* clicked = selector_of(control);
    if (!clicked || clicked->group != group)
        return;
    for_each_selector(group, [&](const Selector& other) {
        if (clears(*clicked, other))
            SetCtrlVal(panel, selector_control(other), 0);
    });
}

int event_group(Channel channel, Group group, int control, void (*rebuild)(int))
{
    const int panel = first_page(channel);
    clear_excluded(panel, group, control);
    rebuild(panel);
    return 0;
}

}  // namespace

int first_page(Channel channel)
{
    return channel == Channel::A ? panelPARAA : panelPARAB;
}

bool channel_of_first_page(int panel, Channel* channel)
{
    if (panel != panelPARAA && panel != panelPARAB)
        return false;
    *channel = panel == panelPARAA ? Channel::A : Channel::B;
    return true;
}

bool selector_on(int panel, int control)
{
    int value = 0;
    GetCtrlVal(panel, control, &value);
    return (value & 1) != 0;
}

std::uint16_t page_group_word(int panel, Group group)
{
    Channel channel = Channel::A;
    channel_of_first_page(panel, &channel);
    return pack_group(group, channel, [panel](const Selector& s) { return selector_on(panel, selector_control(s)); });
}

void show_group_word(int panel, Group group, std::uint16_t word)
{
    Channel channel = Channel::A;
    channel_of_first_page(panel, &channel);
    for_each_selector(group, [&](const Selector& s) {
        SetCtrlVal(panel, selector_control(s), shows(s, channel, word) ? 1 : 0);
    });
}

void set_group(int panel, Group group, int value, int dimmed)
{
    for_each_selector(group, [&](const Selector& s) { SetCtrlVal(panel, selector_control(s), value); });
    dim_group(panel, group, dimmed);
}

void dim_group(int panel, Group group, int dimmed)
{
    for_each_selector(group, [&](const Selector& s) { SetCtrlAttribute(panel, selector_control(s), ATTR_DIMMED, dimmed); });
    explain_dimming(panel, group, dimmed);
}

void show_raw_format(int panel)
{
    SetCtrlVal(panel, CHP_LBL_FORMAT, tr_text("Conditions", DATA_FORMAT_RAW_TEXT));
    set_group(panel, Group::MaxValue, 0, 1);
    SetCtrlVal(panel, CHP_NUM_DECAY, 0);
    SetCtrlAttribute(panel, CHP_NUM_DECAY, ATTR_DIMMED, 1);
    tell_why(panel, CHP_NUM_DECAY, NORMALISED_ONLY_TEXT);
    setLableMAXMODE(panel);
}

void show_normalised_format(int panel, std::uint16_t decay, std::uint16_t max_word)
{
    SetCtrlVal(panel, CHP_LBL_FORMAT, tr_text("Conditions", DATA_FORMAT_NORM_TEXT));
    SetCtrlVal(panel, CHP_NUM_DECAY, static_cast<int>(decay));
    show_group_word(panel, Group::MaxValue, max_word);
    setLableMAXMODE(panel);
    dim_group(panel, Group::MaxValue, 0);
    SetCtrlAttribute(panel, CHP_NUM_DECAY, ATTR_DIMMED, 0);
    tell_why(panel, CHP_NUM_DECAY, "");
}

void setLableFILTERMODE(int panel)
{
    Channel channel;
    if (!channel_of_first_page(panel, &channel))
        return;
    const int word = (selector_on(panel, CHP_FILTER_MAX) ? 1 : 0) | (selector_on(panel, CHP_FILTER_MIN) ? 2 : 0);
    set_label(panel, CHP_LBL_FILTER, filter_label(static_cast<std::uint16_t>(word)));
}

void setLableRESETMODE(int panel) { build_condition_label(panel, Group::Reset, CHP_LBL_RESET); }
void setLableTRIGGERMODE(int panel) { build_condition_label(panel, Group::ResultValid, CHP_LBL_VALID); }
void setLableMAXMODE(int panel) { build_condition_label(panel, Group::MaxValue, CHP_LBL_MAX); }
void setLableSNPMODE(int panel) { build_condition_label(panel, Group::Snapshot, CHP_LBL_SNAP); }

int CC_PICBT_DATAMODE_A(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? data_mode(Channel::A, control) : 0;
}

int CC_PICBT_DATAMODE_B(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? data_mode(Channel::B, control) : 0;
}

int CC_PICBT_FILTERMODE_A(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? filter_mode(Channel::A, control) : 0;
}

int CC_PICBT_FILTERMODE_B(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? filter_mode(Channel::B, control) : 0;
}

// Any combination of reset edges is allowed: a click only restates the choice.
int CC_PICBT_RESETMODE_A(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        setLableRESETMODE(panelPARAA);
    return 0;
}

int CC_PICBT_RESETMODE_B(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        setLableRESETMODE(panelPARAB);
    return 0;
}

int CC_PICBT_TRGMODE_A(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? event_group(Channel::A, Group::ResultValid, control, setLableTRIGGERMODE) : 0;
}

int CC_PICBT_TRGMODE_B(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? event_group(Channel::B, Group::ResultValid, control, setLableTRIGGERMODE) : 0;
}

int CC_PICBT_MAXMODE_A(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? event_group(Channel::A, Group::MaxValue, control, setLableMAXMODE) : 0;
}

int CC_PICBT_MAXMODE_B(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? event_group(Channel::B, Group::MaxValue, control, setLableMAXMODE) : 0;
}

int CC_PICBT_SNPMODE_A(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? event_group(Channel::A, Group::Snapshot, control, setLableSNPMODE) : 0;
}

int CC_PICBT_SNPMODE_B(int, int control, int event, void*, int, int)
{
    return event == EVENT_COMMIT ? event_group(Channel::B, Group::Snapshot, control, setLableSNPMODE) : 0;
}

}  // namespace telvar
