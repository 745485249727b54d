// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/outputs.h"

#include "params/output_presets.h"
#include "params/pages.h"
#include "params/record.h"
#include "platform/userint.h"
#include "ui/panels.h"

#include <cstdint>

namespace telvar {

namespace {

template <typename Visit>
void for_each_led(int output, Visit visit)
{
    for (int bit : OUTPUT_MODE_BITS)
        visit(output_led(output, bit), bit);
}

// The 46 controls that show record words.
template <typename Visit>
void for_each_record_control(Visit visit)
{
    for (int output = 0; output < OUTPUTS; ++output) {
        for_each_led(output, [&](int led, int) { visit(led); });
        visit(OUTPUT_CONFIG_FLAG[output]);
        visit(OUTPUT_CONFIG_VALUE[output]);
    }
    visit(OUT_NUM_ANALOG_MODE);
}

}  // namespace

void set_output_LED(int output0, int output1, int output2)
{
    const int values[OUTPUTS] = {output0, output1, output2};
    for (int output = 0; output < OUTPUTS; ++output)
        if (values[output] >= 0)
            for_each_led(output, [&](int led, int) { SetCtrlVal(panelOUTPUTS, led, values[output]); });
    for (int bit : OUTPUT_2_RED_BITS)
        SetCtrlAttribute(panelOUTPUTS, output_led(2, bit), ATTR_ON_COLOR, VAL_RED);
}

void enable_output_LED(int state)
{
    const int mode = state == 0 ? VAL_INDICATOR : VAL_HOT;
    for_each_record_control([&](int control) { SetCtrlAttribute(panelOUTPUTS, control, ATTR_CTRL_MODE, mode); });
}

void show_output_modes()
{
    for (int output = 0; output < OUTPUTS; ++output) {
        const std::uint16_t mode = parameter[output_mode_word(output)];
        for_each_led(output, [&](int led, int bit) { SetCtrlVal(panelOUTPUTS, led, (mode >> bit) & 1); });
    }
}

void read_output_modes(std::uint16_t* words)
{
    for (int output = 0; output < OUTPUTS; ++output) {
        std::uint16_t mode = 0;
        for_each_led(output, [&](int led, int bit) {
            int on = 0;
            GetCtrlVal(panelOUTPUTS, led, &on);
            if (on & 1)
                mode |= static_cast<std::uint16_t>(1u << bit);
        });
        words[output_mode_word(output)] = mode;
    }
}

int CC_RNG_OUTPUT_SETTING(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    int value = 0;
    GetCtrlVal(panelOUTPUTS, control, &value);
    const OutputPreset& preset = output_preset(static_cast<std::int16_t>(value));
    set_output_LED(0, 0, 0);
    for (int output = 0; output < OUTPUTS; ++output) {
        SetCtrlVal(panelOUTPUTS, OUTPUT_CONFIG_FLAG[output], 0);
        SetCtrlVal(panelOUTPUTS, OUTPUT_CONFIG_VALUE[output], 0);
    }
    SetCtrlVal(panelOUTPUTS, OUT_NUM_ANALOG_MODE, 0);
    if (!preset.locked) {
        enable_output_LED(1);
        return 0;
    }
    enable_output_LED(0);
    for (int output = 0; output < OUTPUTS; ++output)
        SetCtrlVal(panelOUTPUTS, output_led(output, preset.mode_bit[output]), 1);
    SetCtrlVal(panelOUTPUTS, OUT_NUM_ANALOG_MODE, preset.analog_mode);
    return 0;
}

int CC_RNG_CONFIG(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    for (int output = 0; output < OUTPUTS; ++output) {
        if (control != OUTPUT_CONFIG_FLAG[output])
            continue;
        int flag = 0;
        GetCtrlVal(panelOUTPUTS, control, &flag);
        int values[OUTPUTS] = {-1, -1, -1};
        values[output] = flag;
        set_output_LED(values[0], values[1], values[2]);
    }
    return 0;
}

}  // namespace telvar
