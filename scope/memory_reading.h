// SPDX-License-Identifier: GPL-3.0-or-later
// The data memory readout: the controller's triggered data memory of one
// channel, 8 blocks of 16 samples a pass.
#pragma once

#include "scope/traces.h"

#include <functional>

namespace telvar {

inline constexpr int MAXBLOCK = 16;
// The data memories of channel A and B; a block not received keeps its samples.
extern const unsigned short (&yArrayA)[MEMORY_SAMPLES];
extern const unsigned short (&yArrayB)[MEMORY_SAMPLES];

enum class MemoryPass {
    Complete,    // every block stored
    Partial,     // an answer of another code left a block as it was
    NothingNew,  // no new trigger event: the rest of the blocks was not asked for
    Failed,      // an exchange failed, reported as a failed command is
};

struct MemoryReading {
    MemoryPass pass;
    const unsigned short* memory;  // yArrayA or yArrayB as the pass left it; nullptr for no channel
};

// One pass over the memory of the selected channel (1 A, 2 B, 0 none), in
// blocks of 16 samples. `before_block` gets each block's start index before
// it is asked for; `after_block` runs after each block that was answered
// with a block code, the status text set as the pass shows it.
MemoryReading read_memory_pass(int selector, const std::function<void(int start)>& before_block,
                               const std::function<void()>& after_block);
// Every sample of the channel's memory (1 A, 2 B) set to `value`.
void fill_data_memory(int selector, unsigned short value);

}  // namespace telvar
