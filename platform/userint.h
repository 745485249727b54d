// SPDX-License-Identifier: GPL-3.0-or-later
// User-interface library of the run-time platform, on Qt Widgets.
//
// Panels are Qt Designer files loaded at run time. A file holds one panel, or
// several as children of its top widget; each panel widget carries its
// resource number in the dynamic property "resource". Controls are found by
// role: the object name of the widget. Callbacks are bound by the name in
// the dynamic property "callback" of a control or panel. Handles are ints.
#pragma once

#include "platform/files.h"
#include "platform/looks.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace telvar {

// Events passed to callbacks.
inline constexpr int EVENT_NONE = 0;
inline constexpr int EVENT_COMMIT = 1;
inline constexpr int EVENT_GOT_FOCUS = 2;
inline constexpr int EVENT_LOST_FOCUS = 3;
inline constexpr int EVENT_CLOSE = 4;
inline constexpr int EVENT_PANEL_SIZE = 5;  // a window's size changed

// Results of LoadPanel and the other calls when they fail.
inline constexpr int UIE_NOT_INITIALISED = -1;
inline constexpr int UIE_FILE_NOT_READABLE = -2;
inline constexpr int UIE_BAD_FILE = -3;
inline constexpr int UIE_NO_SUCH_RESOURCE = -4;
inline constexpr int UIE_MISSING_CONTROL = -5;
inline constexpr int UIE_UNKNOWN_CALLBACK = -6;
inline constexpr int UIE_BAD_PANEL = -7;
inline constexpr int UIE_BAD_CONTROL = -8;
inline constexpr int UIE_BAD_ATTRIBUTE = -9;
inline constexpr int UIE_BUFFER_TOO_SMALL = -10;

// Attributes of panels and controls.
enum Attribute : int {
    ATTR_DIMMED = 1,         // int, 1 = dimmed
    ATTR_VISIBLE,            // int
    ATTR_LEFT,               // int, pixels within the parent
    ATTR_TOP,                // int
    ATTR_WIDTH,              // int
    ATTR_HEIGHT,             // int
    ATTR_CMD_BUTTON_COLOR,   // int, 0xRRGGBB
    ATTR_TEXT_COLOR,         // int, 0xRRGGBB
    ATTR_TEXT_BGCOLOR,       // int, 0xRRGGBB
    ATTR_ON_COLOR,           // int, 0xRRGGBB, lamp and toggle colour when on
    ATTR_LABEL_TEXT,         // string
    ATTR_DESCRIPTION,        // string: what the control is, for screen readers
    ATTR_TITLE,              // string, panels
    ATTR_FRAME_COLOR,        // int, 0xRRGGBB, decorations
    ATTR_TEXT_FONT,          // string; VAL_APP_FONT is the application's font
    ATTR_TEXT_BOLD,          // int
    ATTR_TEXT_POINT_SIZE,    // int, the text's height in pixels
    ATTR_CTRL_MODE,          // int, VAL_HOT or VAL_INDICATOR
    ATTR_OWNER_PANEL,        // int, panels: the top-level panel this one stays above, 0 for none
    ATTR_DIMMED_REASON,      // string: why the control is dimmed, as tooltip and in its description
    ATTR_CHANGE_MARK,        // string: the control differs from the set last in step; "" for no mark.
                             // A dot beside its caption, the text in its accessible description.
    ATTR_DEFAULT_BUTTON,     // int, command buttons: 1 = Enter on the panel presses this one, and no other
};

// Control modes. An indicator shows its value and looks read-only; it takes
// no clicks or keys, yet it is not greyed out like a dimmed control.
inline constexpr int VAL_INDICATOR = 0;
inline constexpr int VAL_HOT = 1;

inline constexpr const char* VAL_APP_FONT = "NIApp";

// Kinds of control that NewCtrl makes.
inline constexpr int CTRL_TEXT_MSG = 1;

