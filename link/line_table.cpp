// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/line_table.h"

namespace telvar {

int comprotocol = 0;

namespace {

const LineFunctions* g_substitute = nullptr;

}  // namespace

const LineFunctions& selected_line()
{
    if (g_substitute)
        return *g_substitute;
    return comprotocol == 0 ? rs232_line_functions : tcp_line_functions;
}

void substitute_line(const LineFunctions* line)
{
    g_substitute = line;
}

}  // namespace telvar
