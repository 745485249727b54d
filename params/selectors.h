// SPDX-License-Identifier: GPL-3.0-or-later
// The selector groups of a channel's first page: the click rules that keep
// each group consistent, and the labels that state each group's choice.
// They change only the page; the record takes the page's state at the next
// GetPanelValues.
#pragma once

#include "params/events.h"
#include "platform/userint.h"

#include <cstdint>

namespace telvar {

// The first page of a channel and the channel of a first page (the page
// functions do nothing on any other panel).
int first_page(Channel channel);
bool channel_of_first_page(int panel, Channel* channel);

// A selector's state: bit 0 of its value.
bool selector_on(int panel, int control);
// The group's word as the page's selectors show it.
std::uint16_t page_group_word(int panel, Group group);
// Shows a word on the page's selectors of a group.
void show_group_word(int panel, Group group, std::uint16_t word);
// Sets every selector of a group to a value and dims or undims them.
void set_group(int panel, Group group, int value, int dimmed);
void dim_group(int panel, Group group, int dimmed);

// The data format on the page: raw clears and dims the max-value selectors
// and the decay time constant; normalised shows the given values and frees
// them. Both rebuild the max-value label.
void show_raw_format(int panel);
void show_normalised_format(int panel, std::uint16_t decay, std::uint16_t max_word);

// The label builders; each does nothing unless the panel is a channel's first page.
void setLableFILTERMODE(int panel);
void setLableRESETMODE(int panel);
void setLableTRIGGERMODE(int panel);
void setLableMAXMODE(int panel);
void setLableSNPMODE(int panel);

CtrlCallback CC_PICBT_DATAMODE_A;
CtrlCallback CC_PICBT_DATAMODE_B;
CtrlCallback CC_PICBT_FILTERMODE_A;
CtrlCallback CC_PICBT_FILTERMODE_B;
CtrlCallback CC_PICBT_RESETMODE_A;
CtrlCallback CC_PICBT_RESETMODE_B;
CtrlCallback CC_PICBT_TRGMODE_A;
CtrlCallback CC_PICBT_TRGMODE_B;
CtrlCallback CC_PICBT_MAXMODE_A;
CtrlCallback CC_PICBT_MAXMODE_B;
CtrlCallback CC_PICBT_SNPMODE_A;
CtrlCallback CC_PICBT_SNPMODE_B;

}  // namespace telvar
