// SPDX-License-Identifier: GPL-3.0-or-later
// The status-line texts for the negative results of the RS-232 and TCP
// libraries.
#pragma once

namespace telvar {

const char* rs232_error_text(int code);
const char* tcp_error_text(int code);

}  // namespace telvar
