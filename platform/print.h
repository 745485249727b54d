// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a panel, with its visible child panels, and documents of rich
// text, through Qt's print support.
#pragma once

#include "platform/document.h"

#include <string>

namespace telvar {

enum PrintAttribute : int {
    ATTR_PRINT_SCALE_TO_PAGE = 1,  // 1: the panel fills the page, keeping its shape
    ATTR_PRINT_SHOW_DIALOG,        // 1: the operator chooses printer or PDF file first
    ATTR_PRINT_GRAYSCALE,          // 1: print in grey levels instead of colour
};

inline constexpr int VAL_FULL_PANEL = 1;

int SetPrintAttribute(int attribute, int value);
// An empty file name prints to a printer; any other writes a PDF file.
// 0 when printed, 1 when the operator cancelled, negative on failure.
int PrintPanel(int panel, const char* fileName, int area);

// Prints the document after the operator has chosen printer or PDF file in
// the print dialog over the panel, as PrintPanel does; a PDF file is written
// whole or not at all. 0 when printed, 1 when the operator cancelled,
// negative on failure.
int PrintDocument(int panel, const std::string& html);

// Where the last printed page went: a PDF file (its path) or a printer (its name).
struct PrintDestination {
    bool file = false;
    std::string name;
};
PrintDestination LastPrintDestination();

}  // namespace telvar
