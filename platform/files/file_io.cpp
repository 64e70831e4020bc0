// File handles: the _lopen family, the CreateFile family on the same table,
// deleting and attributes. Errors set the last-error number.
#include "platform/files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>

#include "platform/files/directories.h"
#include "platform/files/file_table.h"
#include "platform/system/system.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

bool IsProcessHandle(void* handle);

namespace {

struct OpenFile {
    int fd = -1;
    bool canRead = false;
    bool canWrite = false;
};

struct FileState {
    std::map<int, OpenFile> files;
    int nextHandle = 3;
    DWORD lastError = 0;
    int lastErrno = 0;             // the system's own number behind lastError, 0 when none
    std::set<std::string> hidden;  // Linux paths carrying the hidden attribute
    int failingWrites = 0;         // writes still to fail (FailNextFileWrites)
    int passingWrites = 0;         // writes that still succeed before those
    int failingDeletes = 0;        // deletions still to fail (FailNextFileDeletes)
    int failingReads = 0;          // reads still to fail (FailNextFileReads)
    int passingReads = 0;          // reads that still succeed before those
    int failingRenames = 0;        // renames still to fail (FailNextFileRenames)
};

FileState& Files() {
    static FileState state;
    return state;
}

HFILE Register(int fd, bool canRead, bool canWrite);

DWORD ErrorFromErrno(int e) {
    switch (e) {
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case ENOTDIR:
            return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return ERROR_ACCESS_DENIED;
        case EMFILE:
        case ENFILE:
            return ERROR_TOO_MANY_OPEN_FILES;
        case EEXIST:
            return ERROR_FILE_EXISTS;
        case ENOSPC:
        case EFBIG:  // past the file-size limit: as full a disk as any
        case EDQUOT:
            return ERROR_DISK_FULL;
        case EBADF:
            return ERROR_INVALID_HANDLE;
        default:
            return ERROR_GEN_FAILURE;
    }
}

// A missing file whose folder is missing too is a path error.
DWORD OpenError(const std::string& linuxPath, int e) {
    if (e == ENOENT) {
        std::string folder = linuxPath.substr(0, linuxPath.rfind('/'));
        struct stat st;
        if (!folder.empty() && ::stat(folder.c_str(), &st) != 0) return ERROR_PATH_NOT_FOUND;
    }
    return ErrorFromErrno(e);
}

}  // namespace

void SetErrno(int e) {
    Files().lastError = ErrorFromErrno(e);
    Files().lastErrno = e;
}

int LastErrno() {
    return Files().lastErrno;
}

void SetOpenError(const std::string& linuxPath, int e) {
    Files().lastError = OpenError(linuxPath, e);
    Files().lastErrno = e;
}

void IgnoreFileSizeSignal() {
    // Past the file-size limit a write then fails with EFBIG, which is reported
    // as a full disk, instead of the signal ending the program.
    static const bool done = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)done;
}

DWORD RefuseSpecial(const std::string& path, const struct stat& st, bool forWriting,
                    int& systemError) {
    systemError = 0;
    if (S_ISDIR(st.st_mode)) {
        systemError = EISDIR;
        return ERROR_ACCESS_DENIED;
    }
    if (!S_ISREG(st.st_mode)) return ERROR_BAD_FILE_TYPE;
    if (!forWriting) return ERROR_SUCCESS;
    // Marked read-only: refused even where the system would let the writer
    // through (the superuser).
    if ((st.st_mode & S_IWUSR) == 0) return ERROR_ACCESS_DENIED;
    // Another user's file, or one on a read-only disk: a writer that made a
    // new file beside it and renamed it over it would still replace it.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
        systemError = errno;
        return ERROR_ACCESS_DENIED;
    }
    return ERROR_SUCCESS;
}

