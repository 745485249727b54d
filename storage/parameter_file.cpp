// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/parameter_file.h"

#include "params/mapping.h"
#include "params/record.h"
#include "platform/files.h"
#include "storage/ini_reader.h"
#include "storage/parameter_text.h"
#include "ui/file_dialogs.h"

#include <string>

namespace telvar {

char pathName[MAX_PATHNAME_LEN];

namespace {

bool choose_file(int button)
{
    const int chosen = FileSelectPopup(dirName, "*.ini", "*.ini", "TELVAR-K20 Parameter File", button, 0, 1, 1, 1,
                                       pathName);
    return chosen > 0;
}

}  // namespace

int SendParaToFile()
{
    GetPanelValues();
    if (!choose_file(VAL_SAVE_BUTTON))
        return 0;
    return SaveFileAtomically(pathName, parameter_file_text(parameter)) == FILE_OK ? 1 : 0;
}

int ReadParaFromFile()
{
    if (!choose_file(VAL_LOAD_BUTTON))
        return 0;
    std::string content;
    if (ReadWholeFile(pathName, &content) != FILE_OK)
        return 0;
    // Not one key: not a parameter file at all (another text file chosen by
    // mistake), which must not be reported as loaded.
    if (take_parameter_file(read_ini(content), parameter) == 0) {
        const std::string text = std::string("No TELVAR-K20 parameter found in ") + pathName + ".";
        MessagePopup("ERROR", text.c_str());
        return 0;
    }
    SetPanelValues();
    return 1;
}

}  // namespace telvar
