// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navigation.h"

#include "app/window_layout.h"

#include "params/pages.h"

#include "link/status.h"
#include "platform/print.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

namespace telvar {

namespace {

constexpr int kViewSelectors[] = {MAIN_VIEW_CHA,    MAIN_VIEW_CHB,    MAIN_VIEW_EVAL,
                                  MAIN_VIEW_OUTPUTS, MAIN_VIEW_UPDATE, MAIN_VIEW_TEST,
                                  MAIN_VIEW_SCOPE_SET, MAIN_VIEW_SCOPE};
constexpr int kDataSelectors[] = {MAIN_DATA_CHA, MAIN_DATA_CHB, MAIN_DATA_EVAL};

// The page each first-row view and each data selector shows, and the control
// that takes the keyboard there (0: the page itself).
struct PageView {
    int selector;
    const int* page;
    int focus;
};

const PageView kPageViews[] = {
    {MAIN_VIEW_CHA, &panelPARAA, CHP_NUM_PRETRIGGER},
    {MAIN_VIEW_CHB, &panelPARAB, CHP_NUM_PRETRIGGER},
    {MAIN_VIEW_EVAL, &panelEVAL, 0},
    {MAIN_VIEW_OUTPUTS, &panelOUTPUTS, OUT_RING_PRESET},
    {MAIN_VIEW_UPDATE, &panelUPDATE, 0},
    {MAIN_VIEW_TEST, &panelTEST, 0},
    {MAIN_DATA_CHA, &panelPARAA2, CH2_NUM_LASER},
    {MAIN_DATA_CHB, &panelPARAB2, CH2_NUM_LASER},
    {MAIN_DATA_EVAL, &panelEVAL2, EV2_NUM_REFERENCE},
};

const PageView* page_view(int selector)
{
    for (const PageView& view : kPageViews)
        if (view.selector == selector)
            return &view;
    return nullptr;
}

template <std::size_t N>
void switch_one_on(const int (&toggles)[N], int chosen)
{
    for (int toggle : toggles)
        SetCtrlVal(panelMAIN, toggle, 0);
    SetCtrlVal(panelMAIN, chosen, 1);
}

void hide_pages_but(int shown)
{
    for (int child : {panelPARAA, panelPARAA2, panelPARAB, panelPARAB2, panelEVAL, panelEVAL2,
                      panelOUTPUTS, panelUPDATE, panelTEST})
        if (child != shown)
            HidePanel(child);
}

void show_page(int selector)
{
    const PageView* view = page_view(selector);
    hide_pages_but(*view->page);
    DisplayPanel(*view->page);
    SetActivePanel(*view->page);
    if (view->focus)
        SetActiveCtrl(*view->page, view->focus);
}


// A first-row page covers the scope: its charts and the data selectors
// beside them leave the Tab order meanwhile.
void cover_scope(bool covered)
{
    for (int control : {MAIN_STRIPCHART, MAIN_GRAPH, MAIN_DATA_CHA, MAIN_DATA_CHB, MAIN_DATA_EVAL})
        SetCtrlAttribute(panelMAIN, control, ATTR_DIMMED, covered ? 1 : 0);
}

void show_scope_side(bool narrowed)
{
    for (int toggle : kDataSelectors)
        SetCtrlAttribute(panelMAIN, toggle, ATTR_VISIBLE, narrowed);
    for (int display : {MAIN_NUM_EVAL, MAIN_NUM_EVAL_CAPTION})
        SetCtrlAttribute(panelMAIN, display, ATTR_VISIBLE, !narrowed);
}

}  // namespace

void place_pages_in_tab_order()
{
    for (int page : {panelPARAA, panelPARAB, panelEVAL, panelOUTPUTS, panelUPDATE, panelTEST})
        SetPanelTabPosition(page, panelMAIN, MAIN_CMD_MONITOR);
    for (int page : {panelPARAA2, panelPARAB2, panelEVAL2})
        SetPanelTabPosition(page, panelMAIN, MAIN_DATA_EVAL);
    SetPanelTabPosition(panelSTATS, panelMAIN, MAIN_CHK_STATISTICS);
}

int CC_TOGBT_PNL_SELECTOR(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    switch_one_on(kViewSelectors, control);
    const bool scope_view = control == MAIN_VIEW_SCOPE_SET || control == MAIN_VIEW_SCOPE;
    show_page_backdrop(!scope_view);
    cover_scope(!scope_view);
    show_statistics_pane(control == MAIN_VIEW_SCOPE);
    if (control == MAIN_VIEW_SCOPE_SET) {
        hide_pages_but(0);
        set_scope_base_width(SCOPE_NARROW_WIDTH);
        switch_one_on(kDataSelectors, MAIN_DATA_CHA);
        show_scope_side(true);
        show_page(MAIN_DATA_CHA);
    } else if (control == MAIN_VIEW_SCOPE) {
        hide_pages_but(0);
        set_scope_base_width(SCOPE_FULL_WIDTH);
        show_scope_side(false);
        SetActivePanel(panelMAIN);
        SetActiveCtrl(panelMAIN, MAIN_TRACE_CHA);
    } else {
        // The page, over its backdrop, covers the scope, which keeps its width underneath.
        show_page(control);
    }
    return 0;
}

int CC_TOGBT_DATA_SELECTOR(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    switch_one_on(kDataSelectors, control);
    set_scope_base_width(SCOPE_NARROW_WIDTH);
    show_statistics_pane(false);
    show_page(control);
    return 0;
}

int CC_CMD_PRINT(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    SetPrintAttribute(ATTR_PRINT_SCALE_TO_PAGE, 1);
    SetPrintAttribute(ATTR_PRINT_SHOW_DIALOG, 1);
    SetPrintAttribute(ATTR_PRINT_GRAYSCALE, 0);
    tell_where_printed(PrintPanel(panelMAIN, "", VAL_FULL_PANEL), tr_text("Window", "Main window"));
    return 0;
}

void tell_where_printed(int printed, const char* what)
{
    if (printed < 0) {
        set_status(tr_text("Window", "Error! Printing failed."));
    } else if (printed == 0) {
        const PrintDestination where = LastPrintDestination();
        const char* format =
            where.file ? tr_text("Window", "%s printed to file %s.") : tr_text("Window", "%s printed to %s.");
        // As long as the words and the path need: the status text cuts it where it must.
        std::string text(std::strlen(format) + std::strlen(what) + where.name.size(), '\0');
        const int length = std::snprintf(text.data(), text.size() + 1, format, what, where.name.c_str());
        text.resize(static_cast<std::size_t>(std::max(length, 0)));
        set_status(text.c_str());
    }
}

}  // namespace telvar
