// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "app/startup.h"

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = telvar::answer_command_line(argc, argv))
        return *answered;
    return telvar::WinMain(argc, argv);
}
