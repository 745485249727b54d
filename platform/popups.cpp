// SPDX-License-Identifier: GPL-3.0-or-later
// The message pop-up and the file dialog. Both ask through the one modal hook.
#include "platform/handle_table.h"
#include "platform/shown_text.h"
#include "platform/modal.h"
#include "platform/translation.h"
#include "platform/userint.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <cstring>

namespace telvar {

namespace {

QString text_of(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.c_str());
}

const char* button_text(int buttonLabel)
{
    switch (buttonLabel) {
    case VAL_SAVE_BUTTON: return tr_text("Dialogs", "Save");
    case VAL_LOAD_BUTTON: return tr_text("Dialogs", "Load");
    default: return tr_text("Dialogs", "OK");
    }
}

bool has_wildcard(const QString& pattern)
{
    return pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'));
}

class FileDialog {
public:
    FileDialog(const ModalRequest& request, int buttonLabel)
        : request_(request),
          start_(QDir(text_of(request.directory)).absolutePath()),
          patterns_(text_of(request.type_list).split(QLatin1Char(';'), Qt::SkipEmptyParts)),
          dialog_(QApplication::activeWindow(), text_of(request.title), start_)
    {
        for (QString& pattern : patterns_)
            pattern = pattern.trimmed();
        dialog_.setOption(QFileDialog::DontUseNativeDialog);
        // Read-only is what keeps the dialog from making directories.
        dialog_.setOption(QFileDialog::ReadOnly, !request.allow_make_directory);
        dialog_.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog_.setFileMode(buttonLabel == VAL_LOAD_BUTTON ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog_.setLabelText(QFileDialog::Accept, text_of(request.button_label));
        dialog_.setAccessibleName(text_of(request.title));
        QStringList filters = patterns_;
        if (!request.restrict_extension)
            filters << QString::fromUtf8(tr_text("Dialogs", "All files (*)"));
        dialog_.setNameFilters(filters);
        const QString file_spec = text_of(request.file_spec);
        if (has_wildcard(file_spec))
            dialog_.selectNameFilter(file_spec);
        else if (!file_spec.isEmpty())
            dialog_.selectFile(file_spec);
        // A name typed without extension takes the first one of the list.
        if (request.restrict_extension && !patterns_.isEmpty() && patterns_.front().startsWith(QLatin1String("*.")))
            dialog_.setDefaultSuffix(patterns_.front().mid(2));
        if (request.restrict_directory)
            QObject::connect(&dialog_, &QFileDialog::directoryEntered, &dialog_, [this](const QString& dir) {
                if (QDir(dir) != QDir(start_))
                    dialog_.setDirectory(start_);
            });
    }

    ModalAnswer run()
    {
        for (;;) {
            if (dialog_.exec() != QDialog::Accepted) {
                if (request_.allow_cancel)
                    return {VAL_NO_FILE_SELECTED, {}};
                continue;
            }
            const QString chosen = dialog_.selectedFiles().value(0);
            if (allowed(chosen))
                return {QFileInfo::exists(chosen) ? VAL_EXISTING_FILE_SELECTED : VAL_NEW_FILE_SELECTED,
                        QFile::encodeName(chosen).toStdString()};
        }
    }

private:
    bool allowed(const QString& chosen) const
    {
        const QFileInfo file(chosen);
        if (chosen.isEmpty() || file.isDir())
            return false;
        if (request_.restrict_extension && !QDir::match(patterns_, file.fileName()))
            return false;
        return !request_.restrict_directory || QDir(file.absolutePath()) == QDir(start_);
    }

    const ModalRequest& request_;
    QString start_;
    QStringList patterns_;
    QFileDialog dialog_;
};

struct Notice {
    bool window = false;        // false when the modal hook was told instead
    QPointer<QMessageBox> box;  // null once the operator closed the window
};

detail::HandleTable<Notice> g_notices;

QMessageBox* show_notice(const char* title, const char* message)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, detail::shown_text(title), detail::shown_text(message),
                                QMessageBox::Ok, QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    box->setAccessibleName(detail::shown_text(title));
    box->setAccessibleDescription(detail::shown_text(message));
    box->setModal(false);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    return box;
}

}  // namespace

