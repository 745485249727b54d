// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/document.h"

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace telvar {

namespace {

// While the platform starts, its notes (such as the runtime folder it had to
// pick) are no concern of a command's user; only a failure is told.
void failures_only(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

// Whatever platform the environment names: a display that cannot be
// reached would abort a program that needs none.
int InitDocumentConsole(int argc, char** argv)
{
    if (QCoreApplication::instance())
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int s_argc;
    s_argc = argc;  // QGuiApplication keeps a reference to it
    const QtMessageHandler previous = qInstallMessageHandler(failures_only);
    new QGuiApplication(s_argc, argv);
    qInstallMessageHandler(previous);
    return 1;
}

std::unique_ptr<QTextDocument> detail::document_of(const std::string& html)
{
    auto document = std::make_unique<QTextDocument>();
    // Without ligatures, so that "filter" is found and copied as typed.
    QFont font = document->defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    document->setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    return document;
}

std::string DocumentPdf(const std::string& html)
{
    const std::unique_ptr<QTextDocument> document = detail::document_of(html);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // The PDF is complete once its writer is gone.
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(document->metaInformation(QTextDocument::DocumentTitle));
        document->print(&writer);
    }
    return bytes.toStdString();
}

}  // namespace telvar
