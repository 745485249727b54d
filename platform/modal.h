// SPDX-License-Identifier: GPL-3.0-or-later
// Every modal question the platform puts to the operator (message pop-up,
// file dialog, print dialog) goes through one place, so that tests can
// answer them instead of a window that waits for a click.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace telvar {

// A notice is no modal question: the hook is told of it, and it never waits.
enum class ModalKind { Message, FileSelect, Print, Notice, Question };

struct ModalRequest {
    ModalKind kind = ModalKind::Message;
    std::string title;
    std::string text;  // the message of a pop-up, notice or question
    std::vector<std::string> buttons;  // a question's answers, the last one cancels
    // File dialogs:
    std::string directory;
    std::string file_spec;
    std::string type_list;
    std::string button_label;
    bool save = false;  // the chosen file may be new
    bool restrict_directory = false;
    bool restrict_extension = false;
    bool allow_cancel = true;
    bool allow_make_directory = false;
};

struct ModalAnswer {
    // File dialogs: a VAL_..._SELECTED code or a negative error; the print
    // dialog: 1 to print, 0 when cancelled; a question: the number of the
    // button chosen, from 1; pop-ups: ignored.
    int result = 0;
    // File dialogs: the chosen file; the print dialog: the PDF file to print
    // to, empty for the printer.
    std::string path;
};

using ModalHook = std::function<ModalAnswer(const ModalRequest& request)>;

// Every modal dialog is answered by the hook instead of a window: tests
// answer them, a program without windows writes them out. An empty hook
// puts the real dialogs up again.
void SetModalHook(ModalHook hook);

namespace detail {

// The hook's answer when one is set; otherwise `show` puts the real dialog up.
ModalAnswer ask_operator(const ModalRequest& request, const std::function<ModalAnswer()>& show);

}  // namespace detail

}  // namespace telvar
