// SPDX-License-Identifier: GPL-3.0-or-later
// The update page's download button: which image goes, and the dialogue's
// log and progress on the page.
#include "firmware/update_panel.h"

#include "firmware/download.h"
#include "link/line_table.h"
#include "link/serial_line.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <string>
#include <vector>

namespace telvar {

namespace {

void failed(const std::string& text)
{
    MessagePopup(tr_text("FirmwareUpdate", "ERROR"), text.c_str());
    show_download_ready(false);
}

}  // namespace

int CC_CMD_PROGRAM(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    if (rs232con == 0 || comprotocol != 0) {
        MessagePopup(tr_text("FirmwareUpdate", "ERROR"), tr_text("FirmwareUpdate", SERIAL_ONLY_TEXT));
        return 0;
    }
    // A merged image goes before the plain firmware.
    const char* path = file_selected(UPDATE_LED_MERGED) ? mergedFilePath
                       : file_selected(UPDATE_LED_FIRMWARE) ? firmwarePath : nullptr;
    if (!path) {
        failed(tr_text("FirmwareUpdate", "Please select files first!"));
        return 0;
    }
    std::vector<std::string> lines;
    std::string error;
    if (!read_image(path, &lines, &error)) {
        failed(error);
        return 0;
    }
    const DownloadView page{
        [](const std::string& text) { ResetTextBox(panelUPDATE, UPDATE_LOG, text.c_str()); },
        [](const std::string& text) { SetCtrlVal(panelUPDATE, UPDATE_LOG, text.c_str()); },
        [](int percent) {
            SetCtrlVal(panelMAIN, MAIN_PROGRESS, percent);
            SetCtrlAttribute(panelMAIN, MAIN_PROGRESS, ATTR_VISIBLE, percent < 100);
        },
    };
    // Inert while the download runs: pressed again it does nothing.
    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_PROGRAM, ATTR_DIMMED, 1);
    const DownloadOutcome outcome = download_image(lines, page);
    SetCtrlAttribute(panelUPDATE, UPDATE_CMD_PROGRAM, ATTR_DIMMED, 0);
    if (outcome == DownloadOutcome::NoPrompt)
        // The port stays in the boot loader's settings.
        failed(tr_text("FirmwareUpdate", "No answer from controller!"));
    return 0;
}

}  // namespace telvar
