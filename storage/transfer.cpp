// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/transfer.h"

#include "link/com232.h"
#include "link/command.h"
#include "link/orders.h"
#include "params/change_marks.h"
#include "params/mapping.h"
#include "params/record.h"
#include "params/reference.h"
#include "platform/files.h"
#include "platform/userint.h"
#include "storage/parameter_file.h"
#include "storage/unsent_texts.h"
#include "ui/panels.h"
#include "ui/roles.h"
#include "link/status.h"

#include <algorithm>
#include <string>

namespace telvar {

int target = RAM;

namespace {

struct BlockStep {
    int first;              // the block's first record index
    int progress;           // shown once its answer is in
    const char* sent;       // status after a send
    const char* loaded;     // status after a get
};

constexpr BlockStep kBlocks[] = {
    {BLOCK_A, 33, "Parameter set 'A' sent to sensor.", "Parameter set 'A' loaded from sensor."},
    {BLOCK_B, 66, "Parameter set 'B' sent to sensor.", "Parameter set 'B' loaded from sensor."},
    {BLOCK_COMMON, 100, "Parameter saved to sensor.", "Parameter loaded from sensor."},
};

void show_progress(int value)
{
    SetCtrlVal(panelMAIN, MAIN_PROGRESS, value);
}

void progress_visible(int visible)
{
    SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, visible);
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
    parameter[step.first] = static_cast<std::uint16_t>(number);
    Command command;
    command.order = code;
    std::copy_n(parameter + step.first, BLOCK_WORDS, command.payload.begin());
    command.answer = emptyframe_answer();
    const CommandOutcome outcome = exchange_own_answer(command, number);
    if (outcome != CommandOutcome::Answered) {
        if (outcome != CommandOutcome::ConnectionLost)
            progress_visible(0);
        report_command_outcome(command, outcome);
        return false;
    }
    show_progress(step.progress);
    std::copy_n(emptyframe, BLOCK_WORDS, parameter + step.first);
    return true;
}

void start_progress()
{
    show_progress(0);
    progress_visible(1);
}

}  // namespace

bool send_record(int to)
{
    set_sync(0x55);
    start_progress();
    for (const BlockStep& step : kBlocks) {
        const bool common = step.first == BLOCK_COMMON;
        if (!exchange_block(step, common && to == EEPROM ? ORDER_WRITE_EEPROM : ORDER_WRITE_RAM))
            return false;
        set_status(step.sent);
    }
    progress_visible(0);
    return true;
}

bool fetch_record(int from)
{
    set_sync(0x55);
    set_order(from == EEPROM ? ORDER_READ_EEPROM : ORDER_READ_RAM);
    start_progress();
    // Each request carries the code the controller's last answer left in `order`.
    for (const BlockStep& step : kBlocks) {
        if (!exchange_block(step, order))
            return false;
        set_status(step.loaded);
    }
    return true;
}

bool send_pages()
{
    set_sync(0x55);
    GetPanelValues();
    if (target == DATFILE) {
        const bool saved = SendParaToFile() != 0;
        set_status(saved ? "Parameter saved to file."
                         : WithReason("Parameter saving to file failed.", parameter_file_failure()).c_str());
        if (saved)
            take_reference(ReferenceKind::File);
        return saved;
    }
    if (!send_record(target))
        return false;
    take_reference(ReferenceKind::Controller);
    return true;
}

void SendParameter()
{
    send_pages();
}

void GetParameter()
{
    set_sync(0x55);
    set_order(target == EEPROM ? ORDER_READ_EEPROM : ORDER_READ_RAM);
    GetPanelValues();
    if (target == DATFILE) {
        const bool loaded = ReadParaFromFile() != 0;
        set_status(loaded ? "Parameter loaded from file."
                          : WithReason("Parameter load from file failed.", parameter_file_failure()).c_str());
        if (loaded)
            take_reference(ReferenceKind::File);
        return;
    }
    if (!fetch_record(target))
        return;
    SetPanelValues();
    progress_visible(0);
    take_reference(ReferenceKind::Controller);
}

bool settle_unsent_changes(const char* question)
{
    if (!pages_hold_changes())
        return true;
    const std::string asked = unsent_changes_question(question, unsent_changes(), reference_name());
    switch (GenericMessagePopup(UNSENT_CHANGES_TITLE, asked.c_str(), send_button_text(target).c_str(), "Discard",
                                "Cancel")) {
    case 1: return send_pages();
    case 2: return true;
    default: return false;
    }
}

int CC_BTNSend(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT)
        SendParameter();
    return 0;
}

int CC_BTNGet(int, int, int event, void*, int, int)
{
    if (event == EVENT_COMMIT && settle_unsent_changes(GET_OVER_CHANGES_TEXT))
        GetParameter();
    return 0;
}

int CC_RADIO_MEMORY(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    // Button and target in the order RAM, EEPROM, file.
    const int buttons[] = {MAIN_RADIO_RAM, MAIN_RADIO_EEPROM, MAIN_RADIO_FILE};
    const int targets[] = {RAM, EEPROM, DATFILE};
    for (int k = 0; k < 3; ++k) {
        if (buttons[k] != control)
            continue;
        for (int button : buttons)
            SetCtrlVal(panelMAIN, button, 0);
        SetCtrlVal(panelMAIN, control, 1);
        target = targets[k];
    }
    return 0;
}

}  // namespace telvar
