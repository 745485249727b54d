// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dialogs.h"

#include "platform/test_seams.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <ostream>

namespace telvar::test {

namespace {

const char* kind_name(ModalKind kind)
{
    switch (kind) {
    case ModalKind::Message: return "message pop-up";
    case ModalKind::FileSelect: return "file dialog";
    case ModalKind::Print: return "print dialog";
    case ModalKind::Notice: return "notice";
    case ModalKind::Question: return "question";
    }
    return "dialog";
}

}  // namespace

ExpectedDialogs::ExpectedDialogs()
{
    SetModalHook([this](const ModalRequest& request) { return answer(request); });
}

ExpectedDialogs::~ExpectedDialogs()
{
    SetModalHook(nullptr);
}

void ExpectedDialogs::expect_message(const std::string& title, const std::string& text)
{
    queue_.push_back({ModalKind::Message, title, text, {}});
}

void ExpectedDialogs::expect_notice(const std::string& title, const std::string& text)
{
    queue_.push_back({ModalKind::Notice, title, text, {}});
}

void ExpectedDialogs::expect_file_dialog(const std::string& title, ModalAnswer answer, int hold_ms)
{
    queue_.push_back({ModalKind::FileSelect, title, {}, std::move(answer), hold_ms});
}

void ExpectedDialogs::expect_print_dialog(ModalAnswer answer)
{
    queue_.push_back({ModalKind::Print, "Print", {}, std::move(answer)});
}

void ExpectedDialogs::expect_question(const std::string& title, const std::string& text, int button)
{
    queue_.push_back({ModalKind::Question, title, text, {button, {}}});
}

void ExpectedDialogs::check_all_shown()
{
    for (const Expected& e : queue_)
        ADD_FAILURE() << "expected " << kind_name(e.kind) << " \"" << e.title << "\" was not shown";
    queue_.clear();
}

ModalAnswer ExpectedDialogs::answer(const ModalRequest& request)
{
    shown.push_back(request);
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected " << kind_name(request.kind) << " \"" << request.title << "\": " << request.text;
        return {};
    }
    const Expected next = queue_.front();
    queue_.pop_front();
    const bool same = next.kind == request.kind && next.title == request.title
        && (next.kind == ModalKind::FileSelect || next.kind == ModalKind::Print || next.text == request.text);
    if (!same) {
        ADD_FAILURE() << "expected " << kind_name(next.kind) << " \"" << next.title << "\" " << next.text
                      << ", got " << kind_name(request.kind) << " \"" << request.title << "\" " << request.text;
        return {};
    }
    if (next.hold_ms > 0) {
        QEventLoop open_dialog;
        QTimer::singleShot(next.hold_ms, &open_dialog, &QEventLoop::quit);
        open_dialog.exec();
    }
    return next.answer;
}

}  // namespace telvar::test
