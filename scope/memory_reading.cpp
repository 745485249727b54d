// SPDX-License-Identifier: GPL-3.0-or-later
#include "scope/memory_reading.h"

#include "link/command.h"
#include "link/orders.h"
#include "link/status.h"
#include "platform/translation.h"
#include "scope/traces.h"

#include <algorithm>
#include <cstdio>

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
unsigned short yArrayA[MEMORY_SAMPLES];
unsigned short yArrayB[MEMORY_SAMPLES];
}  // namespace state

const unsigned short (&yArrayA)[MEMORY_SAMPLES] = state::yArrayA;
const unsigned short (&yArrayB)[MEMORY_SAMPLES] = state::yArrayB;

namespace {

unsigned short* memory_of(int selector)
{
    return selector == 1 ? state::yArrayA : selector == 2 ? state::yArrayB : nullptr;
}

enum class MemoryBlock { Stored, NoNewData, Ignored, Failed };

// The answer's code names the block it carries. A late answer to an earlier
// block names that block: asked again, the block gets its own answer rather
// than the earlier block's samples.
bool another_blocks_answer(int code, int start)
{
    const int named = code - DATA_BLOCK_FIRST;
    return code >= DATA_BLOCK_FIRST && code <= DATA_BLOCK_LAST && named % MAXBLOCK == 0 && named != start;
}

CommandOutcome exchange_own_block(const Command& request, int start, int* code)
{
    CommandOutcome outcome = exchange_command(request, code);
    for (int repeat = 0; repeat < STALE_ANSWER_REPEATS && outcome == CommandOutcome::Answered
                         && another_blocks_answer(*code, start);
         ++repeat)
        outcome = exchange_command(request, code);
    return outcome;
}

// One block request of a pass: the block of 16 samples of the selected
// channel from `start` on. The status text is set as the pass shows it, but
// not shown.
MemoryBlock read_memory_block(int selector, int start)
{
    clear_rx_flag();
    Command request;
    request.order = ORDER_DATA_MEMORY;
    request.payload[0] = static_cast<std::uint16_t>(selector);
    request.payload[1] = static_cast<std::uint16_t>(start);
    request.answer = emptyframe_answer();
    int code = 0;
    const CommandOutcome outcome = exchange_own_block(request, start, &code);
    if (outcome != CommandOutcome::Answered) {
        report_command_outcome(request, outcome);
        return MemoryBlock::Failed;
    }
    if (code == DATA_NO_TRIGGER) {
        put_status(tr_text("Scope", "No new trigger event. No data availible."));
        return MemoryBlock::NoNewData;
    }
    // Still another block's answer after the repeats: nothing stored.
    if (code < DATA_BLOCK_FIRST || code > DATA_BLOCK_LAST || another_blocks_answer(code, start))
        return MemoryBlock::Ignored;
    char text[STATUS_SIZE];
    std::snprintf(text, sizeof text, tr_text("Scope", "Data from index %i to index %i recieved."), start,
                  start + MAXBLOCK);
    put_status(text);
    if (unsigned short* memory = memory_of(selector))
        std::copy_n(emptyframe, MAXBLOCK, memory + start);
    return MemoryBlock::Stored;
}

}  // namespace

MemoryReading read_memory_pass(int selector, const std::function<void(int start)>& before_block,
                               const std::function<void()>& after_block)
{
    MemoryReading reading{MemoryPass::Complete, memory_of(selector)};
    for (int start = 0; start < MEMORY_SAMPLES; start += MAXBLOCK) {
        if (before_block)
            before_block(start);
        switch (read_memory_block(selector, start)) {
        case MemoryBlock::Failed:
            reading.pass = MemoryPass::Failed;
            return reading;
        case MemoryBlock::NoNewData:
            reading.pass = MemoryPass::NothingNew;
            return reading;
        case MemoryBlock::Ignored:
            reading.pass = MemoryPass::Partial;
            break;
        case MemoryBlock::Stored:
            break;
        }
        if (after_block)
            after_block();
    }
    return reading;
}

void fill_data_memory(int selector, unsigned short value)
{
    if (unsigned short* memory = memory_of(selector))
        std::fill_n(memory, MEMORY_SAMPLES, value);
}

}  // namespace telvar
