// SPDX-License-Identifier: GPL-3.0-or-later
// get, send and verify: the parameter set between the controller and a
// parameter file, in the file format and over the transfer of the tool;
// report: the set of the controller or of a file as a PDF document.
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/differences.h"
#include "cli/exit_codes.h"
#include "cli/interrupt.h"
#include "cli/json_texts.h"
#include "cli/line.h"
#include "link/line_check.h"
#include "platform/counted.h"
#include "params/record.h"
#include "platform/files.h"
#include "platform/document_module.h"
#include "storage/ini_reader.h"
#include "storage/parameter_file.h"
#include "storage/parameter_report.h"
#include "storage/parameter_text.h"
#include "storage/transfer.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>
#include <functional>
#include <iterator>

namespace telvar::cli {

namespace {

int place_of(const Invocation& invocation)
{
    return invocation.eeprom ? EEPROM : RAM;
}

// Read before the line opens, so that a bad file sends nothing. A file
// without a single word of the set is refused: it would send the
// controller's own set back, and verify would find nothing to compare.
bool read_parameter_file(const std::string& path, IniText* ini, std::string* error)
{
    std::string content;
    if (std::string why; ReadWholeFile(path, FileKind::parameters, &content, &why) != FILE_OK) {
        *error = WithReason("Could not read the parameter file: " + path, why);
        return false;
    }
    *ini = read_ini(content);
    std::uint16_t probe[PARAMETER_WORDS] = {};
    if (take_parameter_file(*ini, probe) == 0) {
        *error = "The file holds no word of the parameter set: " + path;
        return false;
    }
    return true;
}

// The file read, the line opened and the invocation's set fetched; then the
// step, on the file and the fetched set in `parameter`.
int with_file_and_set(const Invocation& invocation, const std::function<int(const IniText& ini)>& step)
{
    IniText ini;
    if (std::string error; !read_parameter_file(invocation.file, &ini, &error))
        return fail(EXIT_FILE, error);
    return with_line(invocation.line, [&]() -> int {
        if (!fetch_record(place_of(invocation)))
            return fail_with_status();
        return step(ini);
    });
}

// The report of the record as a PDF file, written whole or not at all.
int write_report(const Invocation& invocation, const std::uint16_t* record, ReportFacts facts)
{
    facts.made = std::time(nullptr);
    const std::string pdf = ModuleDocumentPdf(parameter_report_html(record, facts));
    if (pdf.empty())
        return fail(EXIT_FILE, WithReason("Could not lay out the parameter report", DocumentModuleFailure()));
    if (std::string why; SaveFileAtomically(invocation.output, pdf, &why) != FILE_OK)
        return fail(EXIT_FILE, WithReason("Could not write the parameter report: " + invocation.output, why));
    tell("Parameter report printed to file " + invocation.output + ".");
    return EXIT_DONE;
}

}  // namespace

// A signal during the fetch leaves the file as it was. On standard output
// the file is all there is.
int run_get(const Invocation& invocation)
{
    return with_line(invocation.line, [&]() -> int {
        if (!fetch_record(place_of(invocation)))
            return fail_with_status();
        if (interrupt_requested())
            return fail_interrupted(invocation.output.empty() ? "" : invocation.output + " is left as it was");
        const std::string text = parameter_file_text(parameter);
        if (invocation.output.empty()) {
            if (put_out(text))
                return EXIT_DONE;
            const int error = errno;  // the failed write's
            return fail(EXIT_FILE,
                        WithReason("Could not write the parameter file to standard output", ErrorReason(error)));
        }
        if (std::string why; SaveFileAtomically(invocation.output, text, &why) != FILE_OK)
            return fail(EXIT_FILE, WithReason("Could not write the parameter file: " + invocation.output, why));
        tell(last_status());
        return EXIT_DONE;
    });
}

// The words the file lacks keep the controller's, the controller's own word
// too. A signal during the fetch sends nothing.
int run_send(const Invocation& invocation)
{
    return with_file_and_set(invocation, [&](const IniText& ini) -> int {
        if (interrupt_requested())
            return fail_interrupted("nothing was sent");
        take_file_items(ini);
        if (!send_record(place_of(invocation)))
            return fail_with_status();
        tell(last_status());
        return EXIT_DONE;
    });
}

// Words the file lacks are not compared, as send would not change them.
int run_verify(const Invocation& invocation)
{
    return with_file_and_set(invocation, [&](const IniText& ini) -> int {
        std::array<std::uint16_t, PARAMETER_WORDS> expected;
        std::copy(std::begin(parameter), std::end(parameter), expected.begin());
        const int compared = take_parameter_file(ini, expected.data());
        const std::vector<Difference> found = differences(expected.data(), parameter);
        const int code = found.empty() ? EXIT_DONE : EXIT_DIFFERENCES;
        if (invocation.json) {
            say(verify_json(compared, found));
            return code;
        }
        for (const Difference& difference : found)
            say(difference_line(difference));
        if (found.empty())
            tell("No difference in " + counted(compared, "word.", "words."));
        return code;
    });
}

// With a file no line is opened; a file without a word of the set is
// refused, as send and verify refuse it. A signal during the fetch leaves
// the report as it was.
int run_report(const Invocation& invocation)
{
    if (!invocation.file.empty()) {
        IniText ini;
        if (std::string error; !read_parameter_file(invocation.file, &ini, &error))
            return fail(EXIT_FILE, error);
        std::array<std::uint16_t, PARAMETER_WORDS> record{};
        take_parameter_file(ini, record.data());
        return write_report(invocation, record.data(),
                            {.source = invocation.file, .connection = REPORT_NO_LINE, .controller_version = {}});
    }
    return with_line(invocation.line, [&]() -> int {
        if (!fetch_record(place_of(invocation)))
            return fail_with_status();
        if (interrupt_requested())
            return fail_interrupted(invocation.output + " is left as it was");
        const char* source = invocation.eeprom ? REPORT_FROM_EEPROM : REPORT_FROM_RAM;
        return write_report(invocation, parameter,
                            {.source = source, .connection = named_line(), .controller_version = szVersion});
    });
}

}  // namespace telvar::cli