HFILE OpenLinux(const std::string& target, int flags, mode_t mode, bool canRead, bool canWrite) {
    if (canWrite) IgnoreFileSizeSignal();
    // Only plain files are opened: a pipe would block the open until a writer
    // comes, a device never ends, a folder holds no bytes. A file marked
    // read-only is not opened for writing, whoever runs the program, nor one
    // the user may not write.
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        int cause = 0;
        const DWORD refusal = RefuseSpecial(target, st, canWrite, cause);
        if (refusal != ERROR_SUCCESS) {
            Files().lastError = refusal;
            Files().lastErrno = cause;
            return HFILE_ERROR;
        }
    }
    // Non-blocking, in case something else took the name since: checked again below.
    int fd = ::open(target.c_str(), flags | O_CLOEXEC | O_NONBLOCK, mode);
    if (fd < 0) {
        Files().lastError = OpenError(target, errno);
        Files().lastErrno = errno;
        return HFILE_ERROR;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        Files().lastError = ERROR_BAD_FILE_TYPE;
        Files().lastErrno = 0;
        return HFILE_ERROR;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    Files().lastError = ERROR_SUCCESS;
    Files().lastErrno = 0;
    return Register(fd, canRead, canWrite);
}

void MarkHidden(const std::string& linuxPath) {
    Files().hidden.insert(linuxPath);
}

bool TakeInjectedRenameFailure() {
    if (Files().failingRenames <= 0) return false;
    --Files().failingRenames;
    Files().lastError = ERROR_ACCESS_DENIED;
    Files().lastErrno = 0;
    return true;
}

void CloseQuietly(HFILE h) {
    auto it = Files().files.find(h);
    if (it == Files().files.end()) return;
    ::close(it->second.fd);
    Files().files.erase(it);
}

int FileDescriptor(HFILE h) {
    auto it = Files().files.find(h);
    return it == Files().files.end() ? -1 : it->second.fd;
}

namespace {

HFILE Register(int fd, bool canRead, bool canWrite) {
    int h = Files().nextHandle++;
    Files().files[h] = OpenFile{fd, canRead, canWrite};
    return h;
}

OpenFile* Lookup(HFILE h) {
    auto it = Files().files.find(h);
    if (it == Files().files.end()) {
        Files().lastError = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    return &it->second;
}

HFILE OpenMapped(const char* path, int flags, mode_t mode, bool canRead, bool canWrite) {
    if (path == nullptr) {
        Files().lastError = ERROR_FILE_NOT_FOUND;
        return HFILE_ERROR;
    }
    return OpenLinux(MapPath(path), flags, mode, canRead, canWrite);
}

HFILE HandleToFile(HANDLE h) {
    auto v = reinterpret_cast<std::intptr_t>(h);
    return (v > 0 && v < 0x10000000) ? static_cast<HFILE>(v) : HFILE_ERROR;
}

}  // namespace

void ResetFiles() {
    ResetReplacements();
    for (auto& [h, f] : Files().files) ::close(f.fd);
    Files() = FileState{};
}

}  // namespace detail

DWORD GetLastError() {
    return detail::Files().lastError;
}
void SetLastError(DWORD error) {
    detail::Files().lastError = error;
    detail::Files().lastErrno = 0;
}

std::string GetLastErrorText() {
    const int e = detail::Files().lastErrno;
    if (e != 0) return std::strerror(e);
    switch (detail::Files().lastError) {
        case ERROR_SUCCESS:
            return "No error";
        case ERROR_FILE_NOT_FOUND:
            return "No such file";
        case ERROR_PATH_NOT_FOUND:
            return "No such folder";
        case ERROR_TOO_MANY_OPEN_FILES:
            return "Too many open files";
        case ERROR_ACCESS_DENIED:
            return "Permission denied (the file is read-only or its folder cannot be written)";
        case ERROR_INVALID_HANDLE:
            return "The file is not open";
        case ERROR_NEGATIVE_SEEK:
            return "Position before the start of the file";
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return "The file exists already";
        case ERROR_DISK_FULL:
            return "No space left on device";
        case ERROR_BAD_FILE_TYPE:
            return "Not a regular file (a pipe, a device or a socket)";
        default:
            return "Input/output error";
    }
}

