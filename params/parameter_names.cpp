// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/parameter_names.h"

#include "params/conversions.h"
#include "params/events.h"
#include "params/labels.h"
#include "params/record.h"

namespace telvar {

namespace {

enum class Sheet { None, First, Second };

struct ChannelWordName {
    Sheet sheet;
    const char* caption;
};

// By offset in a channel block.
constexpr ChannelWordName kChannelWords[BLOCK_WORDS] = {
    {Sheet::None, "Block number"},
    {Sheet::First, "Decay time constant"},
    {Sheet::First, "Acquire max value"},
    {Sheet::First, "Store data snapshot"},
    {Sheet::First, "Pretrigger value"},
    {Sheet::Second, "Laser power"},
    {Sheet::Second, "Reference value"},
    {Sheet::Second, "Low tolerance"},
    {Sheet::Second, "High tolerance"},
    {Sheet::First, "Data averaging"},
    {Sheet::None, "Trigger hysteresis"},
    {Sheet::Second, "Trigger level"},
    {Sheet::First, "Data filter"},
    {Sheet::First, "Reset value"},
    {Sheet::First, "Data format"},
    {Sheet::First, "Result valid"},
};

inline constexpr const char* CHANNEL_A_PAGE = "Channel A: data and conditions";
inline constexpr const char* CHANNEL_A_LIMITS_PAGE = "Channel A: limits";
inline constexpr const char* CHANNEL_B_PAGE = "Channel B: data and conditions";
inline constexpr const char* CHANNEL_B_LIMITS_PAGE = "Channel B: limits";
inline constexpr const char* EVALUATION_PAGE = "Evaluation and scanning";
inline constexpr const char* EVALUATION_LIMITS_PAGE = "Evaluation: limits";
inline constexpr const char* OUTPUTS_PAGE = "Switching outputs and analog output";

constexpr const char* kChannelPages[2][2] = {
    {CHANNEL_A_PAGE, CHANNEL_A_LIMITS_PAGE},
    {CHANNEL_B_PAGE, CHANNEL_B_LIMITS_PAGE},
};

// By offset in the common block.
constexpr ParameterName kCommonWords[BLOCK_WORDS] = {
    {"", "Block number"},
    {EVALUATION_PAGE, "Evaluation mode"},
    {"", "Controller's own word"},
    {EVALUATION_PAGE, "Scan frequency"},
    {OUTPUTS_PAGE, "Analog output mode"},
    {EVALUATION_PAGE, "Evaluation averaging"},
    {OUTPUTS_PAGE, "Output 0 mode bits"},
    {OUTPUTS_PAGE, "Output 0 configuration"},
    {OUTPUTS_PAGE, "Output 1 mode bits"},
    {OUTPUTS_PAGE, "Output 1 configuration"},
    {OUTPUTS_PAGE, "Output 2 mode bits"},
    {OUTPUTS_PAGE, "Output 2 configuration"},
    {EVALUATION_LIMITS_PAGE, "Reference value"},
    {EVALUATION_LIMITS_PAGE, "Low tolerance"},
    {EVALUATION_LIMITS_PAGE, "High tolerance"},
    {EVALUATION_PAGE, "Teach settings 1 and 2"},
};

// The entries of the evaluation page's choices, by value; a value beyond
// them the page shows as its number.
constexpr const char* kEvaluationModes[] = {"Channel A", "Mean of A and B", "Sum A + B", "Difference A - B",
                                            "Difference B - A"};
constexpr const char* kScanFrequencies[] = {"10 kHz", "5 kHz", "2.5 kHz", "1 kHz", "500 Hz"};

template <std::size_t N>
std::string choice_text(const char* const (&entries)[N], std::uint16_t word)
{
    return word < N ? entries[word] : std::to_string(word);
}

bool is_output_mode(int index)
{
    for (int output = 0; output < OUTPUTS; ++output)
        if (index == output_mode_word(output))
            return true;
    return false;
}

bool is_output_config(int index)
{
    for (int output = 0; output < OUTPUTS; ++output)
        if (index == output_config_word(output))
            return true;
    return false;
}

std::string bits_on(std::uint16_t word)
{
    std::string text;
    for (int bit = 0; bit < 16; ++bit)
        if ((word >> bit) & 1u)
            text += (text.empty() ? "bits " : ", ") + std::to_string(bit);
    return text.empty() ? "no bit" : text;
}

std::string channel_word_text(int offset, std::uint16_t word)
{
    switch (offset) {
    case CH_MAX_MODE: return condition_label(Group::MaxValue, word);
    case CH_SNAPSHOT_MODE: return condition_label(Group::Snapshot, word);
    case CH_RESET_MODE: return condition_label(Group::Reset, word);
    case CH_VALID_MODE: return condition_label(Group::ResultValid, word);
    case CH_FILTER: return filter_label(word);
    case CH_LOW_TOLERANCE: return std::to_string(field_value(Conversion::Negated, word));
    case CH_DATA_MODE:
        if (word == DATA_RAW)
            return DATA_FORMAT_RAW_TEXT;
        if (word == DATA_NORMALISED)
            return DATA_FORMAT_NORM_TEXT;
        return std::to_string(word);
    default: return std::to_string(word);
    }
}

}  // namespace

const std::array<const char*, 7> PARAMETER_PAGES = {
    CHANNEL_A_PAGE, CHANNEL_A_LIMITS_PAGE, CHANNEL_B_PAGE, CHANNEL_B_LIMITS_PAGE,
    EVALUATION_PAGE, EVALUATION_LIMITS_PAGE, OUTPUTS_PAGE,
};

ParameterName parameter_name(int index)
{
    if (index < 0 || index >= PARAMETER_WORDS)
        return {"", ""};
    if (index >= BLOCK_COMMON)
        return kCommonWords[index - BLOCK_COMMON];
    const int channel = index / BLOCK_WORDS;
    const ChannelWordName& name = kChannelWords[index % BLOCK_WORDS];
    if (name.sheet == Sheet::None)
        return {"", name.caption};
    return {kChannelPages[channel][name.sheet == Sheet::First ? 0 : 1], name.caption};
}

std::string shown_text(int index, std::uint16_t word)
{
    if (index < BLOCK_COMMON)
        return channel_word_text(index % BLOCK_WORDS, word);
    if (index == EVAL_MODE)
        return choice_text(kEvaluationModes, word);
    if (index == SCAN_FREQUENCY)
        return choice_text(kScanFrequencies, word);
    if (index == EVAL_LOW_TOLERANCE)
        return std::to_string(field_value(Conversion::Negated, word));
    if (index == TEACH_MODE)
        return std::to_string(field_value(Conversion::LowByte, word)) + " / "
            + std::to_string(field_value(Conversion::HighByte, word));
    if (is_output_config(index))
        return "flag " + std::to_string(field_value(Conversion::ConfigFlag, word)) + ", value "
            + std::to_string(field_value(Conversion::ConfigValue, word));
    if (is_output_mode(index))
        return bits_on(word);
    return std::to_string(word);
}

// A condition text names the highest event of its word only, so two words
// may read alike: then the words themselves tell the difference.
std::string compared_text(int index, std::uint16_t word, std::uint16_t other)
{
    const std::string text = shown_text(index, word);
    if (text != shown_text(index, other))
        return text;
    return text + " (word " + std::to_string(word) + ")";
}

}  // namespace telvar
