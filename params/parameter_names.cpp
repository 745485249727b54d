// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/parameter_names.h"

#include "params/conversions.h"
#include "params/events.h"
#include "params/labels.h"
#include "params/record.h"
#include "platform/translation.h"

namespace telvar {

namespace {

enum class Sheet { None, First, Second };

struct ChannelWordName {
    Sheet sheet;
    const char* caption;
};

// By offset in a channel block.
constexpr ChannelWordName kChannelWords[BLOCK_WORDS] = {
    {Sheet::None, TR_NOOP("ParameterNames", "Block number")},
    {Sheet::First, TR_NOOP("ParameterNames", "Decay time constant")},
    {Sheet::First, TR_NOOP("ParameterNames", "Acquire max value")},
    {Sheet::First, TR_NOOP("ParameterNames", "Store data snapshot")},
    {Sheet::First, TR_NOOP("ParameterNames", "Pretrigger value")},
    {Sheet::Second, TR_NOOP("ParameterNames", "Laser power")},
    {Sheet::Second, TR_NOOP("ParameterNames", "Reference value")},
    {Sheet::Second, TR_NOOP("ParameterNames", "Low tolerance")},
    {Sheet::Second, TR_NOOP("ParameterNames", "High tolerance")},
    {Sheet::First, TR_NOOP("ParameterNames", "Data averaging")},
    {Sheet::None, TR_NOOP("ParameterNames", "Trigger hysteresis")},
    {Sheet::Second, TR_NOOP("ParameterNames", "Trigger level")},
    {Sheet::First, TR_NOOP("ParameterNames", "Data filter")},
    {Sheet::First, TR_NOOP("ParameterNames", "Reset value")},
    {Sheet::First, TR_NOOP("ParameterNames", "Data format")},
    {Sheet::First, TR_NOOP("ParameterNames", "Result valid")},
};

inline constexpr const char* CHANNEL_A_PAGE = TR_NOOP("ParameterNames", "Channel A: data and conditions");
inline constexpr const char* CHANNEL_A_LIMITS_PAGE = TR_NOOP("ParameterNames", "Channel A: limits");
inline constexpr const char* CHANNEL_B_PAGE = TR_NOOP("ParameterNames", "Channel B: data and conditions");
inline constexpr const char* CHANNEL_B_LIMITS_PAGE = TR_NOOP("ParameterNames", "Channel B: limits");
inline constexpr const char* EVALUATION_PAGE = TR_NOOP("ParameterNames", "Evaluation and scanning");
inline constexpr const char* EVALUATION_LIMITS_PAGE = TR_NOOP("ParameterNames", "Evaluation: limits");
inline constexpr const char* OUTPUTS_PAGE = TR_NOOP("ParameterNames", "Switching outputs and analog output");

constexpr const char* kChannelPages[2][2] = {
    {CHANNEL_A_PAGE, CHANNEL_A_LIMITS_PAGE},
    {CHANNEL_B_PAGE, CHANNEL_B_LIMITS_PAGE},
};

constexpr const char* kPageTitles[PageTitles::size()] = {
    CHANNEL_A_PAGE, CHANNEL_A_LIMITS_PAGE, CHANNEL_B_PAGE, CHANNEL_B_LIMITS_PAGE,
    EVALUATION_PAGE, EVALUATION_LIMITS_PAGE, OUTPUTS_PAGE,
};

// By offset in the common block.
constexpr ParameterName kCommonWords[BLOCK_WORDS] = {
    {"", TR_NOOP("ParameterNames", "Block number")},
    {EVALUATION_PAGE, TR_NOOP("ParameterNames", "Evaluation mode")},
    {"", TR_NOOP("ParameterNames", "Controller's own word")},
    {EVALUATION_PAGE, TR_NOOP("ParameterNames", "Scan frequency")},
    {OUTPUTS_PAGE, TR_NOOP("ParameterNames", "Analog output mode")},
    {EVALUATION_PAGE, TR_NOOP("ParameterNames", "Evaluation averaging")},
    {OUTPUTS_PAGE, TR_NOOP("ParameterNames", "Output 0 mode bits")},
    {OUTPUTS_PAGE, TR_NOOP("ParameterNames", "Output 0 configuration")},
    {OUTPUTS_PAGE, TR_NOOP("ParameterNames", "Output 1 mode bits")},
    {OUTPUTS_PAGE, TR_NOOP("ParameterNames", "Output 1 configuration")},
    {OUTPUTS_PAGE, TR_NOOP("ParameterNames", "Output 2 mode bits")},
    {OUTPUTS_PAGE, TR_NOOP("ParameterNames", "Output 2 configuration")},
    {EVALUATION_LIMITS_PAGE, TR_NOOP("ParameterNames", "Reference value")},
    {EVALUATION_LIMITS_PAGE, TR_NOOP("ParameterNames", "Low tolerance")},
    {EVALUATION_LIMITS_PAGE, TR_NOOP("ParameterNames", "High tolerance")},
    {EVALUATION_PAGE, TR_NOOP("ParameterNames", "Teach settings 1 and 2")},
};

// The entries of the evaluation page's choices, by value; a value beyond
// them the page shows as its number.
constexpr const char* kEvaluationModes[] = {
    TR_NOOP("ParameterNames", "Channel A"),        TR_NOOP("ParameterNames", "Mean of A and B"),
    TR_NOOP("ParameterNames", "Sum A + B"),        TR_NOOP("ParameterNames", "Difference A - B"),
    TR_NOOP("ParameterNames", "Difference B - A"),
};
// German writes a decimal comma, as the page does.
constexpr const char* kScanFrequencies[] = {
    TR_NOOP("ParameterNames", "10 kHz"), TR_NOOP("ParameterNames", "5 kHz"), TR_NOOP("ParameterNames", "2.5 kHz"),
    TR_NOOP("ParameterNames", "1 kHz"), TR_NOOP("ParameterNames", "500 Hz")};

// A name of the tables above as the window shows it; "" stays "".
const char* named(const char* text)
{
    return *text ? tr_text("ParameterNames", text) : text;
}

template <std::size_t N>
std::string choice_text(const char* const (&entries)[N], std::uint16_t word)
{
    return word < N ? named(entries[word]) : std::to_string(word);
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
    std::string bits;
    for (int bit = 0; bit < 16; ++bit)
        if ((word >> bit) & 1u)
            bits += (bits.empty() ? "" : ", ") + std::to_string(bit);
    return bits.empty() ? tr_text("ParameterNames", "no bit") : with_args(tr_text("ParameterNames", "bits %1"), {bits});
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
            return tr_text("Conditions", DATA_FORMAT_RAW_TEXT);
        if (word == DATA_NORMALISED)
            return tr_text("Conditions", DATA_FORMAT_NORM_TEXT);
        return std::to_string(word);
    default: return std::to_string(word);
    }
}

}  // namespace

const char* PageTitles::operator[](std::size_t page) const
{
    return page < size() ? named(kPageTitles[page]) : "";
}

const PageTitles PARAMETER_PAGES{};

ParameterName parameter_name(int index)
{
    if (index < 0 || index >= PARAMETER_WORDS)
        return {"", ""};
    if (index >= BLOCK_COMMON) {
        const ParameterName& name = kCommonWords[index - BLOCK_COMMON];
        return {named(name.page), named(name.caption)};
    }
    const int channel = index / BLOCK_WORDS;
    const ChannelWordName& name = kChannelWords[index % BLOCK_WORDS];
    if (name.sheet == Sheet::None)
        return {"", named(name.caption)};
    return {named(kChannelPages[channel][name.sheet == Sheet::First ? 0 : 1]), named(name.caption)};
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
        return with_args(tr_text("ParameterNames", "flag %1, value %2"),
                         {std::to_string(field_value(Conversion::ConfigFlag, word)),
                          std::to_string(field_value(Conversion::ConfigValue, word))});
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
    return with_args(tr_text("ParameterNames", "%1 (word %2)"), {text, std::to_string(word)});
}

}  // namespace telvar
