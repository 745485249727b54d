// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/mapping.h"

#include "params/outputs.h"
#include "params/pages.h"
#include "params/record.h"
#include "params/selectors.h"
#include "platform/userint.h"
#include "ui/panels.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace telvar {

namespace {

struct ChannelPages {
    Channel channel;
    int first;
    int second;
    int block;
};

constexpr Channel kChannels[] = {Channel::A, Channel::B};

using Words = std::array<std::uint16_t, PARAMETER_WORDS>;

ChannelPages pages_of(Channel channel)
{
    if (channel == Channel::A)
        return {Channel::A, panelPARAA, panelPARAA2, BLOCK_A};
    return {Channel::B, panelPARAB, panelPARAB2, BLOCK_B};
}

std::uint16_t word(const ChannelPages& pages, int offset)
{
    return parameter[pages.block + offset];
}

// The panel a field of a common page stands on.
int common_panel(Page page)
{
    switch (page) {
    case Page::Evaluation: return panelEVAL;
    case Page::EvaluationSecond: return panelEVAL2;
    case Page::Outputs: return panelOUTPUTS;
    default: return 0;
    }
}

// A ring shows a value it does not list as an entry of its own, so that a
// value from the controller or a file comes back unchanged.
void show_field(int panel, int control, int value)
{
    if (SetCtrlVal(panel, control, value) == 0)
        return;
    char label[32];
    std::snprintf(label, sizeof label, "%d", value);
    InsertListItem(panel, control, -1, label, value);
    SetCtrlVal(panel, control, value);
}

int field_on_page(int panel, int control)
{
    int value = 0;
    GetCtrlVal(panel, control, &value);
    return value;
}

// Shows the words of the fields of one page; on a channel page, of one channel.
void show_fields(Page page, int panel, int block)
{
    for (const Field& f : PAGE_FIELDS)
        if (f.page == page)
            show_field(panel, f.control, field_value(f.conversion, parameter[block + f.word]));
}

// Builds the words of the fields of one page from zero.
void read_fields(Page page, int panel, int block, Words& words)
{
    for (const Field& f : PAGE_FIELDS)
        if (f.page == page)
            words[block + f.word] = 0;
    for (const Field& f : PAGE_FIELDS)
        if (f.page == page)
            words[block + f.word] |= word_bits(f.conversion, field_on_page(panel, f.control));
}

void show_channel(const ChannelPages& p)
{
    const int panel = p.first;
    const std::uint16_t mode = word(p, CH_DATA_MODE);
    SetCtrlVal(panel, CHP_FORMAT_NORM, mode & 1);
    SetCtrlVal(panel, CHP_FORMAT_RAW, (mode & 1) ? 0 : 1);
    if (mode == DATA_RAW)
        show_raw_format(panel);
    else if (mode == DATA_NORMALISED)
        show_normalised_format(panel, word(p, CH_DECAY), word(p, CH_MAX_MODE));

    const std::uint16_t filter = word(p, CH_FILTER);
    if (filter == 0) {
        set_group(panel, Group::Reset, 0, 1);
        setLableRESETMODE(panel);
    } else {
        show_group_word(panel, Group::Reset, word(p, CH_RESET_MODE) & 0xFF);
        setLableRESETMODE(panel);
        dim_group(panel, Group::Reset, 0);
    }
    SetCtrlVal(panel, CHP_FILTER_DIRECT, filter == 0 ? 1 : 0);
    SetCtrlVal(panel, CHP_FILTER_MAX, filter & 1);
    SetCtrlVal(panel, CHP_FILTER_MIN, (filter >> 1) & 1);
    setLableFILTERMODE(panel);

    show_fields(Page::ChannelFirst, p.first, p.block);
    show_fields(Page::ChannelSecond, p.second, p.block);

    show_group_word(panel, Group::ResultValid, word(p, CH_VALID_MODE));
    setLableTRIGGERMODE(panel);
    show_group_word(panel, Group::Snapshot, word(p, CH_SNAPSHOT_MODE) & 0xFF);
    setLableSNPMODE(panel);
}

void read_channel(const ChannelPages& p, Words& words)
{
    const int panel = p.first;
    const auto word = [&](int offset) -> std::uint16_t& { return words[p.block + offset]; };
    word(CH_DATA_MODE) = selector_on(panel, CHP_FORMAT_NORM) ? DATA_NORMALISED : DATA_RAW;
    word(CH_FILTER) = static_cast<std::uint16_t>((selector_on(panel, CHP_FILTER_MAX) ? 1 : 0)
                                                 | (selector_on(panel, CHP_FILTER_MIN) ? 2 : 0));
    setLableFILTERMODE(panel);
    read_fields(Page::ChannelFirst, p.first, p.block, words);
    word(CH_DECAY) = static_cast<std::uint16_t>(field_on_page(panel, CHP_NUM_DECAY));
    read_fields(Page::ChannelSecond, p.second, p.block, words);
    word(CH_VALID_MODE) = page_group_word(panel, Group::ResultValid);
    setLableTRIGGERMODE(panel);
    word(CH_MAX_MODE) = page_group_word(panel, Group::MaxValue);
    setLableMAXMODE(panel);
    word(CH_RESET_MODE) = page_group_word(panel, Group::Reset);
    setLableRESETMODE(panel);
    word(CH_SNAPSHOT_MODE) = page_group_word(panel, Group::Snapshot);
    setLableSNPMODE(panel);
}

// The record with what all pages show over it.
Words read_pages()
{
    Words words;
    std::copy(std::begin(parameter), std::end(parameter), words.begin());
    for (Channel channel : kChannels)
        read_channel(pages_of(channel), words);
    for (Page page : {Page::Evaluation, Page::EvaluationSecond, Page::Outputs})
        read_fields(page, common_panel(page), 0, words);
    read_output_modes(words.data());
    return words;
}

// The immediate update of one edited field of a second page.
void take_field(Page page, int panel, int control, int block)
{
    for (const Field& f : PAGE_FIELDS)
        if (f.page == page && f.control == control)
            set_word(block + f.word, word_bits(f.conversion, field_on_page(panel, control)));
}

}  // namespace

void SetPanelValues()
{
    for (Channel channel : kChannels)
        show_channel(pages_of(channel));
    for (Page page : {Page::Evaluation, Page::EvaluationSecond, Page::Outputs})
        show_fields(page, common_panel(page), 0);
    show_output_modes();
}

void GetPanelValues()
{
    take_record(read_pages().data());
}

std::array<std::uint16_t, PARAMETER_WORDS> pages_record()
{
    return read_pages();
}

int CC_NUM_CHA(int, int control, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        take_field(Page::ChannelSecond, panelPARAA2, control, BLOCK_A);
    return 0;
}

int CC_NUM_CHB(int, int control, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        take_field(Page::ChannelSecond, panelPARAB2, control, BLOCK_B);
    return 0;
}

int CC_NUM_EVAL(int, int control, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        take_field(Page::EvaluationSecond, panelEVAL2, control, 0);
    return 0;
}

}  // namespace telvar
