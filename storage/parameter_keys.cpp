// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/parameter_keys.h"

#include "params/record.h"

namespace telvar {

namespace {

#define TELVAR_CHANNEL_KEYS(section, block)                          \
    {section, "Decay Time Constant", block + CH_DECAY},              \
    {section, "Max Value Aquisition", block + CH_MAX_MODE},          \
    {section, "Data Snapshot Mode", block + CH_SNAPSHOT_MODE},       \
    {section, "Pretrigger Value", block + CH_PRETRIGGER},            \
    {section, "Laser Power Setting", block + CH_LASER_POWER},        \
    {section, "Reference Value", block + CH_REFERENCE},              \
    {section, "High Tolerance", block + CH_HIGH_TOLERANCE},          \
    {section, "Low Tolerance", block + CH_LOW_TOLERANCE},            \
    {section, "Data Averaging", block + CH_AVERAGING},               \
    {section, "Trigger Hysteresis", block + CH_HYSTERESIS},          \
    {section, "Trigger Level", block + CH_TRIGGER_LEVEL},            \
    {section, "Value Filter", block + CH_FILTER},                    \
    {section, "Reset Mode", block + CH_RESET_MODE},                  \
    {section, "Data Mode", block + CH_DATA_MODE},                    \
    {section, "Result Valid Mode", block + CH_VALID_MODE}

// "High Tolerance" stands before "Low Tolerance" although its index is higher.
constexpr ParameterKey kKeys[] = {
    TELVAR_CHANNEL_KEYS(SECTION_CHANNEL_A, BLOCK_A),
    TELVAR_CHANNEL_KEYS(SECTION_CHANNEL_B, BLOCK_B),
    {SECTION_COMMON, "Evaluation Mode", EVAL_MODE},
    {SECTION_COMMON, "Scanfrequency", SCAN_FREQUENCY},
    {SECTION_COMMON, "Analog Output Mode", ANALOG_OUTPUT_MODE},
    {SECTION_COMMON, "Evaluation Averaging", EVAL_AVERAGING},
    {SECTION_COMMON, "Output 0 Mode", output_mode_word(0)},
    {SECTION_COMMON, "Output 0 Configuration", output_config_word(0)},
    {SECTION_COMMON, "Output 1 Mode", output_mode_word(1)},
    {SECTION_COMMON, "Output 1 Configuration", output_config_word(1)},
    {SECTION_COMMON, "Output 2 Mode", output_mode_word(2)},
    {SECTION_COMMON, "Output 2 Configuration", output_config_word(2)},
    {SECTION_COMMON, "Reference Value", EVAL_REFERENCE},
    {SECTION_COMMON, "High Tolerance", EVAL_HIGH_TOLERANCE},
    {SECTION_COMMON, "Low Tolerance", EVAL_LOW_TOLERANCE},
    {SECTION_COMMON, "Teachmode Parameter", TEACH_MODE},
};

}  // namespace

const std::span<const ParameterKey> PARAMETER_KEYS{kKeys};

}  // namespace telvar
