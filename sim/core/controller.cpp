// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/core/controller.h"

#include "link/orders.h"
#include "sim/core/answers.h"

namespace telvar::sim {

namespace {

// Ten seconds of scans: several trigger events, so the data memory is as it
// would be after any longer pause.
constexpr std::int64_t kMaxCatchUpScans = 1000;

bool is_download_key(const frame::Words& words)
{
    for (int k = 0; k < frame::kWords; ++k) {
        if (words[k] != (k % 2 == 0 ? DOWNLOAD_KEY_EVEN : DOWNLOAD_KEY_ODD))
            return false;
    }
    return true;
}

TriggerSettings trigger_settings(const ParameterSet& ram, int offset)
{
    return {ram.words[offset + channel_word::kTriggerLevel], ram.words[offset + channel_word::kTriggerHysteresis],
            ram.words[offset + channel_word::kPretrigger]};
}

// Whatever was stored, the block numbers and the own word are the controller's.
ParameterSet normalised(const ParameterSet& set)
{
    ParameterSet result;
    for (int number = 1; number <= kBlockCount; ++number)
        result.store_block(number, set.block(number));
    return result;
}

}  // namespace

Controller::Controller(const ParameterSet& eeprom, std::uint32_t noise_start, Time now)
    : eeprom_(normalised(eeprom)), ram_(eeprom_), model_(noise_start), scanned_until_(now)
{
    scan();
}

Response Controller::handle(const Request& request, LinkKind link, Time now)
{
    advance_to(now);
    switch (request.order) {
    case ORDER_WRITE_RAM:
        return {write_block(request, false)};
    case ORDER_WRITE_EEPROM:
        return {write_block(request, true)};
    case ORDER_READ_RAM:
        return {read_block(request, ram_)};
    case ORDER_READ_EEPROM:
        return {read_block(request, eeprom_)};
    case ORDER_LINE_CHECK:
        return {acknowledged(request.order)};
    case ORDER_TEACH:
        return {teach()};
    case ORDER_VERSION:
        return {version_text(kVersionText)};
    case ORDER_RAWDATA:
        return {live_sample(request)};
    case ORDER_DATA_MEMORY:
        return {data_memory_block(request)};
    case ORDER_ENTER_TEST:
        test_mode_ = true;
        return {acknowledged(request.order)};
    case ORDER_EXIT_TEST:
        test_mode_ = false;
        test_block_ = {};
        return {acknowledged(request.order)};
    case ORDER_TEST_DATA:
        return {test_data(request)};
    case ORDER_RESET:
        memory_a_.clear();
        memory_b_.clear();
        return {acknowledged(request.order)};
    case ORDER_START_DOWNLOAD:
        return start_download(request, link);
    default:
        return {};
    }
}

void Controller::advance_to(Time now)
{
    if (now <= scanned_until_)
        return;
    std::int64_t due = (now - scanned_until_) / kSamplePeriod;
    if (due > kMaxCatchUpScans) {
        scanned_until_ += (due - kMaxCatchUpScans) * kSamplePeriod;
        due = kMaxCatchUpScans;
    }
    for (std::int64_t k = 0; k < due; ++k)
        scan();
    scanned_until_ += due * kSamplePeriod;
}

void Controller::scan()
{
    const Sample& sample = model_.step(ram_);
    memory_a_.record(sample.a, trigger_settings(ram_, kChannelAOffset));
    memory_b_.record(sample.b, trigger_settings(ram_, kChannelBOffset));
}

// A block number the controller does not have is neither stored nor
// answered with data: the request comes back as it was, so the sender's
// copy of the block is left as it is.
Bytes Controller::write_block(const Request& request, bool to_eeprom)
{
    const int number = request.words[0];
    if (!ParameterSet::is_block_number(number))
        return answer_frame(request.order, request.words);
    ram_.store_block(number, request.words);
    // The tool sends the channel blocks to RAM and only the last block with
    // the EEPROM code: saving keeps the whole set, not that block alone.
    if (to_eeprom) {
        eeprom_ = ram_;
        store_eeprom();
    }
    return answer_frame(request.order, ram_.block(number));
}

Bytes Controller::read_block(const Request& request, const ParameterSet& from) const
{
    const int number = request.words[0];
    if (!ParameterSet::is_block_number(number))
        return answer_frame(request.order, request.words);
    return answer_frame(request.order, from.block(number));
}

Bytes Controller::live_sample(const Request& request) const
{
    const Sample& sample = model_.current();
    frame::Words words{};
    words[0] = request.words[0];
    words[1] = sample.evaluation;
    words[2] = sample.a;
    words[3] = sample.b;
    words[4] = sample.a_peak;
    words[5] = sample.b_peak;
    words[6] = sample.a_valley;
    words[7] = sample.b_valley;
    return answer_frame(request.order, words);
}

// Channel 0 has no memory of its own: it never has anything new. A channel
// or start index that does not exist gets an empty answer with the plain
// order code, which a reader ignores.
Bytes Controller::data_memory_block(const Request& request)
{
    const int channel = request.words[0];
    const int start = request.words[1];
    if (channel == 0)
        return answer_frame(DATA_NO_TRIGGER, {});
    if ((channel != 1 && channel != 2) || !DataMemory::is_block_start(start))
        return answer_frame(request.order, {});
    const auto block = (channel == 1 ? memory_a_ : memory_b_).read_block(start);
    if (!block)
        return answer_frame(DATA_NO_TRIGGER, {});
    return answer_frame(DATA_BLOCK_FIRST + start, *block);
}

// Teaching takes the current measurement as the new references, in RAM and
// EEPROM alike, so a fetch from either shows them.
Bytes Controller::teach()
{
    const Sample& sample = model_.current();
    for (ParameterSet* set : {&ram_, &eeprom_}) {
        set->words[kChannelAOffset + channel_word::kReference] = sample.a;
        set->words[kChannelBOffset + channel_word::kReference] = sample.b;
        set->words[kEvaluationReference] = sample.evaluation;
    }
    store_eeprom();
    return acknowledged(ORDER_TEACH);
}

// The answer is the block the controller applies to its outputs: in test
// mode the one just sent, outside it nothing is applied and the block is 0.
Bytes Controller::test_data(const Request& request)
{
    if (test_mode_)
        test_block_ = request.words;
    return answer_frame(request.order, test_block_);
}

// Downloads go over the serial line only, and only with the right key.
Response Controller::start_download(const Request& request, LinkKind link) const
{
    if (link != LinkKind::serial || !is_download_key(request.words))
        return {refused(request.order)};
    return {acknowledged(request.order), true};
}

void Controller::store_eeprom()
{
    if (eeprom_written_)
        eeprom_written_(eeprom_);
}

}  // namespace telvar::sim
