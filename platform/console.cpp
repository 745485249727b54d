// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/console.h"

#include <QCoreApplication>

namespace telvar {

int InitConsole(int argc, char** argv)
{
    if (QCoreApplication::instance())
        return 1;
    static int s_argc;
    s_argc = argc;  // QCoreApplication keeps a reference to it
    // Lives until the process ends, as the windowed application does.
    new QCoreApplication(s_argc, argv);
    return 1;
}

}  // namespace telvar
