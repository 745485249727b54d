// SPDX-License-Identifier: GPL-3.0-or-later
// telvar-crash-writer: writes one of the tool's files over and over with the
// tool's own code until it is killed, so that the kill test finds the file
// as a crash at any moment would leave it.
//
//   telvar-crash-writer parameter|history|merged PATH INPUTS
//       saves version 1, 0, 1, ... of the file at PATH (the test wrote
//       version 0 first; INPUTS holds what the versions are made from)
//   telvar-crash-writer recorder PATH
//       records live samples to the CSV file PATH, as RECORDER does
//
// It prints "writing" once the loop starts, and ends with code 3 when a
// write fails.
#include "crash/written_files.h"

#include "platform/test_seams.h"
#include "platform/userint.h"
#include "scope/recorder.h"
#include "scope/traces.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace telvar;
using namespace telvar::test::crash;

void say_writing()
{
    std::printf("writing\n");
    std::fflush(stdout);
}

int save_over_and_over(WrittenFile file, const std::string& path, const std::string& inputs)
{
    say_writing();
    for (int version = 1;; version ^= 1) {
        if (!write_version(file, path, inputs, version)) {
            std::fprintf(stderr, "telvar-crash-writer: cannot write %s\n", path.c_str());
            return 3;
        }
    }
}

// Samples as fast as the recorder takes them: its batches then grow far
// beyond what a real line delivers, and a kill is likely to meet a write.
int record(const std::string& path)
{
    SetModalHook([path](const ModalRequest&) { return ModalAnswer{VAL_NEW_FILE_SELECTED, path}; });
    CC_CMD_RECORDER(0, 0, EVENT_COMMIT, nullptr, 0, 0);
    if (!recording()) {
        std::fprintf(stderr, "telvar-crash-writer: cannot record to %s\n", path.c_str());
        return 3;
    }
    say_writing();
    std::array<unsigned short, 16> live{};
    std::array<double, TRACES> traces{};
    for (long n = 0; recording(); ++n) {
        recorder_sample(n, live.data(), traces.data());
        record_sample(live.data(), traces.data());
    }
    std::fprintf(stderr, "telvar-crash-writer: recording stopped\n");
    return 3;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "recorder") == 0)
        return record(argv[2]);
    if (argc == 4)
        return save_over_and_over(written_file(argv[1]), argv[2], argv[3]);
    std::fprintf(stderr, "usage: telvar-crash-writer parameter|history|merged PATH INPUTS\n"
                         "       telvar-crash-writer recorder PATH\n");
    return 2;
}
