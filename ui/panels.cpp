// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels.h"

#include "platform/userint.h"
#include "ui/roles.h"

namespace telvar {

// The module's state, written only here; other files read it through the views below.
namespace state {
int panelMAIN = 0;
int panelPARAA = 0;
int panelPARAA2 = 0;
int panelPARAB = 0;
int panelPARAB2 = 0;
int panelEVAL = 0;
int panelEVAL2 = 0;
int panelOUTPUTS = 0;
int panelUPDATE = 0;
int panelTEST = 0;
int panelCOMPARE = 0;
int panelInterf = 0;
int panelMONITOR = 0;
int panelSTATS = 0;
int panelGAUGE = 0;
}  // namespace state

const int& panelMAIN = state::panelMAIN;
const int& panelPARAA = state::panelPARAA;
const int& panelPARAA2 = state::panelPARAA2;
const int& panelPARAB = state::panelPARAB;
const int& panelPARAB2 = state::panelPARAB2;
const int& panelEVAL = state::panelEVAL;
const int& panelEVAL2 = state::panelEVAL2;
const int& panelOUTPUTS = state::panelOUTPUTS;
const int& panelUPDATE = state::panelUPDATE;
const int& panelTEST = state::panelTEST;
const int& panelCOMPARE = state::panelCOMPARE;
const int& panelInterf = state::panelInterf;
const int& panelMONITOR = state::panelMONITOR;
const int& panelSTATS = state::panelSTATS;
const int& panelGAUGE = state::panelGAUGE;

namespace {

struct PanelLoad {
    int* handle;
    const char* file;
    int resource;
};

}  // namespace

// Load order matters: the children need the main panel as their parent.
bool load_panel_files()
{
    state::panelMAIN = LoadPanel(0, MAIN_UIR, MAIN);
    if (panelMAIN < 0)
        return false;
    const PanelLoad children[] = {
        {&state::panelPARAA, CHANNEL_A_UIR, PANEL},   {&state::panelPARAA2, CHANNEL_A2_UIR, PANEL},
        {&state::panelPARAB, CHANNEL_B_UIR, PANEL},   {&state::panelPARAB2, CHANNEL_B2_UIR, PANEL},
        {&state::panelEVAL, EVALUATION_UIR, PANEL},   {&state::panelEVAL2, EVALUATION2_UIR, PANEL},
        {&state::panelOUTPUTS, OUTPUTS_UIR, PANEL},   {&state::panelUPDATE, UPDATE_UIR, PANEL},
        {&state::panelTEST, TEST_UIR, PANEL},     {&state::panelSTATS, STATS_UIR, PANEL},
    };
    for (const PanelLoad& child : children) {
        *child.handle = LoadPanel(panelMAIN, child.file, child.resource);
        if (*child.handle < 0)
            return false;
    }
    state::panelInterf = LoadPanel(0, MAIN_UIR, INTERF);
    state::panelCOMPARE = LoadPanel(0, COMPARE_UIR, PANEL);
    state::panelMONITOR = LoadPanel(0, MONITOR_UIR, PANEL);
    state::panelGAUGE = LoadPanel(0, GAUGE_UIR, PANEL);
    return panelInterf >= 0 && panelCOMPARE >= 0 && panelMONITOR >= 0 && panelGAUGE >= 0;
}

void discard_panel_files()
{
    for (int panel : {panelGAUGE, panelCOMPARE, panelMONITOR, panelInterf, panelSTATS, panelTEST, panelUPDATE, panelOUTPUTS, panelEVAL, panelEVAL2,
                      panelPARAB, panelPARAB2, panelPARAA, panelPARAA2, panelMAIN})
        DiscardPanel(panel);
}

}  // namespace telvar
