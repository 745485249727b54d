// Switching between the working views of the main window, and printing it.
#pragma once

namespace telvar {

// Scope widths: full, and narrowed beside a second-page panel.
inline constexpr int SCOPE_FULL_WIDTH = 560;
inline constexpr int SCOPE_NARROW_WIDTH = 385;

int CC_TOGBT_PNL_SELECTOR(int panel, int control, int event, void* callbackData, int eventData1,
                          int eventData2);
int CC_TOGBT_DATA_SELECTOR(int panel, int control, int event, void* callbackData, int eventData1,
                           int eventData2);
int CC_CMD_PRINT(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);

}  // namespace telvar
