// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/parameter_file.h"

#include "params/record.h"
#include "platform/translation.h"
#include "storage/ini_reader.h"
#include "storage/parameter_text.h"
#include "storage/transfer_events.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

namespace telvar {

namespace state {
char pathName[MAX_PATHNAME_LEN];
}  // namespace state

const char (&pathName)[MAX_PATHNAME_LEN] = state::pathName;

namespace {

std::string g_failure;

}  // namespace

void choose_parameter_file(const char* path)
{
    std::snprintf(state::pathName, sizeof state::pathName, "%s", path);
}

int SendParaToFile()
{
    g_failure.clear();
    if (pathName[0] == '\0')
        return 0;
    return SaveFileAtomically(pathName, parameter_file_text(parameter), &g_failure) == FILE_OK ? 1 : 0;
}

int ReadParaFromFile()
{
    const std::optional<IniText> ini = read_parameter_file();
    if (!ini)
        return 0;
    take_file_items(*ini);
    return 1;
}

std::optional<IniText> read_parameter_file()
{
    g_failure.clear();
    if (pathName[0] == '\0')
        return std::nullopt;
    std::string content;
    if (ReadWholeFile(pathName, FileKind::parameters, &content, &g_failure) != FILE_OK)
        return std::nullopt;
    IniText ini = read_ini(content);
    // Not one key: not a parameter file at all (another text file chosen by
    // mistake), which must not be taken as a parameter set.
    std::uint16_t probe[PARAMETER_WORDS] = {};
    if (take_parameter_file(ini, probe) == 0) {
        report_transfer_event({.kind = TransferEventKind::NoParameter,
                               .text = with_args(tr_text("Transfer", "No TELVAR-K20 parameter found in %1."),
                                                 {pathName})});
        return std::nullopt;
    }
    return ini;
}

int take_file_items(const IniText& ini)
{
    std::array<std::uint16_t, PARAMETER_WORDS> words;
    std::copy(std::begin(parameter), std::end(parameter), words.begin());
    const int taken = take_parameter_file(ini, words.data());
    take_record(words.data());
    return taken;
}

const std::string& parameter_file_failure()
{
    return g_failure;
}

}  // namespace telvar
