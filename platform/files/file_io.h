// Files: the _lopen family with its error values, the create/read/write/seek
// handle calls, deleting, attributes, directory listings by pattern, and the
// one place where Windows-style paths become Linux paths.
//
// Path mapping: "\" and "/" both separate; a drive prefix ("C:") is dropped;
// a path starting with a separator ("\ZORIN\plunit.cnf") starts at the path
// root, any other at the current folder; each existing component is matched
// case-insensitively, so "\zorin\PLUNIT.CNF" finds "ZORIN/plunit.cnf". The
// root defaults to the folder that is current when the program starts.
#pragma once

#include <string>
#include <vector>

#include "platform/files/directories.h"
#include "platform/window/win_types.h"

namespace win {

// ---- Paths --------------------------------------------------------------------------
void SetPathRoot(const std::string& linuxFolder);
[[nodiscard]] std::string PathRoot();
// The Linux path a program path names (existing components matched without
// regard to case; missing ones kept as written).
[[nodiscard]] std::string MapPath(const std::string& programPath);
// The current folder in program form: "C:\" for the root, "C:\ZORIN\INHIB" below.
DWORD GetCurrentDirectory(DWORD size, char* buffer);
BOOL SetCurrentDirectory(const char* path);

// ---- Error numbers ---------------------------------------------------------------------
inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
inline constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
inline constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_NEGATIVE_SEEK = 131;
inline constexpr DWORD ERROR_FILE_EXISTS = 80;
inline constexpr DWORD ERROR_DISK_FULL = 112;
inline constexpr DWORD ERROR_GEN_FAILURE = 31;
// A name that is there but not a plain file: a pipe, a device, a socket.
inline constexpr DWORD ERROR_BAD_FILE_TYPE = 222;
[[nodiscard]] DWORD GetLastError();
void SetLastError(DWORD error);
// The cause of the last error as a sentence fragment for messages: the
// system's own text when a system call failed ("No space left on device"),
// else a text for the error number.
[[nodiscard]] std::string GetLastErrorText();

// ---- The _lopen family -------------------------------------------------------------------
// Only plain files open: a folder, a pipe, a device or a socket is refused
// before it is opened (ERROR_ACCESS_DENIED for a folder, ERROR_BAD_FILE_TYPE
// for the rest), and a file marked read-only does not open for writing
// (ERROR_ACCESS_DENIED). A write past the process's file-size limit fails as
// a full disk does instead of ending the program.
// _lopen opens an existing file (OF_READ, OF_WRITE or OF_READWRITE, share bits
// ignored); _lcreat creates or truncates one for reading and writing with the
// given attribute (0 normal, 1 read-only, 2 hidden). Both return HFILE_ERROR
// on failure.
HFILE _lopen(const char* path, int mode);
HFILE _lcreat(const char* path, int attribute);
// Byte counts; a read at the end of the file returns fewer bytes (0 at the
// end). HFILE_ERROR (as UINT) for a bad handle or an I/O error.
UINT _lread(HFILE file, void* buffer, UINT count);
// Writing 0 bytes cuts (or extends) the file at the current position.
UINT _lwrite(HFILE file, const void* buffer, UINT count);
// origin 0 from the start, 1 from the current position, 2 from the end;
// positions past the end are allowed. HFILE_ERROR for a negative result.
LONG _llseek(HFILE file, LONG offset, int origin);
HFILE _lclose(HFILE file);
inline constexpr UINT kReadWriteError = static_cast<UINT>(HFILE_ERROR);

// ---- Handle file calls ---------------------------------------------------------------------
using HANDLE = void*;
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(-1);
inline constexpr DWORD GENERIC_READ = 0x80000000;
inline constexpr DWORD GENERIC_WRITE = 0x40000000;
inline constexpr DWORD FILE_SHARE_READ = 0x1;
inline constexpr DWORD FILE_SHARE_WRITE = 0x2;
inline constexpr DWORD CREATE_NEW = 1;
inline constexpr DWORD CREATE_ALWAYS = 2;
inline constexpr DWORD OPEN_EXISTING = 3;
inline constexpr DWORD OPEN_ALWAYS = 4;
inline constexpr DWORD TRUNCATE_EXISTING = 5;
inline constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFF;
HANDLE CreateFile(const char* path, DWORD access, DWORD share, void* security, DWORD disposition,
                  DWORD flags, HANDLE templateFile);
inline HANDLE CreateFileA(const char* p, DWORD a, DWORD s, void* sa, DWORD d, DWORD f, HANDLE t) {
    return CreateFile(p, a, s, sa, d, f, t);
}
// UTF-16 names (UTF-8 on disk, through the same path mapping).
HANDLE CreateFileW(const char16_t* path, DWORD access, DWORD share, void* security,
                   DWORD disposition, DWORD flags, HANDLE templateFile);
BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* done, void* overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* done, void* overlapped);
DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method);
// Ends the file at its current position (bytes beyond it are dropped).
BOOL SetEndOfFile(HANDLE file);
DWORD GetFileSize(HANDLE file, DWORD* sizeHigh);
BOOL CloseHandle(HANDLE handle);

// ---- Whole files -----------------------------------------------------------------------------
BOOL DeleteFile(const char* path);
inline BOOL DeleteFileA(const char* p) {
    return DeleteFile(p);
}
BOOL DeleteFileW(const char16_t* path);
// FILE_ATTRIBUTE_* bits; INVALID_FILE_ATTRIBUTES when the path does not exist.
// A file with no other attribute reports FILE_ATTRIBUTE_NORMAL.
DWORD GetFileAttributes(const char* path);
BOOL SetFileAttributes(const char* path, DWORD attributes);

// Renames `from` to `to` in one step. With MOVEFILE_REPLACE_EXISTING an existing
// `to` is replaced (atomically: a reader sees the old file or the new one, never
// a mix); without it an existing `to` fails with ERROR_ALREADY_EXISTS.
inline constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
BOOL MoveFileEx(const char* from, const char* to, DWORD flags);
inline BOOL MoveFileExA(const char* f, const char* t, DWORD flags) {
    return MoveFileEx(f, t, flags);
}
// Pushes what was written through `file` to the disk.
BOOL FlushFileBuffers(HANDLE file);

// Tests: make the next `count` writes (_lwrite, WriteFile) fail as a full disk
// does (ERROR_DISK_FULL, nothing written), after `after` writes that succeed.
// 0 ends the failures.
void FailNextFileWrites(int count, int after = 0);
// Tests: make the next `count` deletions (DeleteFile) fail as a file the
// system refuses to remove does (ERROR_ACCESS_DENIED, nothing removed).
void FailNextFileDeletes(int count);
// Tests: make the next `count` reads (_lread, ReadFile) fail as a device error
// does (ERROR_GEN_FAILURE, nothing read), after `after` reads that succeed.
void FailNextFileReads(int count, int after = 0);
// Tests: make the next `count` renames (MoveFileEx) fail as a target the system
// refuses to replace does (ERROR_ACCESS_DENIED, nothing moved).
void FailNextFileRenames(int count);

// ---- Directory listing ----------------------------------------------------------------------
struct DirectoryEntry {
    std::string name;  // as stored on disk
    bool isDirectory = false;
    std::uint64_t size = 0;
};
// Entries of the pattern's folder whose names match its last component
// ("*" any run, "?" one character, "*.*" everything, case-insensitive), sorted
// by name without regard to case. False when the folder does not exist.
bool ListDirectory(const std::string& programPattern, std::vector<DirectoryEntry>* entries);
// The wildcard match used by listings and file dialogs.
[[nodiscard]] bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace win
