// SPDX-License-Identifier: GPL-3.0-or-later
// Documents for a program without windows, from a module of their own that
// is loaded only when a document is to be made: Qt's GUI module, fonts and
// what they need come into memory with it, and not for every other command.
#pragma once

#include <string>

namespace telvar {

// Loads the module and starts the platform for documents on it, as
// InitDocumentConsole does; 0, and the platform not started, when the module
// cannot be loaded (DocumentModuleFailure says why).
int StartDocumentModule(int argc, char** argv);
// DocumentPdf of the loaded module; empty when it is not loaded or the
// document cannot be made.
std::string ModuleDocumentPdf(const std::string& html);
// Why the module could not be loaded; empty while it could.
const std::string& DocumentModuleFailure();

}  // namespace telvar
