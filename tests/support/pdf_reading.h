// SPDX-License-Identifier: GPL-3.0-or-later
// A PDF file as a reader's program finds it: its text and its pages, read by
// poppler's pdftotext and pdfinfo, which know nothing of the tool.
#pragma once

#include <QString>

#include <string>

namespace telvar::test {

struct PdfReading {
    bool read = false;  // both programs read the file
    std::string text;   // every run of blanks and line ends one blank
    int pages = 0;
};

PdfReading read_pdf(const QString& path);

}  // namespace telvar::test
