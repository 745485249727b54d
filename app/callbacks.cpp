#include "app/callbacks.h"

#include "app/panel_events.h"
#include "platform/userint.h"

namespace telvar {

void register_callbacks()
{
    RegisterPanelCallback("CC_MAIN_PANEL", CC_MAIN_PANEL);
    RegisterPanelCallback("CC_INTERFACEP", CC_INTERFACEP);
    RegisterPanelCallback("CC_PANEL_CHA", CC_PANEL_CHA);
    RegisterPanelCallback("CC_PANEL_CHA2", CC_PANEL_CHA2);
    RegisterPanelCallback("CC_PANEL_CHB", CC_PANEL_CHB);
    RegisterPanelCallback("CC_PANEL_CHB2", CC_PANEL_CHB2);
    RegisterPanelCallback("CC_PANEL_EVAL", CC_PANEL_EVAL);
    RegisterPanelCallback("CC_PANEL_EVL2", CC_PANEL_EVL2);
    RegisterPanelCallback("CC_PANEL_OUT", CC_PANEL_OUT);
    RegisterPanelCallback("CC_PANEL_UPDT", CC_PANEL_UPDT);
    RegisterPanelCallback("CC_PANEL_TEST", CC_PANEL_TEST);
}

}  // namespace telvar
