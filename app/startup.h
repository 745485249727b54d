// Program entry, global defaults and the program's identity.
#pragma once

namespace telvar {

inline constexpr int PATH_SIZE = 260;
inline constexpr int NAME_SIZE = 72;
inline constexpr const char* IP_HISTORY_FILE = "if_history.ipa";

extern char proj_dir[PATH_SIZE];            // directory of the program file
extern char dirName[PATH_SIZE];             // where every file dialog starts
extern char ipComboBoxFileName[PATH_SIZE];  // the IP address history file
extern char szSoftname[NAME_SIZE];
extern char szSoftversion[NAME_SIZE];

// Loads the panels, sets the defaults and runs the event loop. 0 after a
// normal end, -1 when the platform or any panel fails to load.
int WinMain(int argc, char** argv);
void InitVars();
// The eleven panels, in their order; false as soon as one fails to load.
bool load_panels();

}  // namespace telvar