HFILE _lopen(const char* path, int mode) {
    int access = mode & 0x3;
    int flags = access == OF_WRITE ? O_WRONLY : access == OF_READWRITE ? O_RDWR : O_RDONLY;
    return detail::OpenMapped(path, flags, 0, access != OF_WRITE, access != OF_READ);
}

HFILE _lcreat(const char* path, int attribute) {
    mode_t mode = (attribute & 1) ? 0444 : 0666;
    HFILE h = detail::OpenMapped(path, O_RDWR | O_CREAT | O_TRUNC, mode, true, true);
    if (h != HFILE_ERROR) {
        std::string target = MapPath(path);
        if (attribute & 2)
            detail::Files().hidden.insert(target);
        else
            detail::Files().hidden.erase(target);
    }
    return h;
}

UINT _lread(HFILE file, void* buffer, UINT count) {
    detail::OpenFile* f = detail::Lookup(file);
    if (f == nullptr) return kReadWriteError;
    if (!f->canRead || (buffer == nullptr && count > 0)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return kReadWriteError;
    }
    if (detail::Files().passingReads > 0) {
        --detail::Files().passingReads;
    } else if (detail::Files().failingReads > 0) {
        --detail::Files().failingReads;
        SetLastError(ERROR_GEN_FAILURE);
        return kReadWriteError;
    }
    auto* out = static_cast<char*>(buffer);
    UINT total = 0;
    while (total < count) {
        ssize_t n = ::read(f->fd, out + total, count - total);
        if (n < 0) {
            if (errno == EINTR) continue;
            detail::SetErrno(errno);
            return kReadWriteError;
        }
        if (n == 0) break;  // end of file: a short count
        total += static_cast<UINT>(n);
    }
    return total;
}

UINT _lwrite(HFILE file, const void* buffer, UINT count) {
    detail::OpenFile* f = detail::Lookup(file);
    if (f == nullptr) return kReadWriteError;
    if (!f->canWrite) {
        SetLastError(ERROR_ACCESS_DENIED);
        return kReadWriteError;
    }
    if (detail::Files().passingWrites > 0) {
        --detail::Files().passingWrites;
    } else if (detail::Files().failingWrites > 0) {
        --detail::Files().failingWrites;
        SetLastError(ERROR_DISK_FULL);
        return kReadWriteError;
    }
    if (count == 0) {
        off_t pos = ::lseek(f->fd, 0, SEEK_CUR);
        if (pos < 0 || ::ftruncate(f->fd, pos) != 0) {
            detail::SetErrno(errno);
            return kReadWriteError;
        }
        return 0;
    }
    if (buffer == nullptr) {
        SetLastError(ERROR_ACCESS_DENIED);
        return kReadWriteError;
    }
    const auto* in = static_cast<const char*>(buffer);
    UINT total = 0;
    while (total < count) {
        ssize_t n = ::write(f->fd, in + total, count - total);
        if (n < 0) {
            if (errno == EINTR) continue;
            detail::SetErrno(errno);
            return kReadWriteError;
        }
        total += static_cast<UINT>(n);
    }
    return total;
}

LONG _llseek(HFILE file, LONG offset, int origin) {
    detail::OpenFile* f = detail::Lookup(file);
    if (f == nullptr) return HFILE_ERROR;
    int whence = origin == FILE_CURRENT ? SEEK_CUR : origin == FILE_END ? SEEK_END : SEEK_SET;
    if (origin < FILE_BEGIN || origin > FILE_END) {
        SetLastError(ERROR_GEN_FAILURE);
        return HFILE_ERROR;
    }
    off_t pos = ::lseek(f->fd, offset, whence);
    if (pos < 0) {
        SetLastError(ERROR_NEGATIVE_SEEK);
        return HFILE_ERROR;
    }
    if (pos > 0x7FFFFFFF) {
        SetLastError(ERROR_GEN_FAILURE);
        return HFILE_ERROR;
    }
    return static_cast<LONG>(pos);
}