int NoticePopup(const char* title, const char* message)
{
    ModalRequest request;
    request.kind = ModalKind::Notice;
    request.title = title;
    request.text = message;
    Notice notice;
    detail::ask_operator(request, [&] {
        notice.window = true;
        notice.box = show_notice(title, message);
        return ModalAnswer{};
    });
    return g_notices.add(notice);
}

void CloseNotice(int handle)
{
    const Notice* notice = g_notices.find(handle);
    if (!notice)
        return;
    if (notice->box)
        notice->box->close();
    g_notices.remove(handle);
}

int NoticesShown()
{
    int shown = 0;
    for (const auto& [handle, notice] : g_notices)
        if (!notice.window || (notice.box && notice.box->isVisible()))
            ++shown;
    return shown;
}

int MessagePopup(const char* title, const char* message)
{
    ModalRequest request;
    request.kind = ModalKind::Message;
    request.title = title;
    request.text = message;
    detail::ask_operator(request, [&] {
        QMessageBox box(QMessageBox::NoIcon, detail::shown_text(title), detail::shown_text(message),
                        QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.setAccessibleName(detail::shown_text(title));
        box.exec();
        return ModalAnswer{};
    });
    return 0;
}

int GenericMessagePopup(const char* title, const char* message, const char* button1, const char* button2,
                        const char* button3)
{
    ModalRequest request;
    request.kind = ModalKind::Question;
    request.title = title;
    request.text = message;
    request.buttons = {button1, button2, button3};
    const ModalAnswer answer = detail::ask_operator(request, [&] {
        QMessageBox box(QMessageBox::Question, detail::shown_text(title), detail::shown_text(message),
                        QMessageBox::NoButton, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.setAccessibleName(detail::shown_text(title));
        box.setAccessibleDescription(detail::shown_text(message));
        const QMessageBox::ButtonRole roles[] = {QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                                                 QMessageBox::RejectRole};
        QAbstractButton* buttons[3] = {};
        for (int k = 0; k < 3; ++k)
            buttons[k] = box.addButton(detail::shown_text(request.buttons[k].c_str()), roles[k]);
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons[0]));
        box.setEscapeButton(buttons[2]);
        box.exec();
        for (int k = 0; k < 3; ++k)
            if (box.clickedButton() == buttons[k])
                return ModalAnswer{k + 1, {}};
        return ModalAnswer{3, {}};
    });
    return answer.result >= 1 && answer.result <= 3 ? answer.result : 3;
}

int FileSelectPopup(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                    const char* title, int buttonLabel, int restrictDirectory, int restrictExtension,
                    int allowCancel, int allowMakeDirectory, char* pathName, std::size_t size)
{
    if (size == 0)
        return UIE_BUFFER_TOO_SMALL;
    pathName[0] = '\0';
    if (buttonLabel != VAL_OK_BUTTON && buttonLabel != VAL_SAVE_BUTTON && buttonLabel != VAL_LOAD_BUTTON)
        return UIE_BAD_ATTRIBUTE;
    ModalRequest request;
    request.kind = ModalKind::FileSelect;
    request.title = title;
    request.directory = defaultDirectory;
    request.file_spec = defaultFileSpec;
    request.type_list = fileTypeList;
    request.button_label = button_text(buttonLabel);
    request.save = buttonLabel == VAL_SAVE_BUTTON;
    request.restrict_directory = restrictDirectory != 0;
    request.restrict_extension = restrictExtension != 0;
    request.allow_cancel = allowCancel != 0;
    request.allow_make_directory = allowMakeDirectory != 0;
    const ModalAnswer answer =
        detail::ask_operator(request, [&] { return FileDialog(request, buttonLabel).run(); });
    if (answer.result <= 0)
        return answer.result;
    // A path cut short would name another file.
    if (answer.path.size() >= size)
        return UIE_BUFFER_TOO_SMALL;
    std::memcpy(pathName, answer.path.c_str(), answer.path.size() + 1);
    return answer.result;
}

}  // namespace telvar
