// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/written_files.h"

#include "tests/sim/srecords.h"

#include "firmware/merge_files.h"
#include "link/ip_history.h"
#include "params/record.h"
#include "platform/files.h"
#include "scope/traces.h"
#include "storage/parameter_text.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace telvar::test::crash {

namespace {

// Big enough that writing the merged image takes a while, in two lengths.
constexpr int kFirmwareRecords[2] = {12000, 9000};
constexpr int kTableValues = 1024;
constexpr int kTableFirst[2][2] = {{100, -50}, {7000, 3000}};

std::array<std::uint16_t, PARAMETER_WORDS> parameter_version(int version)
{
    std::array<std::uint16_t, PARAMETER_WORDS> record{};
    for (int k = 0; k < PARAMETER_WORDS; ++k)
        record[k] = static_cast<std::uint16_t>(version == 0 ? 3 * k + 1 : 60000 - 977 * k);
    return record;
}

std::vector<std::string> history_version(int version)
{
    if (version == 0)
        return {"127.0.0.1", "192.168.0.10", "10.0.0.2"};
    std::vector<std::string> entries;
    for (int k = 0; k < IP_HISTORY_ENTRIES - 1; ++k)
        entries.push_back("172.16.254." + std::to_string(100 + k));
    entries.push_back("controller-in-hall-7.example");  // cut to 20 bytes
    return entries;
}

std::string input(const std::string& inputs, const std::string& name, int version)
{
    return inputs + "/" + name + std::to_string(version);
}

std::string table_text(int first)
{
    std::string text;
    for (int k = 0; k < kTableValues; ++k)
        text += "point\r\n" + std::to_string(first + k) + "\r\n";
    return text;
}

MergeFiles merge_version(const std::string& inputs, int version, const std::string& merged)
{
    MergeFiles files;
    files.firmware = input(inputs, "firmware.S.", version);
    files.use_a = true;
    files.table_a = input(inputs, "a.dat.", version);
    files.use_b = true;
    files.table_b = input(inputs, "b.dat.", version);
    files.start = 0;
    files.end = 0x1000;
    files.merged = merged;
    return files;
}

}  // namespace

WrittenFile written_file(const std::string& name)
{
    for (WrittenFile file : {WrittenFile::parameter, WrittenFile::history, WrittenFile::merged})
        if (file_name(file) == name)
            return file;
    throw std::invalid_argument("no such file: " + name);
}

std::string file_name(WrittenFile file)
{
    switch (file) {
    case WrittenFile::parameter: return "parameter";
    case WrittenFile::history: return "history";
    case WrittenFile::merged: return "merged";
    }
    return {};
}

bool write_inputs(WrittenFile file, const std::string& inputs)
{
    if (file != WrittenFile::merged)
        return true;
    for (int version : {0, 1}) {
        const MergeFiles files = merge_version(inputs, version, {});
        if (SaveFileAtomically(files.firmware, sim::test::firmware_image(kFirmwareRecords[version])) != FILE_OK
            || SaveFileAtomically(files.table_a, table_text(kTableFirst[version][0])) != FILE_OK
            || SaveFileAtomically(files.table_b, table_text(kTableFirst[version][1])) != FILE_OK)
            return false;
    }
    return true;
}

bool write_version(WrittenFile file, const std::string& path, const std::string& inputs, int version)
{
    switch (file) {
    case WrittenFile::parameter:
        // What SendParaToFile writes once its dialog has named the file.
        return SaveFileAtomically(path, parameter_file_text(parameter_version(version).data())) == FILE_OK;
    case WrittenFile::history:
        return write_ip_history(path, history_version(version));
    case WrittenFile::merged:
        return merge_files(merge_version(inputs, version, path)).ok();
    }
    return false;
}

void recorder_sample(long n, unsigned short* live, double* traces)
{
    live[0] = 8;
    for (int word = 1; word < 16; ++word)
        live[word] = static_cast<unsigned short>(n * word);
    for (int trace = 0; trace < TRACES; ++trace)
        traces[trace] = 1000 + 10 * trace;
}

}  // namespace telvar::test::crash