HFILE _lclose(HFILE file) {
    detail::OpenFile* f = detail::Lookup(file);
    if (f == nullptr) return HFILE_ERROR;
    ::close(f->fd);
    detail::Files().files.erase(file);
    return 0;
}

HANDLE CreateFile(const char* path, DWORD access, DWORD, void*, DWORD disposition, DWORD, HANDLE) {
    bool r = (access & GENERIC_READ) != 0;
    bool w = (access & GENERIC_WRITE) != 0;
    int flags = r && w ? O_RDWR : w ? O_WRONLY : O_RDONLY;
    switch (disposition) {
        case CREATE_NEW:
            flags |= O_CREAT | O_EXCL;
            break;
        case CREATE_ALWAYS:
            flags |= O_CREAT | O_TRUNC;
            break;
        case OPEN_ALWAYS:
            flags |= O_CREAT;
            break;
        case TRUNCATE_EXISTING:
            flags |= O_TRUNC;
            break;
        case OPEN_EXISTING:
            break;
        default:
            SetLastError(ERROR_GEN_FAILURE);
            return INVALID_HANDLE_VALUE;
    }
    HFILE h = detail::OpenMapped(path, flags, 0666, r, w);
    if (h == HFILE_ERROR) return INVALID_HANDLE_VALUE;
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(h));
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* done, void*) {
    if (done != nullptr) *done = 0;
    UINT n = _lread(detail::HandleToFile(file), buffer, count);
    if (n == kReadWriteError) return FALSE;
    if (done != nullptr) *done = n;
    return TRUE;
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* done, void*) {
    if (done != nullptr) *done = 0;
    if (count == 0) return detail::Lookup(detail::HandleToFile(file)) != nullptr ? TRUE : FALSE;
    UINT n = _lwrite(detail::HandleToFile(file), buffer, count);
    if (n == kReadWriteError) return FALSE;
    if (done != nullptr) *done = n;
    return TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method) {
    detail::OpenFile* f = detail::Lookup(detail::HandleToFile(file));
    if (f == nullptr) return INVALID_SET_FILE_POINTER;
    long long offset = distance;
    if (distanceHigh != nullptr)
        offset =
            (static_cast<long long>(*distanceHigh) << 32) | static_cast<std::uint32_t>(distance);
    int whence = method == FILE_CURRENT ? SEEK_CUR : method == FILE_END ? SEEK_END : SEEK_SET;
    off_t pos = ::lseek(f->fd, static_cast<off_t>(offset), whence);
    if (pos < 0) {
        SetLastError(ERROR_NEGATIVE_SEEK);
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh != nullptr) *distanceHigh = static_cast<LONG>(pos >> 32);
    return static_cast<DWORD>(pos);
}

BOOL SetEndOfFile(HANDLE file) {
    detail::OpenFile* f = detail::Lookup(detail::HandleToFile(file));
    if (f == nullptr) return FALSE;
    if (!f->canWrite) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    const off_t pos = ::lseek(f->fd, 0, SEEK_CUR);
    if (pos < 0 || ::ftruncate(f->fd, pos) != 0) {
        detail::SetErrno(errno);
        return FALSE;
    }
    return TRUE;
}

DWORD GetFileSize(HANDLE file, DWORD* sizeHigh) {
    detail::OpenFile* f = detail::Lookup(detail::HandleToFile(file));
    struct stat st;
    if (f == nullptr || ::fstat(f->fd, &st) != 0) return 0xFFFFFFFF;
    if (sizeHigh != nullptr)
        *sizeHigh = static_cast<DWORD>(static_cast<std::uint64_t>(st.st_size) >> 32);
    return static_cast<DWORD>(st.st_size);
}

