// SPDX-License-Identifier: GPL-3.0-or-later
// The record's words as a reader meets them on the pages: page by page in
// the order PARAMETER_PAGES lists them, and on each page as the page shows
// them. The parameter report and the lists of changes not sent follow it.
#pragma once

#include <vector>

namespace telvar {

// Every word that stands on a page, once.
const std::vector<int>& words_in_reading_order();

}  // namespace telvar
