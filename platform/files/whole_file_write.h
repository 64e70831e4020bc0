// Files written whole or not at all. A writer takes a handle on a new file in
// the target's folder (the same file system, so the final rename is one step),
// writes through the ordinary calls (_lwrite, WriteFile, _llseek, _lread), and
// then commits it: the new file is pushed to the disk, closed and renamed over
// the target. Until then, and whenever a write, the flush or the rename fails,
// the target keeps every byte it had; the new file is removed.
#pragma once

#include <cstddef>
#include <string>

#include "platform/files/file_io.h"

namespace win {

// A new, empty file (read and write) that is to take `path`'s place, with the
// target's permissions when it exists and the _lcreat `attribute` when it does
// not. Refused, with the last error set and nothing made: a target that is a
// folder (ERROR_ACCESS_DENIED) or a pipe, device or socket
// (ERROR_BAD_FILE_TYPE); a read-only target (ERROR_ACCESS_DENIED); a folder
// that is missing or takes no new file.
HFILE OpenReplacement(const char* path, int attribute = 0);
HFILE OpenReplacementW(const char16_t* path, int attribute = 0);
// The same for a Linux path, for the platform's own outputs (printed documents).
HFILE OpenReplacementLinux(const std::string& linuxPath);
// True when `file` came from OpenReplacement and is not yet committed or abandoned.
[[nodiscard]] bool IsReplacement(HFILE file);
// Flushes, closes and renames the new file over its target. FALSE when any
// step fails: the new file is gone, the target as it was, the last error says why.
BOOL CommitReplacement(HFILE file);
// Commits `count` new files as one: each takes its target's place, or, when a
// step fails for any of them, none does. The targets then keep every byte they
// had (a target renamed over already is put back), every new file is gone,
// the last error says why and `failed` (when given) is the index of the file
// whose step failed.
BOOL CommitReplacements(const HFILE* files, std::size_t count, std::size_t* failed = nullptr);
// Closes and removes the new file; the target stays as it was. Keeps the last error.
void AbandonReplacement(HFILE file);
// The whole of `bytes` as the new contents of `path`, by the steps above.
BOOL ReplaceFileContents(const char* path, const void* bytes, std::size_t count, int attribute = 0);
// The same for a Linux path (relative to the folder the program runs in): the
// files a script or a test names.
BOOL ReplaceLinuxFileContents(const std::string& linuxPath, const void* bytes, std::size_t count);
// Whether `path` could be replaced now (the checks of OpenReplacement, a new
// file made and removed again); nothing at `path` changes.
[[nodiscard]] bool CanReplaceFile(const char* path);

// The message body for a failed write of `path`: what was done, the file, the
// cause (the last error's text) and what became of the file that was there,
// e.g. "Saving C:\WELL7.KRV failed: No space left on device. The file that was
// there is unchanged." Call it right after the failure.
[[nodiscard]] std::string FailedWriteText(const char* doing, const char* path);
// The same for a writer that knows whether anything was at `path` before it
// began (one that made the file itself, empty, before writing to it): a file
// is said to be unchanged only when one was there.
[[nodiscard]] std::string FailedWriteText(const char* doing, const char* path, bool existedBefore);
// The same for a file named by its Linux path.
[[nodiscard]] std::string FailedLinuxWriteText(const char* doing, const std::string& linuxPath);

}  // namespace win
