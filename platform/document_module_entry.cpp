// SPDX-License-Identifier: GPL-3.0-or-later
// The document module's entry points, with C names and types so that a
// program finds them by name.
#include "platform/document.h"

#include <cstddef>

extern "C" {

int telvar_init_document_console(int argc, char** argv)
{
    return telvar::InitDocumentConsole(argc, argv);
}

// Hands the PDF's bytes to `take`; 0 when the document cannot be made.
int telvar_document_pdf(const char* html, std::size_t size, void (*take)(const char* bytes, std::size_t count, void* to),
                        void* to)
{
    const std::string pdf = telvar::DocumentPdf(std::string(html, size));
    if (pdf.empty())
        return 0;
    take(pdf.data(), pdf.size(), to);
    return 1;
}

}
