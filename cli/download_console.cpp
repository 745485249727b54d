// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/download_console.h"

#include "cli/console.h"
#include "cli/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace telvar::cli {

namespace {

inline constexpr int BAR_WIDTH = 40;

}  // namespace

DownloadConsole::DownloadConsole(bool quiet) : quiet_(quiet), bar_(!quiet && isatty(STDERR_FILENO) == 1) {}

DownloadView DownloadConsole::view()
{
    return {
        [this](const std::string& log) { show_log(log); },
        [this](const std::string& text) { append_log(text); },
        [this](int percent) { progress(percent); },
    };
}

// The prompt wait shows the whole log anew each time: only its new end is printed.
void DownloadConsole::show_log(const std::string& log)
{
    const bool continues = log.compare(0, shown_.size(), shown_) == 0;
    const std::string added = continues ? log.substr(shown_.size()) : log;
    shown_ = log;
    print(added);
}

void DownloadConsole::append_log(const std::string& text)
{
    shown_ += text;
    print(text);
}

// On a terminal the text takes the bar's line; the next progress draws the bar below it.
void DownloadConsole::print(std::string text)
{
    if (text.empty() || quiet_)
        return;
    if (bar_drawn_)
        std::fputs("\r\033[K", stderr);
    bar_drawn_ = false;
    // The boot loader ends its lines with CR LF; the terminal takes LF alone.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    line_open_ = !text.empty() && text.back() != '\n';
    // A log that cannot be shown does not stop the download; the command
    // ends with the failed write once the download is over.
    put_out(text);
}

void DownloadConsole::finish()
{
    if (line_open_)
        print("\n");
    // A download that stopped halfway leaves its bar standing.
    if (bar_drawn_)
        std::fputs("\n", stderr);
    bar_drawn_ = false;
}

void DownloadConsole::progress(int percent)
{
    if (!bar_ || (bar_drawn_ && percent == drawn_percent_))
        return;
    drawn_percent_ = percent;
    if (line_open_)
        std::fputs("\n", stderr);
    line_open_ = false;
    std::fputs(("\r" + progress_bar(percent, BAR_WIDTH)).c_str(), stderr);
    bar_drawn_ = percent < 100;
    if (!bar_drawn_)
        std::fputs("\n", stderr);
    std::fflush(stderr);
}

}  // namespace telvar::cli
