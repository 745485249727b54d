// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/merge_files.h"

#include "firmware/merge.h"
#include "firmware/text_lines.h"
#include "platform/counted.h"
#include "platform/files.h"
#include "platform/translation.h"

namespace telvar {

namespace {

// The table of a checked channel, read whole; false when it cannot be.
bool read_table(bool used, const std::string& path, const char* channel, LinearisationTable* table, std::string* error)
{
    table->used = used;
    table->name = channel;
    if (!used)
        return true;
    std::string text;
    if (std::string why; ReadWholeFile(path, FileKind::table, &text, &why) != FILE_OK) {
        const char* pattern = tr_text("FirmwareUpdate", "Could not open the linearisation data of %1: %2");
        *error = WithReason(with_args(pattern, {channel, path}), why);
        return false;
    }
    table->lines = split_lines(text);
    return true;
}

}  // namespace

MergeResult merge_files(const MergeFiles& files)
{
    MergeRequest request;
    request.start = files.start;
    request.end = files.end;
    std::string firmware;
    std::string why;
    if (ReadWholeFile(files.firmware, FileKind::firmware_image, &firmware, &why) != FILE_OK)
        return {WithReason(
            with_args(tr_text("FirmwareUpdate", "Could not open the firmware file: %1"), {files.firmware}), why)};
    request.firmware = split_lines(firmware);
    std::string error;
    if (!read_table(files.use_a, files.table_a, tr_text("FirmwareUpdate", "channel A"), &request.a, &error)
        || !read_table(files.use_b, files.table_b, tr_text("FirmwareUpdate", "channel B"), &request.b, &error))
        return {error};
    const MergeOutcome outcome = merge_linearisation(request);
    if (!outcome.ok())
        return {outcome.error};
    std::string image;
    for (const std::string& line : outcome.lines)
        image += line + "\r\n";
    if (SaveFileAtomically(files.merged, image, &why) != FILE_OK)
        return {WithReason(
            with_args(tr_text("FirmwareUpdate", "Could not write the merged file: %1"), {files.merged}), why)};
    return {{}, outcome.values_a, outcome.values_b};
}

std::string merged_text(const MergeResult& result)
{
    const char* one = tr_text("FirmwareUpdate", "value");
    const char* many = tr_text("FirmwareUpdate", "values");
    return with_args(tr_text("FirmwareUpdate", "Merged %1 of channel A and %2 of channel B."),
                     {counted(result.values_a, one, many), counted(result.values_b, one, many)});
}

}  // namespace telvar
