// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/transfer.h"

#include "link/com232.h"
#include "link/command.h"
#include "link/orders.h"
#include "link/status.h"
#include "params/record.h"
#include "params/reference.h"
#include "platform/files.h"
#include "platform/translation.h"
#include "storage/parameter_file.h"
#include "storage/transfer_events.h"

#include <algorithm>

namespace telvar {

namespace state {
int target = RAM;
}  // namespace state

const int& target = state::target;

void choose_target(int place)
{
    state::target = place;
}

namespace {

struct BlockStep {
    int first;              // the block's first record index
    int progress;           // shown once its answer is in
    const char* sent;       // status after a send
    const char* loaded;     // status after a get
};

constexpr BlockStep kBlocks[] = {
    {BLOCK_A, 33, TR_NOOP("Transfer", "Parameter set 'A' sent to sensor."),
     TR_NOOP("Transfer", "Parameter set 'A' loaded from sensor.")},
    {BLOCK_B, 66, TR_NOOP("Transfer", "Parameter set 'B' sent to sensor."),
     TR_NOOP("Transfer", "Parameter set 'B' loaded from sensor.")},
    {BLOCK_COMMON, 100, TR_NOOP("Transfer", "Parameter saved to sensor."),
     TR_NOOP("Transfer", "Parameter loaded from sensor.")},
};

void show_progress(int value)
{
    report_transfer_event({.kind = TransferEventKind::Progress, .percent = value});
}

void hide_progress()
{
    report_transfer_event({.kind = TransferEventKind::ProgressHidden});
}

// A block's answer begins with its block number. Another block's number is
// a late answer to the block before: the block is asked for again rather
// than overwritten with another block's words. Any other first word is a
// refusal, which read or stored nothing: the exchange failed, and the block
// keeps its words.
CommandOutcome exchange_own_answer(const Command& command, int number)
{
    CommandOutcome outcome = exchange_command(command);
    for (int repeat = 0; outcome == CommandOutcome::Answered && emptyframe[0] != number; ++repeat) {
        const bool late = emptyframe[0] >= 1 && emptyframe[0] <= BLOCK_COUNT;
        if (!late || repeat == STALE_ANSWER_REPEATS)
            return CommandOutcome::EchoIncorrect;
        outcome = exchange_command(command);
    }
    return outcome;
}

// One block to the controller and its answer over the block. False when the
// transfer ends here: a lost line leaves the progress where it stood, any
// other failure hides it.
bool exchange_block(const BlockStep& step, int code)
{
    const int number = 1 + step.first / BLOCK_WORDS;
    set_word(step.first, static_cast<std::uint16_t>(number));
    Command command;
    command.order = code;
    std::copy_n(parameter + step.first, BLOCK_WORDS, command.payload.begin());
    command.answer = emptyframe_answer();
    const CommandOutcome outcome = exchange_own_answer(command, number);
    if (outcome != CommandOutcome::Answered) {
        if (outcome != CommandOutcome::ConnectionLost)
            hide_progress();
        report_command_outcome(command, outcome);
        return false;
    }
    show_progress(step.progress);
    take_block(step.first, emptyframe);
    return true;
}

}  // namespace

bool send_record(int to)
{
    set_sync(0x55);
    show_progress(0);
    for (const BlockStep& step : kBlocks) {
        const bool common = step.first == BLOCK_COMMON;
        if (!exchange_block(step, common && to == EEPROM ? ORDER_WRITE_EEPROM : ORDER_WRITE_RAM))
            return false;
        set_status(tr_text("Transfer", step.sent));
    }
    hide_progress();
    return true;
}

bool fetch_record(int from)
{
    set_sync(0x55);
    set_order(from == EEPROM ? ORDER_READ_EEPROM : ORDER_READ_RAM);
    show_progress(0);
    // Each request carries the code the controller's last answer left in `order`.
    for (const BlockStep& step : kBlocks) {
        if (!exchange_block(step, order))
            return false;
        set_status(tr_text("Transfer", step.loaded));
    }
    return true;
}

bool send_to_target()
{
    set_sync(0x55);
    if (target == DATFILE) {
        const bool saved = SendParaToFile() != 0;
        set_status(saved ? tr_text("Transfer", "Parameter saved to file.")
                         : WithReason(tr_text("Transfer", "Parameter saving to file failed."),
                                      parameter_file_failure())
                               .c_str());
        if (saved)
            take_reference(ReferenceKind::File);
        return saved;
    }
    if (!send_record(target))
        return false;
    take_reference(ReferenceKind::Controller);
    return true;
}

bool get_from_target()
{
    set_sync(0x55);
    set_order(target == EEPROM ? ORDER_READ_EEPROM : ORDER_READ_RAM);
    if (target == DATFILE) {
        const bool loaded = ReadParaFromFile() != 0;
        set_status(loaded ? tr_text("Transfer", "Parameter loaded from file.")
                          : WithReason(tr_text("Transfer", "Parameter load from file failed."),
                                       parameter_file_failure())
                                .c_str());
        if (loaded)
            take_reference(ReferenceKind::File);
        return loaded;
    }
    if (!fetch_record(target))
        return false;
    hide_progress();
    take_reference(ReferenceKind::Controller);
    return true;
}

}  // namespace telvar
