// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the parameter pages, as tables: the roles each page file
// must offer, and which record word each field shows. From these come the
// role lists of the page files and the mapping between record and pages.
// The channel A and B pages carry the same roles.
#pragma once

#include "params/conversions.h"
#include "params/events.h"
#include "params/output_presets.h"
#include "params/record.h"
#include "ui/roles.h"

#include <span>

namespace telvar {

// Channel page 1, besides its event selectors (which follow these roles in
// the order of EVENT_SELECTORS) and their labels.
#define TELVAR_CHANNEL_PAGE_ROLES(ROLE) \
    ROLE(CHP, FORMAT_RAW)               \
    ROLE(CHP, FORMAT_NORM)              \
    ROLE(CHP, FILTER_MIN)               \
    ROLE(CHP, FILTER_MAX)               \
    ROLE(CHP, FILTER_DIRECT)            \
    ROLE(CHP, LBL_FORMAT)               \
    ROLE(CHP, LBL_FILTER)               \
    ROLE(CHP, LBL_RESET)                \
    ROLE(CHP, LBL_VALID)                \
    ROLE(CHP, LBL_MAX)                  \
    ROLE(CHP, LBL_SNAP)                 \
    ROLE(CHP, NUM_DECAY)                \
    ROLE(CHP, NUM_PRETRIGGER)           \
    ROLE(CHP, NUM_AVERAGING)            \
    ROLE(CHP, MAX_GROUP)                \
    ROLE(CHP, RESET_GROUP)

// Channel page 2.
#define TELVAR_CHANNEL_PAGE2_ROLES(ROLE) \
    ROLE(CH2, NUM_LASER)                 \
    ROLE(CH2, NUM_TRIGGER)               \
    ROLE(CH2, NUM_REFERENCE)             \
    ROLE(CH2, NUM_HIGH_TOL)              \
    ROLE(CH2, NUM_LOW_TOL)

#define TELVAR_EVAL_PAGE_ROLES(ROLE) \
    ROLE(EV, NUM_TEACH_1)            \
    ROLE(EV, NUM_TEACH_2)            \
    ROLE(EV, RING_EVAL_MODE)         \
    ROLE(EV, NUM_EVAL_AVERAGING)     \
    ROLE(EV, RING_SCAN_FREQUENCY)

#define TELVAR_EVAL_PAGE2_ROLES(ROLE) \
    ROLE(EV2, NUM_REFERENCE)          \
    ROLE(EV2, NUM_HIGH_TOL)           \
    ROLE(EV2, NUM_LOW_TOL)

// The outputs page, besides its 3 x 13 mode selectors "LED_<output>_<bit>",
// which follow these roles output by output in the order of OUTPUT_MODE_BITS.
#define TELVAR_OUTPUTS_PAGE_ROLES(ROLE) \
    ROLE(OUT, RING_PRESET)              \
    ROLE(OUT, NUM_ANALOG_MODE)          \
    ROLE(OUT, RING_CONFIG_0)            \
    ROLE(OUT, RING_CONFIG_1)            \
    ROLE(OUT, RING_CONFIG_2)            \
    ROLE(OUT, NUM_CONFIG_0)             \
    ROLE(OUT, NUM_CONFIG_1)             \
    ROLE(OUT, NUM_CONFIG_2)

enum ChannelPageControl : int { CHP_NO_CONTROL, TELVAR_CHANNEL_PAGE_ROLES(TELVAR_ROLE_NUMBER) CHP_FIRST_SELECTOR };
enum ChannelPage2Control : int { CH2_NO_CONTROL, TELVAR_CHANNEL_PAGE2_ROLES(TELVAR_ROLE_NUMBER) };
enum EvalPageControl : int { EV_NO_CONTROL, TELVAR_EVAL_PAGE_ROLES(TELVAR_ROLE_NUMBER) };
enum EvalPage2Control : int { EV2_NO_CONTROL, TELVAR_EVAL_PAGE2_ROLES(TELVAR_ROLE_NUMBER) };
enum OutputsPageControl : int { OUT_NO_CONTROL, TELVAR_OUTPUTS_PAGE_ROLES(TELVAR_ROLE_NUMBER) OUT_FIRST_LED };

// The control of an event selector on channel page 1.
int selector_control(const Selector& selector);
// The event selector behind a control of channel page 1, null for none.
const Selector* selector_of(int control);
// The control of an output's mode selector for a bit of OUTPUT_MODE_BITS.
int output_led(int output, int bit);
inline constexpr int OUTPUT_CONFIG_FLAG[OUTPUTS] = {OUT_RING_CONFIG_0, OUT_RING_CONFIG_1, OUT_RING_CONFIG_2};
inline constexpr int OUTPUT_CONFIG_VALUE[OUTPUTS] = {OUT_NUM_CONFIG_0, OUT_NUM_CONFIG_1, OUT_NUM_CONFIG_2};

// Which page a field stands on. The channel pages exist once per channel.
enum class Page { ChannelFirst, ChannelSecond, Evaluation, EvaluationSecond, Outputs };

struct Field {
    Page page;
    int control;
    int word;  // on a channel page the word's offset in the channel block, else its index
    Conversion conversion;
};

// Every field of the pages that shows a record word, page by page. The decay
// time constant, shown only in the normalised data format, is not among them.
extern const std::span<const Field> PAGE_FIELDS;

// Tells the platform which roles each parameter page file must offer.
void define_parameter_page_roles();

}  // namespace telvar
