// Inside the file layer: the handle table's entry points that the whole-file
// writer and the printer's PDF output share with the _lopen family.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

#include "platform/window/win_types.h"

namespace win::detail {

// Opens a Linux path as the _lopen family does (plain files only; a read-only
// file not for writing), registered as a handle of the table.
HFILE OpenLinux(const std::string& target, int flags, mode_t mode, bool canRead, bool canWrite);
// The descriptor behind a handle, -1 for none.
int FileDescriptor(HFILE h);
// The refusal the file at `path` (its status `st`) meets when it is opened
// (ERROR_SUCCESS for none): a folder, a pipe, device or socket, and for
// writing a file marked read-only or one the user may not write. `systemError`
// gets the system's number behind the refusal, 0 when there is none.
DWORD RefuseSpecial(const std::string& path, const struct stat& st, bool forWriting,
                    int& systemError);
// Gives a Linux path the hidden attribute.
void MarkHidden(const std::string& linuxPath);
// True (last error set) when a test asked the next rename to fail (FailNextFileRenames).
bool TakeInjectedRenameFailure();
// Closes a handle without touching the last error.
void CloseQuietly(HFILE h);
// Removes the new files of replacements still open (between tests).
void ResetReplacements();
// Records a failed system call's errno as the last error.
void SetErrno(int e);
// The system's number behind the last error, 0 when none.
int LastErrno();
// Writes past the file-size limit fail (as a full disk) instead of ending the program.
void IgnoreFileSizeSignal();

}  // namespace win::detail
