// SPDX-License-Identifier: GPL-3.0-or-later
// Misbehaviour on request, for reliability tests of the tool and training.
// Each link keeps its own counts.
#pragma once

#include <chrono>
#include <optional>
#include <random>
#include <set>

#include "sim/core/actions.h"

namespace telvar::sim {

struct FaultOptions {
    bool silent = false;             // no answer at all
    int silent_every = 0;            // no answer to every Nth request; 0: off
    std::set<int> silent_codes{};    // no answer to these order codes
    bool wrong_sync = false;         // answers start 55 00
    bool short_answer = false;       // the last byte of each answer is missing
    std::optional<std::chrono::milliseconds> split_pause{};  // answer in two pieces
    std::chrono::milliseconds delay{0};                    // before each answer
    int garbage = 0;                 // bytes sent before each answer
    int close_after = 0;             // hang up after this many answers; 0: never
    std::set<int> refused_codes{};   // word 0 is not the acknowledgement
    bool no_prompt = false;          // the boot loader never prompts
    bool no_start_message = false;   // the boot loader never reports the start
    int faults_after = 0;            // the request faults spare the first this many requests
};

class FaultInjector {
public:
    explicit FaultInjector(const FaultOptions& options);

    // Counts the request; true when it is to be ignored as if never received.
    bool ignores(int order);
    bool refuses(int order) const;
    // The sends that carry an answer, as the options bend it.
    Actions shape(Bytes answer);
    // Counts the answer; true when the link is to hang up after it.
    bool hangs_up_after_answer();

private:
    bool active() const { return requests_ > options_.faults_after; }

    FaultOptions options_;
    int requests_ = 0;
    int answers_ = 0;
    std::mt19937 garbage_source_;
};

}  // namespace telvar::sim