// The two kinds of callback. A module declares its callbacks by kind
// (`CtrlCallback CC_CMD_RUN;`) and defines them with the full list.
using CtrlCallback = int(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
using PanelCallback = int(int panel, int event, void* callbackData, int eventData1, int eventData2);
using CtrlCallbackPtr = CtrlCallback*;
using PanelCallbackPtr = PanelCallback*;

struct ControlRole {
    int id;            // the control's number in code
    const char* name;  // its object name in the panel file
};

// Starts the platform (the Qt application). 1 on success; 0, with one line on
// standard error, when there is no display to show windows on.
int InitCVIRTE(int argc, char** argv);
// The icon of every window of the program, from a picture file (":/..." for
// one built into the program). 0, or UIE_FILE_NOT_READABLE.
int SetApplicationIcon(const char* fileName);
// The roles a panel resource must offer; LoadPanel fails without any of them.
void DefinePanelRoles(const char* fileName, int resourceId, std::vector<ControlRole> roles);
void RegisterCallback(const char* name, CtrlCallbackPtr callback);
void RegisterPanelCallback(const char* name, PanelCallbackPtr callback);

// A handle > 0, or a negative UIE_ code. A relative name is taken from the
// program's directory. parentPanel 0 makes a top-level window. Only faults
// of the file refuse it, and nothing of a refused panel is kept: a file that
// cannot be read (UIE_FILE_NOT_READABLE); XML that is not well formed, a
// widget class that cannot be made, a role found twice, a callback on a
// control without a role or a plot property it gets wrong (UIE_BAD_FILE); no such resource; a missing role
// (UIE_MISSING_CONTROL); an unknown callback (UIE_UNKNOWN_CALLBACK).
int LoadPanel(int parentPanel, const char* fileName, int resourceId);
int DisplayPanel(int panel);
int HidePanel(int panel);
int DiscardPanel(int panel);
int SetActivePanel(int panel);
int GetActivePanel();
// A window's place, size and state (maximised or not) as text, to keep
// between runs; SetPanelPlacement puts a kept one back (UIE_BAD_ATTRIBUTE
// for text that is not one).
std::string GetPanelPlacement(int panel);
int SetPanelPlacement(int panel, const std::string& placement);
int SetActiveCtrl(int panel, int control);
// Tab reaches a child panel's controls, in their own order, right after
// `control` of the panel it sits on, instead of after all of that panel's.
int SetPanelTabPosition(int childPanel, int panel, int control);
int SetPanelAttribute(int panel, int attribute, int value);
int SetPanelAttribute(int panel, int attribute, const char* value);
int GetPanelAttribute(int panel, int attribute, int* value);

int SetCtrlVal(int panel, int control, int value);
int SetCtrlVal(int panel, int control, double value);
int SetCtrlVal(int panel, int control, const char* value);
int GetCtrlVal(int panel, int control, int* value);
int GetCtrlVal(int panel, int control, double* value);
int GetCtrlVal(int panel, int control, unsigned short* value);
int GetCtrlVal(int panel, int control, char* buffer, std::size_t size);
template <std::size_t N>
int GetCtrlVal(int panel, int control, char (&buffer)[N])
{
    return GetCtrlVal(panel, control, buffer, N);
}
// Replaces the whole text of a text box (SetCtrlVal appends to it).
int ResetTextBox(int panel, int control, const char* text);
int SetCtrlAttribute(int panel, int control, int attribute, int value);
int SetCtrlAttribute(int panel, int control, int attribute, const char* value);
int GetCtrlAttribute(int panel, int control, int attribute, int* value);
// 1 when the text, shown in the control, fits its width; 0 when it would be
// cut; a negative code for no such control.
int CtrlTextFits(int panel, int control, const char* text);
// Makes a control on the panel at (top, left); its number, or a negative code.
int NewCtrl(int panel, int style, const char* label, int top, int left);
// Shows an image file in a picture control. A name starting with ":/" is a
// picture built into the program.
int DisplayImageFile(int panel, int control, const char* fileName);
// Lists of choices (ring controls): entries with a label and an int value;
// index -1 appends. GetCtrlVal and SetCtrlVal go by the value.
int ClearListCtrl(int panel, int control);
int InsertListItem(int panel, int control, int index, const char* label, int value);
int GetNumListItems(int panel, int control, int* count);
// Runs the control's callback as if the operator had caused `event`.
int CallCtrlCallback(int panel, int control, int event, int eventData1, int eventData2);

// Called when the values of panel controls changed, by the operator or by
// the program, once the events of that moment are done. Each hook has a
// name; setting a name again replaces its hook, an empty hook removes it.
void SetValueChangeHook(const std::string& name, std::function<void()> hook);

// Runs the event loop until QuitUserInterface; returns its code.
int RunUserInterface();
int QuitUserInterface(int returnCode);

int MessagePopup(const char* title, const char* message);
// A question with three answers; the number of the one chosen, 1 to 3.
// Closing the window or Escape chooses the third, which must cancel.
int GenericMessagePopup(const char* title, const char* message, const char* button1, const char* button2,
                        const char* button3);
// A message that holds nothing up: the program goes on while it is shown,
// until the operator closes it or CloseNotice takes it away. Its handle (> 0).
int NoticePopup(const char* title, const char* message);
void CloseNotice(int handle);
// How many notices are shown (one told to the modal hook counts until
// CloseNotice takes it away).
int NoticesShown();

// The button that accepts a file dialog: OK and Save pick any file, Load an existing one.
inline constexpr int VAL_OK_BUTTON = 0;
inline constexpr int VAL_SAVE_BUTTON = 1;
inline constexpr int VAL_LOAD_BUTTON = 2;
// Results of FileSelectPopup; negative codes are errors.
inline constexpr int VAL_NO_FILE_SELECTED = 0;
inline constexpr int VAL_EXISTING_FILE_SELECTED = 1;
inline constexpr int VAL_NEW_FILE_SELECTED = 2;

// Lets the operator choose a file. fileTypeList holds patterns separated by
// ';' ("*.S;*.dat"); defaultFileSpec is a pattern or a file name to start
// with. restrictDirectory keeps the dialog in defaultDirectory,
// restrictExtension to the patterns of the list. The path goes into
// pathName (size bytes with its terminating zero); a path that does not fit
// gives UIE_BUFFER_TOO_SMALL and an empty pathName.
int FileSelectPopup(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                    const char* title, int buttonLabel, int restrictDirectory, int restrictExtension,
                    int allowCancel, int allowMakeDirectory, char* pathName, std::size_t size);
template <std::size_t N>
int FileSelectPopup(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                    const char* title, int buttonLabel, int restrictDirectory, int restrictExtension,
                    int allowCancel, int allowMakeDirectory, char (&pathName)[N])
{
    return FileSelectPopup(defaultDirectory, defaultFileSpec, fileTypeList, title, buttonLabel,
                           restrictDirectory, restrictExtension, allowCancel, allowMakeDirectory, pathName, N);
}

// Does nothing without windows.
void SetWaitCursor(int on);

// The program's directory.
int GetProjectDir(char* buffer, std::size_t size);
template <std::size_t N>
int GetProjectDir(char (&buffer)[N])
{
    return GetProjectDir(buffer, N);
}

}  // namespace telvar
