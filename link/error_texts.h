// SPDX-License-Identifier: GPL-3.0-or-later
// The status-line texts for the negative results of the RS-232 and TCP
// libraries, and why a connect failed in the operator's words: in the
// window's language, and English in the command-line tool, which installs
// no translation.
#pragma once

#include <string>

namespace telvar {

const char* rs232_error_text(int code);
const char* tcp_error_text(int code);
// Why a connect to the host and port failed, for the codes that tell it
// (refused, timed out, unknown host, no permission); empty for the others.
std::string tcp_connect_reason(int code, const std::string& host, int port);

}  // namespace telvar
