// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pdf_reading.h"

#include <QProcess>
#include <QRegularExpression>

namespace telvar::test {

namespace {

bool run(const QString& program, const QStringList& arguments, QString* out)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return false;
    *out = QString::fromUtf8(process.readAllStandardOutput());
    return true;
}

}  // namespace

PdfReading read_pdf(const QString& path)
{
    PdfReading reading;
    QString text;
    QString info;
    // -layout keeps a table's row on one line, as it stands on the page.
    if (!run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}, &text)
        || !run(QStringLiteral("pdfinfo"), {path}, &info))
        return reading;
    reading.text = text.simplified().toStdString();
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                             QRegularExpression::MultilineOption).match(info);
    reading.pages = pages.captured(1).toInt();
    reading.read = pages.hasMatch();
    return reading;
}

}  // namespace telvar::test
