// SPDX-License-Identifier: GPL-3.0-or-later
// The ini reader on any bytes, read as a parameter file: the words it takes
// come back the same when the record is written and read again, and the
// words it does not take keep their values.
#include "fuzz/property.h"
#include "params/record.h"
#include "storage/ini_reader.h"
#include "storage/parameter_keys.h"
#include "storage/parameter_text.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace {

using Record = std::array<std::uint16_t, telvar::PARAMETER_WORDS>;

Record marked(std::uint16_t mark)
{
    Record r;
    for (std::size_t k = 0; k < r.size(); ++k)
        r[k] = static_cast<std::uint16_t>(mark ^ k);
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace telvar;
    using fuzz::require;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const Record before = marked(0xA5A5);
    Record record = before;
    const int taken = take_parameter_file(read_ini(bytes), record.data());
    require(taken >= 0 && static_cast<std::size_t>(taken) <= PARAMETER_KEYS.size(), "taken count in range");

    int changed_or_kept = 0;
    Record stored{};
    for (const ParameterKey& k : PARAMETER_KEYS)
        stored[static_cast<std::size_t>(k.index)] = 1;
    for (std::size_t k = 0; k < record.size(); ++k) {
        if (!stored[k])
            require(record[k] == before[k], "a word the file does not store stays as it was");
        changed_or_kept += stored[k];
    }
    require(changed_or_kept == static_cast<int>(PARAMETER_KEYS.size()), "one key per stored word");

    // The round trip depends on the record alone: a record just checked needs no second check.
    static Record checked{};
    static bool any_checked = false;
    if (any_checked && record == checked)
        return 0;
    Record again = marked(0x5A5A);
    require(take_parameter_file(read_ini(parameter_file_text(record.data())), again.data())
                == static_cast<int>(PARAMETER_KEYS.size()),
            "a written file gives every stored word");
    for (const ParameterKey& k : PARAMETER_KEYS)
        require(again[static_cast<std::size_t>(k.index)] == record[static_cast<std::size_t>(k.index)],
                "written and read again, the words are the same");
    checked = record;
    any_checked = true;
    return 0;
}