BOOL CloseHandle(HANDLE handle) {
    if (detail::IsProcessHandle(handle)) return TRUE;
    return _lclose(detail::HandleToFile(handle)) == 0 ? TRUE : FALSE;
}

BOOL DeleteFile(const char* path) {
    if (path == nullptr) return FALSE;
    if (detail::Files().failingDeletes > 0) {
        --detail::Files().failingDeletes;
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    std::string target = MapPath(path);
    struct stat st;
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (::unlink(target.c_str()) != 0) {
        detail::SetOpenError(target, errno);
        return FALSE;
    }
    detail::Files().hidden.erase(target);
    return TRUE;
}

BOOL MoveFileEx(const char* from, const char* to, DWORD flags) {
    if (from == nullptr || to == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (detail::TakeInjectedRenameFailure()) return FALSE;
    const std::string source = MapPath(from);
    const std::string target = MapPath(to);
    struct stat st;
    if (::stat(source.c_str(), &st) != 0) {
        detail::SetOpenError(source, errno);
        return FALSE;
    }
    if ((flags & MOVEFILE_REPLACE_EXISTING) == 0 && ::stat(target.c_str(), &st) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (::stat(target.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (::rename(source.c_str(), target.c_str()) != 0) {
        detail::SetOpenError(target, errno);
        return FALSE;
    }
    if (detail::Files().hidden.erase(source) != 0)
        detail::Files().hidden.insert(target);
    else
        detail::Files().hidden.erase(target);
    return TRUE;
}

BOOL FlushFileBuffers(HANDLE file) {
    detail::OpenFile* f = detail::Lookup(detail::HandleToFile(file));
    if (f == nullptr) return FALSE;
    if (::fsync(f->fd) != 0 && errno != EINVAL && errno != EROFS) {
        detail::SetErrno(errno);
        return FALSE;
    }
    return TRUE;
}

void FailNextFileWrites(int count, int after) {
    detail::Files().failingWrites = count > 0 ? count : 0;
    detail::Files().passingWrites = count > 0 && after > 0 ? after : 0;
}

void FailNextFileDeletes(int count) {
    detail::Files().failingDeletes = count > 0 ? count : 0;
}

void FailNextFileReads(int count, int after) {
    detail::Files().failingReads = count > 0 ? count : 0;
    detail::Files().passingReads = count > 0 && after > 0 ? after : 0;
}

void FailNextFileRenames(int count) {
    detail::Files().failingRenames = count > 0 ? count : 0;
}

DWORD GetFileAttributes(const char* path) {
    if (path == nullptr) return INVALID_FILE_ATTRIBUTES;
    std::string target = MapPath(path);
    struct stat st;
    if (::stat(target.c_str(), &st) != 0) {
        detail::SetOpenError(target, errno);
        return INVALID_FILE_ATTRIBUTES;
    }
    DWORD attrs = 0;
    if (S_ISDIR(st.st_mode)) attrs |= FILE_ATTRIBUTE_DIRECTORY;
    if ((st.st_mode & S_IWUSR) == 0) attrs |= FILE_ATTRIBUTE_READONLY;
    if (detail::Files().hidden.count(target) != 0) attrs |= FILE_ATTRIBUTE_HIDDEN;
    return attrs == 0 ? FILE_ATTRIBUTE_NORMAL : attrs;
}

BOOL SetFileAttributes(const char* path, DWORD attributes) {
    if (path == nullptr) return FALSE;
    std::string target = MapPath(path);
    struct stat st;
    if (::stat(target.c_str(), &st) != 0) {
        detail::SetOpenError(target, errno);
        return FALSE;
    }
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~0222) : (mode | S_IWUSR);
    if (::chmod(target.c_str(), mode) != 0) {
        detail::SetErrno(errno);
        return FALSE;
    }
    if (attributes & FILE_ATTRIBUTE_HIDDEN)
        detail::Files().hidden.insert(target);
    else
        detail::Files().hidden.erase(target);
    return TRUE;
}

}  // namespace win
