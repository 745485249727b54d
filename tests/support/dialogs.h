// SPDX-License-Identifier: GPL-3.0-or-later
// Tests answer modal dialogs from a queue of the dialogs they expect, in
// order, each with its answer. A dialog nobody expected fails the test and
// is answered as cancelled; so does one that differs from the next expected.
#pragma once

#include "platform/modal.h"

#include <deque>
#include <string>
#include <vector>

namespace telvar::test {

class ExpectedDialogs {
public:
    // Takes every modal dialog of the platform while it lives.
    ExpectedDialogs();
    ~ExpectedDialogs();
    ExpectedDialogs(const ExpectedDialogs&) = delete;
    ExpectedDialogs& operator=(const ExpectedDialogs&) = delete;

    void expect_message(const std::string& title, const std::string& text);
    // A notice does not wait for an answer, but the test expects it all the same.
    void expect_notice(const std::string& title, const std::string& text);
    // `hold_ms`: the operator keeps it open that long; events run meanwhile,
    // as they do under a real modal dialog.
    void expect_file_dialog(const std::string& title, ModalAnswer answer, int hold_ms = 0);
    // The answer's path is the PDF file to print to, empty for the printer.
    void expect_print_dialog(ModalAnswer answer);
    // A question answered with the number of its button, from 1.
    void expect_question(const std::string& title, const std::string& text, int button);
    // Fails the test for every expected dialog that has not been shown.
    void check_all_shown();

    // Every dialog asked for, in order, for tests that look closer.
    std::vector<ModalRequest> shown;

private:
    struct Expected {
        ModalKind kind;
        std::string title;
        std::string text;
        ModalAnswer answer;
        int hold_ms = 0;
    };
    ModalAnswer answer(const ModalRequest& request);
    std::deque<Expected> queue_;
};

}  // namespace telvar::test
