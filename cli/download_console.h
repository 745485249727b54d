// SPDX-License-Identifier: GPL-3.0-or-later
// The boot loader's dialogue on the terminal: what it sends goes to
// standard output as it comes; the share of the image's lines sent is a bar
// on standard error while that is a terminal. Under -q neither is shown.
#pragma once

#include "firmware/download.h"

#include <string>

namespace telvar::cli {

class DownloadConsole {
public:
    explicit DownloadConsole(bool quiet);
    DownloadView view();
    // Ends the log's last line, which the boot loader's texts leave open,
    // and the bar's.
    void finish();

private:
    void show_log(const std::string& log);
    void append_log(const std::string& text);
    void progress(int percent);
    void print(std::string text);

    bool quiet_;
    std::string shown_;       // the log as far as it is on standard output
    bool bar_ = false;        // standard error is a terminal
    bool bar_drawn_ = false;  // the bar stands on the terminal's last line
    bool line_open_ = false;  // the last text printed did not end its line
    int drawn_percent_ = -1;
};

}  // namespace telvar::cli
