// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware update: the merge of both tables into a 4 MiB S-record image
// against srecord's srec_cat copying the same file, and a 64 KiB download to
// the simulator's boot loader paced at 115200 baud on its pseudo-terminal.
#include "app/startup.h"
#include "bench/simulator_process.h"
#include "bench/tool_start.h"
#include "firmware/merge_files.h"
#include "firmware/srecord.h"
#include "firmware/text_lines.h"
#include "firmware/update_panel.h"
#include "link/com232.h"
#include "link/orders.h"
#include "link/serial_line.h"
#include "platform/files.h"
#include "platform/test_seams.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

using namespace telvar;

namespace {

inline constexpr double kMergeGoal = 2.0;          // times srec_cat's time
inline constexpr double kDownloadGoalShare = 0.95;  // of the wire limit
inline constexpr double kWireBytesPerSecond = BOOTLOADER_BAUD / 10.0;

// An image of S3 records of 32 data bytes from 0x2000000 on, `bytes` long.
std::string make_image(std::size_t bytes)
{
    std::string image = "S00F000068656C6C6F202020202000003C\r\n";
    for (std::uint32_t address = 0x2000000; image.size() < bytes; address += 32) {
        std::vector<std::uint8_t> record{37};
        for (int k = 3; k >= 0; --k)
            record.push_back(static_cast<std::uint8_t>(address >> (8 * k)));
        for (int k = 0; k < 32; ++k)
            record.push_back(static_cast<std::uint8_t>(address + k));
        char hex[3];
        std::string line = "S3";
        for (std::uint8_t b : record) {
            std::snprintf(hex, sizeof hex, "%02X", b);
            line += hex;
        }
        std::snprintf(hex, sizeof hex, "%02X", record_checksum(record));
        image += line + hex + "\r\n";
    }
    return image + "S70502000000F8\r\n";
}

std::string make_table(int first)
{
    std::string table;
    for (int k = 0; k < 1024; ++k)
        table += "x\r\n" + std::to_string(first + k) + "\r\n";
    return table;
}

double seconds_of(const QElapsedTimer& clock)
{
    return clock.nsecsElapsed() / 1e9;
}

bool merge_case(const QTemporaryDir& dir)
{
    const auto path = [&](const char* name) { return QDir(dir.path()).filePath(name).toStdString(); };
    SaveFileAtomically(path("fw.S"), make_image(4u << 20));
    SaveFileAtomically(path("a.dat"), make_table(100));
    SaveFileAtomically(path("b.dat"), make_table(-100));

    QElapsedTimer clock;
    clock.start();
    QProcess copy;
    copy.start(QStringLiteral("srec_cat"), {QString::fromStdString(path("fw.S")), QStringLiteral("-o"),
                                             QString::fromStdString(path("copy.S"))});
    if (!copy.waitForFinished(60000) || copy.exitCode() != 0)
        throw std::runtime_error("srec_cat failed; is the srecord package installed?");
    const double srec_cat = seconds_of(clock);

    clock.restart();
    const MergeResult result = merge_files({path("fw.S"), true, path("a.dat"), true, path("b.dat"), 0x10000, 0x11000,
                                            path("merged.S")});
    const double merge = seconds_of(clock);
    if (!result.ok())
        throw std::runtime_error("the merge failed: " + result.error);
    std::string merged;
    ReadWholeFile(path("merged.S"), FileKind::firmware_image, &merged);
    if (merged.find("S3250201000064006500") == std::string::npos)
        throw std::runtime_error("the merge did not place channel A's table");

    const bool met = merge <= kMergeGoal * srec_cat;
    std::printf("merge of a %.1f MiB image with both tables  %.3f s   srec_cat copying it %.3f s   ratio %.2f"
                "   goal <= %.0fx: %s\n", merged.size() / 1048576.0, merge, srec_cat, merge / srec_cat, kMergeGoal,
                met ? "met" : "NOT MET");
    return met;
}

bool download_case(const QTemporaryDir& dir)
{
    const std::string image_path = QDir(dir.path()).filePath(QStringLiteral("64k.S")).toStdString();
    const std::string image = make_image(64u << 10);
    SaveFileAtomically(image_path, image);

    bench::SimulatorProcess sim({"--baud-pacing"});
    bench::open_serial_line(bench::SimulatorProcess::kComPort);
    SetModalHook([&](const ModalRequest& request) {
        if (request.kind == ModalKind::FileSelect)
            return ModalAnswer{VAL_EXISTING_FILE_SELECTED, image_path};
        std::fprintf(stderr, "pop-up %s: %s\n", request.title.c_str(), request.text.c_str());
        return ModalAnswer{};
    });
    CallCtrlCallback(panelUPDATE, UPDATE_CMD_LOAD_FIRMWARE, EVENT_COMMIT, 0, 0);

    // From the first line out (the progress indicator moves) until the boot
    // loader, having taken the last line, says the application started.
    QElapsedTimer clock;
    double first = -1;
    double last = -1;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    std::string log(65536, '\0');
    QObject::connect(&watch, &QTimer::timeout, [&] {
        int progress = 0;
        GetCtrlVal(panelMAIN, MAIN_PROGRESS, &progress);
        if (progress > 0 && first < 0)
            first = seconds_of(clock);
        GetCtrlVal(panelUPDATE, UPDATE_LOG, log.data(), log.size());
        if (first >= 0 && last < 0 && log.find("Application started") != std::string::npos)
            last = seconds_of(clock);
    });
    clock.start();
    watch.start(1);
    CallCtrlCallback(panelUPDATE, UPDATE_CMD_PROGRAM, EVENT_COMMIT, 0, 0);
    watch.stop();
    GetCtrlVal(panelUPDATE, UPDATE_LOG, log.data(), log.size());
    InitRS232(0);
    if (first < 0 || last < 0 || log.find("Firmwareupdate was successful!") == std::string::npos)
        throw std::runtime_error("the download did not succeed");

    const std::size_t lines = split_lines(image).size();
    const double bytes_after_first = image.size() * (lines - 1.0) / lines;
    const double rate = bytes_after_first / (last - first);
    const double share = rate / kWireBytesPerSecond;
    const bool met = share >= kDownloadGoalShare;
    std::printf("download of %zu bytes at 115200 baud      %.0f bytes/s = %.1f %% of the wire limit %.0f bytes/s"
                "   goal >= %.0f %%: %s\n", image.size(), rate, 100 * share, kWireBytesPerSecond,
                100 * kDownloadGoalShare, met ? "met" : "NOT MET");
    return met;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!bench::start_tool(argc, argv))
        return 1;
    setup_update_panel();
    QTemporaryDir dir;
    try {
        const bool merge = merge_case(dir);
        const bool download = download_case(dir);
        return merge && download ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark stopped: %s\n", e.what());
        return 1;
    }
}
