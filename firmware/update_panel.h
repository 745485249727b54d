// SPDX-License-Identifier: GPL-3.0-or-later
// The update page: choosing the firmware image and the two linearisation
// tables, the channels' check boxes, merging the tables into a new image,
// and the download. The selection state of each file is the colour of its
// lamp: green selected, red not.
#pragma once

#include "platform/userint.h"

namespace telvar {

// The files chosen on the page; only its own dialogs set them.
extern const char (&firmwarePath)[MAX_PATHNAME_LEN];
extern const char (&mergedFilePath)[MAX_PATHNAME_LEN];

// At start no file is selected: every lamp red and lit as its box says.
void setup_update_panel();
// Whether a file's lamp says it is selected.
bool file_selected(int lamp);
// The download-ready lamp: yellow when an image is ready, red after a failure.
void show_download_ready(bool ready);

CtrlCallback CC_CMD_LOAD_FIRMWARE;
CtrlCallback CC_CMD_LOAD_LINDATA_A;
CtrlCallback CC_CMD_LOAD_LINDATA_B;
CtrlCallback CC_CHK_ENABLE;
CtrlCallback CC_CMD_MERGE_DATA;
CtrlCallback CC_CMD_PROGRAM;

}  // namespace telvar
