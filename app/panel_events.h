// Events of the panels themselves: closing the main window ends the program,
// closing the connection dialog hides it, the child pages ignore theirs
// (navigation is by the view selectors only).
#pragma once

namespace telvar {

int CC_MAIN_PANEL(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_INTERFACEP(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_CHA(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_CHA2(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_CHB(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_CHB2(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_EVAL(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_EVL2(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_OUT(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_UPDT(int panel, int event, void* callbackData, int eventData1, int eventData2);
int CC_PANEL_TEST(int panel, int event, void* callbackData, int eventData1, int eventData2);

}  // namespace telvar
