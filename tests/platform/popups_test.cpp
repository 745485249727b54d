// SPDX-License-Identifier: GPL-3.0-or-later
// Message pop-ups and file dialogs: through the one modal hook as tests
// answer them, and the real file dialog as the operator sees it.
#include "support/dialogs.h"

#include "platform/userint.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

namespace telvar::test {
namespace {

constexpr const char* kTitle = "TELVAR-K20 Parameter File";

TEST(ModalHook, FileDialogAnswerIsReturnedWithItsPath)
{
    ExpectedDialogs dialogs;
    dialogs.expect_file_dialog(kTitle, {VAL_NEW_FILE_SELECTED, "/data/set 1.ini"});
    char path[MAX_PATHNAME_LEN] = "old";
    EXPECT_EQ(FileSelectPopup("/data", "*.ini", "*.ini", kTitle, VAL_SAVE_BUTTON, 0, 1, 1, 1, path),
              VAL_NEW_FILE_SELECTED);
    EXPECT_STREQ(path, "/data/set 1.ini");

    ASSERT_EQ(dialogs.shown.size(), 1u);
    const ModalRequest& asked = dialogs.shown.front();
    EXPECT_EQ(asked.kind, ModalKind::FileSelect);
    EXPECT_EQ(asked.directory, "/data");
    EXPECT_EQ(asked.file_spec, "*.ini");
    EXPECT_EQ(asked.type_list, "*.ini");
    EXPECT_EQ(asked.button_label, "Save");
    EXPECT_TRUE(asked.save);
    EXPECT_FALSE(asked.restrict_directory);
    EXPECT_TRUE(asked.restrict_extension);
    EXPECT_TRUE(asked.allow_cancel);
    EXPECT_TRUE(asked.allow_make_directory);
    dialogs.check_all_shown();
}

TEST(ModalHook, CancelAndPathsTooLongLeaveNoPath)
{
    ExpectedDialogs dialogs;
    dialogs.expect_file_dialog("Load Firmware File", {VAL_NO_FILE_SELECTED, {}});
    dialogs.expect_file_dialog("Load Firmware File", {VAL_EXISTING_FILE_SELECTED, "/firmware/image-2.S"});
    char path[MAX_PATHNAME_LEN] = "old";
    EXPECT_EQ(FileSelectPopup("/firmware", "*.S", "*.S", "Load Firmware File", VAL_LOAD_BUTTON, 0, 1, 1, 0, path),
              VAL_NO_FILE_SELECTED);
    EXPECT_STREQ(path, "");
    char small[10] = "old";
    EXPECT_EQ(FileSelectPopup("/firmware", "*.S", "*.S", "Load Firmware File", VAL_LOAD_BUTTON, 0, 1, 1, 0, small),
              UIE_BUFFER_TOO_SMALL)
        << "a path cut short would name another file";
    EXPECT_STREQ(small, "");
    EXPECT_EQ(dialogs.shown.back().button_label, "Load");
    EXPECT_EQ(FileSelectPopup("/", "*", "*", "x", 9, 0, 0, 1, 0, path), UIE_BAD_ATTRIBUTE);
    dialogs.check_all_shown();
}

TEST(ModalHook, MessagePopupIsAnsweredInsteadOfShown)
{
    ExpectedDialogs dialogs;
    dialogs.expect_message("ERROR", "Please select files first!");
    EXPECT_EQ(MessagePopup("ERROR", "Please select files first!"), 0);
    dialogs.check_all_shown();
}

TEST(ModalHook, DialogNobodyExpectedOrThatNeverCameFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ExpectedDialogs dialogs;
            MessagePopup("TCP Client", "Server has closed connection!");
        },
        "unexpected message pop-up \"TCP Client\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ExpectedDialogs dialogs;
            dialogs.expect_message("ERROR", "Please select files first!");
            MessagePopup("ERROR", "Another text");
        },
        "expected message pop-up \"ERROR\"");
    EXPECT_NONFATAL_FAILURE(
        {
            ExpectedDialogs dialogs;
            dialogs.expect_print_dialog({1, "/tmp/x.pdf"});
            dialogs.check_all_shown();
        },
        "expected print dialog \"Print\" was not shown");
}

