// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the toolkit. Without a display the program must end with one
// line on standard error, not with the toolkit's abort and its screenful of
// messages. Internal to the platform layer.
#pragma once

#include <string>

namespace telvar::detail {

// Why none of the window systems the toolkit would try can show a window;
// empty when one can (or when it cannot be told before trying).
std::string missing_display(int argc, char** argv);

// Makes the application. Should its window system fail to start all the
// same (a display that is named but cannot be reached), the process ends
// here with exit code -1 and one line on standard error.
void start_application(int& argc, char** argv);

}  // namespace telvar::detail
