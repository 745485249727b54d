// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/connection_indicator.h"

#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QStringDecoder>

#include <algorithm>
#include <string>
#include <string_view>

namespace telvar {

namespace {

constexpr int kNumberDisplays[] = {MAIN_NUM_EVAL, MAIN_NUM_CHA, MAIN_NUM_CHB, MAIN_NUM_CHA_2ND, MAIN_NUM_CHB_2ND};
constexpr int kNumberCaptions[] = {MAIN_NUM_EVAL_CAPTION, MAIN_NUM_CHA_CAPTION, MAIN_NUM_CHB_CAPTION,
                                   MAIN_NUM_CHA_2ND_CAPTION, MAIN_NUM_CHB_2ND_CAPTION};

// The last values stay in the displays while the line is lost: dimmed, and
// saying why, so that nobody reads them as live.
void show_numbers_live(const LineState& state)
{
    const char* reason = state.condition == LineCondition::Waiting ? tr_text("Window", WAITING_FOR_LINE_TEXT)
        : state.condition == LineCondition::Lost                   ? tr_text("Window", LINE_LOST_TEXT)
                                                                   : "";
    const int dimmed = *reason ? 1 : 0;
    for (int display : kNumberDisplays) {
        SetCtrlAttribute(panelMAIN, display, ATTR_DIMMED, dimmed);
        SetCtrlAttribute(panelMAIN, display, ATTR_DIMMED_REASON, reason);
    }
    for (int caption : kNumberCaptions)
        SetCtrlAttribute(panelMAIN, caption, ATTR_DIMMED, dimmed);
}

bool plain_ascii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The line's name as UTF-8: it comes as the platform's 8-bit text, UTF-8
// where it is that, else Latin-1.
std::string utf8_of(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QString text = utf8.decode(view);
    return (utf8.hasError() ? QString::fromLatin1(view) : text).toStdString();
}

// "Lost", a middle dot, and what follows it. The window's words are UTF-8
// once translated, the line's name and the middle dot Latin-1 as ever: all
// stays Latin-1 while the words are plain ASCII, as in English, else all
// goes UTF-8, lest either be garbled.
std::string lost_line(const std::string& after_dot, const std::string& line)
{
    const char* lost = tr_text("Window", "Lost");
    if (plain_ascii(lost) && plain_ascii(after_dot))
        return lost + std::string("  \xB7  ") + with_args(after_dot, {line});
    return lost + std::string("  \xC2\xB7  ") + with_args(after_dot, {utf8_of(line)});
}

}  // namespace

void setup_connection_indicator()
{
    show_connection(LineState{});
    set_line_observer("indicator", show_connection);
}

void show_connection(const LineState& state)
{
    // A middle dot in the platform's 8-bit text.
    const std::string dot = "  \xB7  ";
    std::string text = tr_text("Window", "Not connected");
    int colour = LINE_CLOSED_COLOR;
    switch (state.condition) {
    case LineCondition::Closed:
        break;
    case LineCondition::Open:
        text = state.line + (state.version.empty() ? "" : dot + state.version);
        colour = LINE_OPEN_COLOR;
        break;
    case LineCondition::Lost:
        text = lost_line("%1", state.line);
        colour = LINE_LOST_COLOR;
        break;
    case LineCondition::Waiting:
        text = lost_line(tr_text("Window", "waiting for %1"), state.line);
        colour = LINE_WAITING_COLOR;
        break;
    }
    SetCtrlAttribute(panelMAIN, MAIN_LINE_LAMP, ATTR_TEXT_BGCOLOR, colour);
    SetCtrlVal(panelMAIN, MAIN_LINE_TEXT, text.c_str());
    show_numbers_live(state);
}

}  // namespace telvar
