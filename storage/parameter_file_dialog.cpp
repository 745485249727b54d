// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/parameter_file_dialog.h"

#include "platform/translation.h"
#include "platform/userint.h"
#include "storage/parameter_file.h"
#include "ui/file_dialogs.h"

namespace telvar {

void ask_parameter_file(int button)
{
    char chosen[MAX_PATHNAME_LEN];
    FileSelectPopup(dirName, "*.ini", "*.ini", tr_text("Transfer", "TELVAR-K20 Parameter File"), button, 0, 1, 1, 1,
                    chosen);
    choose_parameter_file(chosen);
}

std::optional<IniText> read_chosen_parameter_file()
{
    ask_parameter_file(VAL_LOAD_BUTTON);
    return read_parameter_file();
}

}  // namespace telvar
