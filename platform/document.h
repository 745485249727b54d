// SPDX-License-Identifier: GPL-3.0-or-later
// Documents of rich text laid out on A4 pages as PDF, with Qt's GUI module
// alone: no display, no printer, no widgets.
#pragma once

#include <memory>
#include <string>

class QTextDocument;

namespace telvar {

// Starts the platform without windows, with fonts and pages to lay documents
// out on: on Qt's offscreen platform whatever QT_QPA_PLATFORM names. 1 on success.
int InitDocumentConsole(int argc, char** argv);

// A document in HTML text laid out on A4 pages, its text searchable and
// copyable, as the bytes of a PDF file; empty when it cannot be made.
std::string DocumentPdf(const std::string& html);

namespace detail {

std::unique_ptr<QTextDocument> document_of(const std::string& html);

}  // namespace detail

}  // namespace telvar
