// SPDX-License-Identifier: GPL-3.0-or-later
// The places where tests and benchmarks reach into the platform: answering
// modal dialogs, a faster clock, where the pseudo-terminal links are and
// who may open them.
// The program itself never calls these.
#pragma once

#include "platform/modal.h"

#include <functional>
#include <string>

namespace telvar {

// Modal dialogs are answered through SetModalHook of platform/modal.h.

// Speeds up Timer, WaitEvents and every link time-out by `factor`, so that
// tests of the 0.5 s answer wait do not take real seconds. 1 in the tool.
void SetTimeScale(double factor);

// Where the pseudo-terminal links (COM 65-80) are looked for; /tmp in the
// tool. The command-line tool takes the folder from TELVAR_PTY_DIR, so that
// its tests can give it a simulator of their own.
void SetPseudoTerminalDir(const std::string& dir);

// Decides whether this user may open a COM port's device, in place of the
// system's own answer (which is always yes for root); an empty check gives it back.
void SetComPortAccessCheck(std::function<bool(const std::string& device)> check);

// While on, every crash-safe file save fails as a full device would.
void FailFileWrites(bool fail);

}  // namespace telvar
