#include "app/navigation.h"

#include "platform/print.h"
#include "platform/userint.h"
#include "ui/panels.h"
#include "ui/roles.h"
#include "ui/status.h"

#include <cstdio>
#include <initializer_list>

namespace telvar {

namespace {

constexpr int kViewSelectors[] = {MAIN_VIEW_CHA,    MAIN_VIEW_CHB,    MAIN_VIEW_EVAL,
                                  MAIN_VIEW_OUTPUTS, MAIN_VIEW_UPDATE, MAIN_VIEW_TEST,
                                  MAIN_VIEW_SCOPE_SET, MAIN_VIEW_SCOPE};
constexpr int kDataSelectors[] = {MAIN_DATA_CHA, MAIN_DATA_CHB, MAIN_DATA_EVAL};

// The child panel each first-row view and each data selector shows.
int child_of(int control)
{
    switch (control) {
    case MAIN_VIEW_CHA: return panelPARAA;
    case MAIN_VIEW_CHB: return panelPARAB;
    case MAIN_VIEW_EVAL: return panelEVAL;
    case MAIN_VIEW_OUTPUTS: return panelOUTPUTS;
    case MAIN_VIEW_UPDATE: return panelUPDATE;
    case MAIN_VIEW_TEST: return panelTEST;
    case MAIN_DATA_CHA: return panelPARAA2;
    case MAIN_DATA_CHB: return panelPARAB2;
    case MAIN_DATA_EVAL: return panelEVAL2;
    default: return 0;
    }
}

template <std::size_t N>
void switch_one_on(const int (&toggles)[N], int chosen)
{
    for (int toggle : toggles)
        SetCtrlVal(panelMAIN, toggle, 0);
    SetCtrlVal(panelMAIN, chosen, 1);
}

void show_only(int shown)
{
    for (int child : {panelPARAA, panelPARAA2, panelPARAB, panelPARAB2, panelEVAL, panelEVAL2,
                      panelOUTPUTS, panelUPDATE, panelTEST})
        if (child != shown)
            HidePanel(child);
    if (shown) {
        DisplayPanel(shown);
        SetActivePanel(shown);
    }
}

void set_scope_width(int width)
{
    SetCtrlAttribute(panelMAIN, MAIN_STRIPCHART, ATTR_WIDTH, width);
    SetCtrlAttribute(panelMAIN, MAIN_GRAPH, ATTR_WIDTH, width);
}

void show_scope_side(bool narrowed)
{
    for (int toggle : kDataSelectors)
        SetCtrlAttribute(panelMAIN, toggle, ATTR_VISIBLE, narrowed);
    for (int display : {MAIN_NUM_EVAL, MAIN_NUM_EVAL_CAPTION})
        SetCtrlAttribute(panelMAIN, display, ATTR_VISIBLE, !narrowed);
}

}  // namespace

int CC_TOGBT_PNL_SELECTOR(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    switch_one_on(kViewSelectors, control);
    if (control == MAIN_VIEW_SCOPE_SET) {
        show_only(0);
        set_scope_width(SCOPE_NARROW_WIDTH);
        switch_one_on(kDataSelectors, MAIN_DATA_CHA);
        show_scope_side(true);
        show_only(panelPARAA2);
    } else if (control == MAIN_VIEW_SCOPE) {
        show_only(0);
        set_scope_width(SCOPE_FULL_WIDTH);
        show_scope_side(false);
        SetActivePanel(panelMAIN);
        SetActiveCtrl(panelMAIN, MAIN_TRACE_CHA);
    } else {
        // The page covers the scope, which keeps its width underneath.
        show_only(child_of(control));
    }
    return 0;
}

int CC_TOGBT_DATA_SELECTOR(int, int control, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    switch_one_on(kDataSelectors, control);
    set_scope_width(SCOPE_NARROW_WIDTH);
    show_only(child_of(control));
    return 0;
}

int CC_CMD_PRINT(int, int, int event, void*, int, int)
{
    if (event != EVENT_COMMIT)
        return 0;
    SetPrintAttribute(ATTR_PRINT_SCALE_TO_PAGE, 1);
    SetPrintAttribute(ATTR_PRINT_SHOW_DIALOG, 1);
    SetPrintAttribute(ATTR_PRINT_GRAYSCALE, 0);
    const int printed = PrintPanel(panelMAIN, "", VAL_FULL_PANEL);
    if (printed < 0) {
        set_status("Error! Printing failed.");
    } else if (printed == 0) {
        const PrintDestination where = LastPrintDestination();
        char text[STATUS_SIZE];
        std::snprintf(text, sizeof text, where.file ? "Main window printed to file %s." : "Main window printed to %s.",
                      where.name.c_str());
        set_status(text);
    }
    return 0;
}

}  // namespace telvar
