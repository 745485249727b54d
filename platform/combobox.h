// SPDX-License-Identifier: GPL-3.0-or-later
// The combo box of the toolbox: a text field with a list button and a
// drop-down list of text entries (value and text equal). While the operator
// types, the text is completed with the first entry in list order that
// begins with it, compared without regard to case; the added characters are
// selected. Backspace and Delete are not completed; the arrow keys open the
// list; choosing an entry commits the field as if it had been typed.
#pragma once

#include <cstddef>

namespace telvar {

// Makes the text field (an editable combo box in the panel file) behave so.
int Combo_NewComboBox(int panel, int control);
// index -1 appends.
int Combo_InsertComboItem(int panel, int control, int index, const char* item, const char* value);
// count -1 deletes every entry from index to the end.
int Combo_DeleteComboItem(int panel, int control, int index, int count);
// *index becomes -1 when no entry has that value.
int Combo_GetIndexFromValue(int panel, int control, int* index, const char* value);
int Combo_GetNumComboItems(int panel, int control, int* count);
int Combo_GetValueFromIndex(int panel, int control, int index, char* value, std::size_t size);
// ATTR_VISIBLE and ATTR_TEXT_BGCOLOR apply to text field, button and list together.
int Combo_SetComboAttribute(int panel, int control, int attribute, int value);

}  // namespace telvar
