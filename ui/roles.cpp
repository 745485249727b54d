// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/roles.h"

#include "platform/userint.h"

namespace telvar {

void define_panel_roles()
{
    DefinePanelRoles(MAIN_UIR, MAIN, {TELVAR_MAIN_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(MAIN_UIR, INTERF, {TELVAR_INTERF_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(TEST_UIR, PANEL, {TELVAR_TEST_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(COMPARE_UIR, PANEL, {TELVAR_COMPARE_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(UPDATE_UIR, PANEL, {TELVAR_UPDATE_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(MONITOR_UIR, PANEL, {TELVAR_MONITOR_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(STATS_UIR, PANEL, {TELVAR_STATS_ROLES(TELVAR_ROLE_ENTRY)});
    DefinePanelRoles(GAUGE_UIR, PANEL, {TELVAR_GAUGE_ROLES(TELVAR_ROLE_ENTRY)});
}

}  // namespace telvar
