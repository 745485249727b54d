// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/pages.h"

#include "params/record.h"
#include "platform/userint.h"

#include <deque>
#include <string>
#include <vector>

namespace telvar {

namespace {

using enum Page;
using enum Conversion;

constexpr Field kFields[] = {
    {ChannelFirst, CHP_NUM_AVERAGING, CH_AVERAGING, Plain},
    {ChannelFirst, CHP_NUM_PRETRIGGER, CH_PRETRIGGER, Plain},
    {ChannelSecond, CH2_NUM_LASER, CH_LASER_POWER, Plain},
    {ChannelSecond, CH2_NUM_TRIGGER, CH_TRIGGER_LEVEL, Plain},
    {ChannelSecond, CH2_NUM_REFERENCE, CH_REFERENCE, Plain},
    {ChannelSecond, CH2_NUM_HIGH_TOL, CH_HIGH_TOLERANCE, Plain},
    {ChannelSecond, CH2_NUM_LOW_TOL, CH_LOW_TOLERANCE, Negated},
    {Evaluation, EV_NUM_TEACH_1, TEACH_MODE, LowByte},
    {Evaluation, EV_NUM_TEACH_2, TEACH_MODE, HighByte},
    {Evaluation, EV_RING_EVAL_MODE, EVAL_MODE, Plain},
    {Evaluation, EV_NUM_EVAL_AVERAGING, EVAL_AVERAGING, Plain},
    {Evaluation, EV_RING_SCAN_FREQUENCY, SCAN_FREQUENCY, Plain},
    {EvaluationSecond, EV2_NUM_REFERENCE, EVAL_REFERENCE, Plain},
    {EvaluationSecond, EV2_NUM_HIGH_TOL, EVAL_HIGH_TOLERANCE, Plain},
    {EvaluationSecond, EV2_NUM_LOW_TOL, EVAL_LOW_TOLERANCE, Negated},
    {Outputs, OUT_NUM_ANALOG_MODE, ANALOG_OUTPUT_MODE, Plain},
    {Outputs, OUT_RING_CONFIG_0, output_config_word(0), ConfigFlag},
    {Outputs, OUT_NUM_CONFIG_0, output_config_word(0), ConfigValue},
    {Outputs, OUT_RING_CONFIG_1, output_config_word(1), ConfigFlag},
    {Outputs, OUT_NUM_CONFIG_1, output_config_word(1), ConfigValue},
    {Outputs, OUT_RING_CONFIG_2, output_config_word(2), ConfigFlag},
    {Outputs, OUT_NUM_CONFIG_2, output_config_word(2), ConfigValue},
};

std::vector<ControlRole> channel_page_roles()
{
    std::vector<ControlRole> roles = {TELVAR_CHANNEL_PAGE_ROLES(TELVAR_ROLE_ENTRY)};
    for (const Selector& s : EVENT_SELECTORS)
        roles.push_back({selector_control(s), s.role.data()});  // the roles are literals, so zero-ended
    return roles;
}

std::vector<ControlRole> outputs_page_roles()
{
    // The platform keeps the names for the whole run.
    static std::deque<std::string> names;
    std::vector<ControlRole> roles = {TELVAR_OUTPUTS_PAGE_ROLES(TELVAR_ROLE_ENTRY)};
    for (int output = 0; output < OUTPUTS; ++output)
        for (int bit : OUTPUT_MODE_BITS) {
            names.push_back("LED_" + std::to_string(output) + "_" + std::to_string(bit));
            roles.push_back({output_led(output, bit), names.back().c_str()});
        }
    return roles;
}

}  // namespace

const std::span<const Field> PAGE_FIELDS{kFields};

int selector_control(const Selector& selector)
{
    return CHP_FIRST_SELECTOR + static_cast<int>(&selector - EVENT_SELECTORS.data());
}

const Selector* selector_of(int control)
{
    const int index = control - CHP_FIRST_SELECTOR;
    return index >= 0 && index < static_cast<int>(EVENT_SELECTORS.size()) ? &EVENT_SELECTORS[index] : nullptr;
}

int output_led(int output, int bit)
{
    for (int k = 0; k < static_cast<int>(OUTPUT_MODE_BITS.size()); ++k)
        if (OUTPUT_MODE_BITS[k] == bit)
            return OUT_FIRST_LED + output * static_cast<int>(OUTPUT_MODE_BITS.size()) + k;
    return 0;
}

void define_parameter_page_roles()
{
    const std::vector<ControlRole> page1 = channel_page_roles();
    const std::vector<ControlRole> page2 = {TELVAR_CHANNEL_PAGE2_ROLES(TELVAR_ROLE_ENTRY)};
    DefinePanelRoles(CHANNEL_A_UIR, PANEL, page1);
    DefinePanelRoles(CHANNEL_B_UIR, PANEL, page1);
    DefinePanelRoles(CHANNEL_A2_UIR, PANEL, page2);
    DefinePanelRoles(CHANNEL_B2_UIR, PANEL, page2);
    DefinePanelRoles(EVALUATION_UIR, PANEL, {TELVAR_EVAL_PAGE_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(EVALUATION2_UIR, PANEL, {TELVAR_EVAL_PAGE2_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(OUTPUTS_UIR, PANEL, outputs_page_roles());
}

}  // namespace telvar
