// Single-shot orders from the main window that make the controller act:
// reset, and teach (after which the parameter set is fetched again so the
// pages show what the controller changed). TRIGGER has no order.
#pragma once

namespace telvar {

int CC_CMD_RESET(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int CC_CMD_TEACH(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int CC_CMD_TRIGGER(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);

}  // namespace telvar
