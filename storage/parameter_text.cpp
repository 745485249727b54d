// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/parameter_text.h"

#include "storage/ini_reader.h"
#include "storage/parameter_keys.h"

namespace telvar {

std::string parameter_file_text(const std::uint16_t* record)
{
    IniText ini;
    for (const ParameterKey& k : PARAMETER_KEYS)
        ini.put_int(k.section, k.key, record[k.index]);
    return ini.text();
}

int take_parameter_file(const IniText& ini, std::uint16_t* record)
{
    int taken = 0;
    for (const ParameterKey& k : PARAMETER_KEYS) {
        long value = 0;
        if (ini_get_int(ini, k.section, k.key, &value) != IniLookup::Found)
            continue;
        record[k.index] = static_cast<std::uint16_t>(static_cast<unsigned long>(value) & 0xFFFF);
        ++taken;
    }
    return taken;
}

}  // namespace telvar
