// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and crash-safe writing. A file is written to a new
// file beside it, flushed and renamed over it only when every byte is out,
// so that a failed or interrupted save leaves the old file whole.
#pragma once

#include <string>

namespace telvar {

// The longest path the platform takes, terminating zero included.
inline constexpr int MAX_PATHNAME_LEN = 260;

inline constexpr int FILE_OK = 0;
inline constexpr int FILE_CANNOT_OPEN = -1;   // missing, unreadable, refused, or a target that cannot be updated
inline constexpr int FILE_WRITE_FAILED = -2;  // the device refused the bytes (full, gone)

// The kinds of file the tool reads. Each has a size far above any real file
// of its kind: a larger one is refused before it is read, so that a wrong
// choice costs neither the memory nor the time of reading it.
enum class FileKind { parameters, firmware_image, table, history, settings, targets };

// Every `why` below: the reason of a failure in the operator's words (the
// system's for its own errors, such as "no space left on device"); left as
// it is on success.

// The whole content of a regular file of the kind. A folder, FIFO or device
// is refused without being read, so that a read never blocks.
int ReadWholeFile(const std::string& path, FileKind kind, std::string* content, std::string* why = nullptr);
// Why the file cannot be read as one of its kind, found without opening it;
// empty when it can be, or when there is no such file.
std::string FileRefusal(const std::string& path, FileKind kind);

// Replaces the file by `content`. A target that exists but cannot be opened
// for update is not written.
int SaveFileAtomically(const std::string& path, const std::string& content, std::string* why = nullptr);

// A file written piece by piece, such as the recorder's CSV. Each piece goes
// out in one write; a process killed during it can leave the piece cut short,
// though only where a page of the file ends.
// A handle > 0, or FILE_CANNOT_OPEN; the file is made new or emptied.
int OpenTextFile(const std::string& path, std::string* why = nullptr);
// FILE_OK or FILE_WRITE_FAILED.
int WriteTextFile(int handle, const std::string& text, std::string* why = nullptr);
int CloseTextFile(int handle, std::string* why = nullptr);

// A failure's own text with its reason after it, when there is one.
std::string WithReason(const std::string& text, const std::string& why);
// The system's error number in the operator's words.
std::string ErrorReason(int error);

// Whether files can be made in the directory.
bool DirectoryWritable(const std::string& path, std::string* why = nullptr);
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