// Drives the real dialog: each time one is up, the next step acts on it.
class Operator {
public:
    using Step = std::function<void(QFileDialog*)>;
    explicit Operator(std::deque<Step> steps) : steps_(std::move(steps))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || steps_.empty())
                return;
            Step step = steps_.front();
            steps_.pop_front();
            step(dialog);
        });
        poll_.start(20);
    }
    bool done() const { return steps_.empty(); }

private:
    std::deque<Step> steps_;
    QTimer poll_;
};

class FileDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile existing(file("kept.ini"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    }
    QString file(const char* name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
    QByteArray dir_name() const { return dir.path().toLocal8Bit(); }

    static Operator::Step choose(const QString& path)
    {
        // Typed into the name field, as selectFile() leaves a focused field alone.
        return [path](QFileDialog* d) {
            d->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            QMetaObject::invokeMethod(d, "accept");
        };
    }
    static void cancel(QFileDialog* d) { d->reject(); }

    QTemporaryDir dir;
};

TEST_F(FileDialog, LoadDialogOffersTheTypesAndReportsAnExistingFile)
{
    QStringList filters;
    QString accept_label;
    bool read_only = false;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    Operator op({[&](QFileDialog* d) {
                     filters = d->nameFilters();
                     accept_label = d->labelText(QFileDialog::Accept);
                     read_only = d->testOption(QFileDialog::ReadOnly);
                     mode = d->fileMode();
                 },
                 choose(file("kept.ini"))});
    // The first step only looks; the dialog is still up for the second.
    char path[MAX_PATHNAME_LEN];
    const int result =
        FileSelectPopup(dir_name().constData(), "*.ini", "*.ini", kTitle, VAL_LOAD_BUTTON, 0, 1, 1, 0, path);
    EXPECT_EQ(result, VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(QString::fromLocal8Bit(path), file("kept.ini"));
    EXPECT_EQ(filters, QStringList{"*.ini"}) << "the extension is restricted to the list";
    EXPECT_EQ(accept_label, "Load");
    EXPECT_TRUE(read_only) << "no making of directories";
    EXPECT_EQ(mode, QFileDialog::ExistingFile);
}

TEST_F(FileDialog, SaveDialogReportsANewFileAndAddsTheExtension)
{
    bool read_only = true;
    Operator op({[&](QFileDialog* d) {
        read_only = d->testOption(QFileDialog::ReadOnly);
        choose(file("new set"))(d);
    }});
    char path[MAX_PATHNAME_LEN];
    EXPECT_EQ(FileSelectPopup(dir_name().constData(), "*.ini", "*.ini", kTitle, VAL_SAVE_BUTTON, 0, 1, 1, 1, path),
              VAL_NEW_FILE_SELECTED);
    EXPECT_EQ(QString::fromLocal8Bit(path), file("new set.ini"));
    EXPECT_FALSE(read_only) << "directories may be made";
}

TEST_F(FileDialog, WrongExtensionAsksAgainAndCancelGivesNoFile)
{
    Operator op({choose(file("other.txt")), cancel});
    char path[MAX_PATHNAME_LEN] = "old";
    EXPECT_EQ(FileSelectPopup(dir_name().constData(), "*.ini", "*.ini", kTitle, VAL_OK_BUTTON, 0, 1, 1, 0, path),
              VAL_NO_FILE_SELECTED);
    EXPECT_STREQ(path, "");
    EXPECT_TRUE(op.done()) << "the dialog came back after the wrong file";
}

TEST_F(FileDialog, RestrictedDirectoryAsksAgainForAFileElsewhere)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    Operator op({choose(file("sub/inner.ini")), choose(file("kept.ini"))});
    char path[MAX_PATHNAME_LEN];
    EXPECT_EQ(FileSelectPopup(dir_name().constData(), "*.ini", "*.ini", kTitle, VAL_OK_BUTTON, 1, 0, 1, 0, path),
              VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(QString::fromLocal8Bit(path), file("kept.ini"));
    EXPECT_TRUE(op.done());
}

TEST_F(FileDialog, WithoutCancelTheDialogStaysUntilAFileIsChosen)
{
    Operator op({cancel, choose(file("kept.ini"))});
    char path[MAX_PATHNAME_LEN];
    EXPECT_EQ(FileSelectPopup(dir_name().constData(), "kept.ini", "*.ini;*.txt", kTitle, VAL_OK_BUTTON, 0, 0, 0, 0,
                              path),
              VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(QString::fromLocal8Bit(path), file("kept.ini"));
}

}  // namespace
}  // namespace telvar::test
