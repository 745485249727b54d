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

std::string g_failure;

bool choose_file(int button)
{
    g_failure.clear();
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
    return SaveFileAtomically(pathName, parameter_file_text(parameter), &g_failure) == FILE_OK ? 1 : 0;
}

int ReadParaFromFile()
{
    const std::optional<IniText> ini = read_chosen_parameter_file();
    if (!ini)
        return 0;
    take_parameter_file(*ini, parameter);
    SetPanelValues();
    return 1;
}

std::optional<IniText> read_chosen_parameter_file()
{
    if (!choose_file(VAL_LOAD_BUTTON))
        return std::nullopt;
    std::string content;
    if (ReadWholeFile(pathName, FileKind::parameters, &content, &g_failure) != FILE_OK)
        return std::nullopt;
    IniText ini = read_ini(content);
    // Not one key: not a parameter file at all (another text file chosen by
    // mistake), which must not be taken as a parameter set.
    std::uint16_t probe[PARAMETER_WORDS] = {};
    if (take_parameter_file(ini, probe) == 0) {
        const std::string text = std::string("No TELVAR-K20 parameter found in ") + pathName + ".";
        MessagePopup("ERROR", text.c_str());
        return std::nullopt;
    }
    return ini;
}

const std::string& parameter_file_failure()
{
    return g_failure;
}

}  // namespace telvar
