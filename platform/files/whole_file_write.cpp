// The whole-file writer: a new file beside the target, renamed over it only
// when every byte is written and on the disk.
#include "platform/files/whole_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <map>
#include <vector>

#include "platform/files/file_table.h"
#include "platform/text/code_page.h"

namespace win {
namespace detail {
namespace {

struct Replacement {
    std::string temporary;  // Linux path of the new file
    std::string target;     // Linux path it replaces
};

std::map<HFILE, Replacement>& Replacements() {
    static std::map<HFILE, Replacement> table;
    return table;
}

// A link is followed, so the file it names is replaced and the link stays.
std::string FollowLink(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// The new file's name: the target's with `suffix`, its name cut so that the
// whole stays within the longest name the system takes (a target of 250
// characters is written as one of 5).
std::string TemporaryBeside(const std::string& target, const std::string& suffix) {
    const std::size_t nameAt = target.find_last_of('/') + 1;  // 0 without a folder
    std::string name = target.substr(nameAt);
    if (name.size() + suffix.size() > NAME_MAX) name.resize(NAME_MAX - suffix.size());
    return target.substr(0, nameAt) + name + suffix;
}

HFILE OpenFor(const std::string& linuxPath, int attribute) {
    const std::string target = FollowLink(linuxPath);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        int cause = 0;
        const DWORD refusal = RefuseSpecial(target, st, true, cause);
        if (refusal != ERROR_SUCCESS) {
            SetLastError(refusal);
            if (cause != 0) SetErrno(cause);
            return HFILE_ERROR;
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = exists ? (st.st_mode & 07777) : (((attribute & 1) ? 0444 : 0666) & ~mask);
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 64; ++attempt) {
        const std::string temporary = TemporaryBeside(
            target, ".~" + std::to_string(::getpid() % 100000) + "-" + std::to_string(++serial));
        // Written by us first, so made writable; the target's mode comes back on commit.
        const HFILE h = OpenLinux(temporary, O_RDWR | O_CREAT | O_EXCL, 0600, true, true);
        if (h == HFILE_ERROR) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return HFILE_ERROR;
        }
        // The mode the new file is to keep, applied now to the descriptor's
        // file only when it stays writable for us.
        const int fd = FileDescriptor(h);
        if ((mode & S_IWUSR) != 0) (void)::fchmod(fd, mode);
        Replacements()[h] = Replacement{temporary, target};
        if (!exists && (attribute & 2)) MarkHidden(target);
        return h;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return HFILE_ERROR;
}

}  // namespace

void ResetReplacements() {
    for (const auto& [h, r] : Replacements()) ::unlink(r.temporary.c_str());
    Replacements().clear();
}

}  // namespace detail

HFILE OpenReplacement(const char* path, int attribute) {
    if (path == nullptr || path[0] == '\0') {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return HFILE_ERROR;
    }
    return detail::OpenFor(MapPath(path), attribute);
}

HFILE OpenReplacementW(const char16_t* path, int attribute) {
    if (path == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return HFILE_ERROR;
    }
    return OpenReplacement(Utf16ToUtf8(path).c_str(), attribute);
}

HFILE OpenReplacementLinux(const std::string& linuxPath) {
    return detail::OpenFor(linuxPath, 0);
}

bool IsReplacement(HFILE file) {
    return detail::Replacements().count(file) != 0;
}

BOOL CommitReplacement(HFILE file) {
    auto it = detail::Replacements().find(file);
    if (it == detail::Replacements().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const detail::Replacement r = it->second;
    detail::Replacements().erase(it);
    const int fd = detail::FileDescriptor(file);
    bool ok = true;
    if (fd < 0 || ::fsync(fd) != 0) {
        detail::SetErrno(fd < 0 ? EBADF : errno);
        ok = false;
    }
    if (_lclose(file) != 0) ok = false;
    if (ok && detail::TakeInjectedRenameFailure()) ok = false;
    if (ok && ::rename(r.temporary.c_str(), r.target.c_str()) != 0) {
        detail::SetErrno(errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(r.temporary.c_str());
        return FALSE;
    }
    return TRUE;
}

namespace {

// A target replaced within CommitReplacements: its old file kept under a
// second name until every rename is done.
struct Replaced {
    std::string target;
    std::string kept;    // empty when there was no old file
    bool aside = false;  // the old file itself renamed to `kept`, not linked
};

// Keeps the old file at `r.target` under a new name beside it: a second link
// where the file system makes one, else the file itself renamed aside. False,
// the error recorded, when neither can be done, or when something other than
// a plain file took the name since the new file was opened.
bool KeepOld(Replaced& r) {
    struct stat st;
    if (::lstat(r.target.c_str(), &st) != 0) return true;  // nothing there to keep
    if (S_ISDIR(st.st_mode)) {
        detail::SetErrno(EISDIR);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        SetLastError(ERROR_BAD_FILE_TYPE);
        return false;
    }
    static unsigned serial = 0;
    const std::string name = detail::TemporaryBeside(
        r.target, ".~" + std::to_string(::getpid() % 100000) + "-old" + std::to_string(++serial));
    if (::link(r.target.c_str(), name.c_str()) != 0) {
        if (::rename(r.target.c_str(), name.c_str()) != 0) {
            detail::SetErrno(errno);
            return false;
        }
        r.aside = true;
    }
    r.kept = name;
    return true;
}

// Undoes the replacement of one target whose new file may or may not be in place.
void PutBack(const Replaced& r, bool newInPlace) {
    if (r.kept.empty()) {
        if (newInPlace) ::unlink(r.target.c_str());
    } else if (newInPlace || r.aside) {
        ::rename(r.kept.c_str(), r.target.c_str());
    } else {
        ::unlink(r.kept.c_str());
    }
}

}  // namespace

BOOL CommitReplacements(const HFILE* files, std::size_t count, std::size_t* failed) {
    std::vector<detail::Replacement> news;
    for (std::size_t i = 0; i < count; ++i) {
        auto it = detail::Replacements().find(files[i]);
        if (it == detail::Replacements().end()) {
            for (std::size_t j = 0; j < count; ++j) AbandonReplacement(files[j]);
            SetLastError(ERROR_INVALID_HANDLE);
            if (failed != nullptr) *failed = i;
            return FALSE;
        }
        news.push_back(it->second);
    }
    for (std::size_t i = 0; i < count; ++i) detail::Replacements().erase(files[i]);
    std::size_t failing = count;
    // Every new file on the disk and closed before any target changes.
    for (std::size_t i = 0; i < count; ++i) {
        if (failing < count) {
            detail::CloseQuietly(files[i]);
            continue;
        }
        const int fd = detail::FileDescriptor(files[i]);
        if (fd < 0 || ::fsync(fd) != 0) {
            detail::SetErrno(fd < 0 ? EBADF : errno);
            detail::CloseQuietly(files[i]);
            failing = i;
        } else if (_lclose(files[i]) != 0) {
            failing = i;
        }
    }
    std::vector<Replaced> done;
    for (std::size_t i = 0; i < count && failing == count; ++i) {
        Replaced r{news[i].target, {}, false};
        if (!KeepOld(r)) {
            failing = i;
            break;
        }
        const bool injected = detail::TakeInjectedRenameFailure();
        if (injected || ::rename(news[i].temporary.c_str(), r.target.c_str()) != 0) {
            if (!injected) detail::SetErrno(errno);
            failing = i;
            PutBack(r, false);
            break;
        }
        done.push_back(r);
    }
    if (failing < count) {
        // Putting back leaves the cause the last error.
        for (std::size_t i = failing; i < count; ++i) ::unlink(news[i].temporary.c_str());
        for (auto it = done.rbegin(); it != done.rend(); ++it) PutBack(*it, true);
        if (failed != nullptr) *failed = failing;
        return FALSE;
    }
    for (const Replaced& r : done)
        if (!r.kept.empty()) ::unlink(r.kept.c_str());
    return TRUE;
}

void AbandonReplacement(HFILE file) {
    auto it = detail::Replacements().find(file);
    if (it == detail::Replacements().end()) return;
    const std::string temporary = it->second.temporary;
    detail::Replacements().erase(it);
    detail::CloseQuietly(file);  // the error being reported stays the last one
    ::unlink(temporary.c_str());
}

namespace {

// Writes the whole of `bytes` into the new file and commits it.
BOOL WriteAndCommit(HFILE file, const void* bytes, std::size_t count) {
    const auto* p = static_cast<const char*>(bytes);
    while (count > 0) {
        const UINT part = count > 0x40000000u ? 0x40000000u : static_cast<UINT>(count);
        if (_lwrite(file, p, part) != part) {
            AbandonReplacement(file);
            return FALSE;
        }
        p += part;
        count -= part;
    }
    return CommitReplacement(file);
}

}  // namespace

BOOL ReplaceFileContents(const char* path, const void* bytes, std::size_t count, int attribute) {
    const HFILE file = OpenReplacement(path, attribute);
    if (file == HFILE_ERROR) return FALSE;
    return WriteAndCommit(file, bytes, count);
}

BOOL ReplaceLinuxFileContents(const std::string& linuxPath, const void* bytes, std::size_t count) {
    if (linuxPath.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    const HFILE file = OpenReplacementLinux(linuxPath);
    if (file == HFILE_ERROR) return FALSE;
    return WriteAndCommit(file, bytes, count);
}

bool CanReplaceFile(const char* path) {
    const HFILE file = OpenReplacement(path);
    if (file == HFILE_ERROR) return false;
    AbandonReplacement(file);
    return true;
}

std::string FailedWriteText(const char* doing, const char* path) {
    return FailedWriteText(doing, path, true);
}

namespace {

std::string FailedText(const char* doing, const std::string& shownPath,
                       const std::string& linuxPath, bool existedBefore) {
    struct stat st;
    const bool aFile = existedBefore && ::stat(linuxPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    return std::string(doing) + " " + shownPath + " failed: " + GetLastErrorText() + ". " +
           (aFile ? "The file that was there is unchanged." : "No file was written.");
}

}  // namespace

std::string FailedWriteText(const char* doing, const char* path, bool existedBefore) {
    return FailedText(doing, path, MapPath(path), existedBefore);
}

std::string FailedLinuxWriteText(const char* doing, const std::string& linuxPath) {
    return FailedText(doing, linuxPath, linuxPath, true);
}

}  // namespace win
