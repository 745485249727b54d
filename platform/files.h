// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and crash-safe writing. A file is written to a new
// file beside it, flushed and renamed over it only when every byte is out,
// so that a failed or interrupted save leaves the old file whole.
#pragma once

#include <string>

namespace telvar {

inline constexpr int FILE_OK = 0;
inline constexpr int FILE_CANNOT_OPEN = -1;   // missing, unreadable, or a target that cannot be updated
inline constexpr int FILE_WRITE_FAILED = -2;  // the device refused the bytes (full, gone)

// The whole content of a file.
int ReadWholeFile(const std::string& path, std::string* content);

// Replaces the file by `content`. A target that exists but cannot be opened
// for update is not written.
int SaveFileAtomically(const std::string& path, const std::string& content);

// A file written piece by piece, such as the recorder's CSV. Each piece goes
// out in one write; a process killed during it can leave the piece cut short,
// though only where a page of the file ends.
// A handle > 0, or FILE_CANNOT_OPEN; the file is made new or emptied.
int OpenTextFile(const std::string& path);
int WriteTextFile(int handle, const std::string& text);  // FILE_OK or FILE_WRITE_FAILED
int CloseTextFile(int handle);

// Whether files can be made in the directory.
bool DirectoryWritable(const std::string& path);
// Whether the operator's files (history, settings, the dialogs' first
// folder) may go into the program's own directory: it can be written and
// the program is not an installed one, whose folder is the system's even
// for root.
bool ProgramDirectoryForFiles(const std::string& program_dir);
// Where the file dialogs open at first: the program's directory, or the
// operator's documents when the program's directory is not for files.
std::string FileDialogsDir(const std::string& program_dir);
// The operator's documents folder, and the program's folder in the
// operator's data folder (made if missing).
std::string DocumentsDir();
std::string UserDataDir();
// The program's folder in the operator's configuration folder (made if missing).
std::string UserConfigDir();
// Moves the file to its new place unless a file is there already; nothing
// when there is nothing to move.
void MoveFileIfAbsent(const std::string& from, const std::string& to);

}  // namespace telvar
