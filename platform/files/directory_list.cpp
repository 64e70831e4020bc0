// Directory listings by a case-insensitive wildcard pattern, and their use in
// list boxes (LB_DIR, DlgDirList).
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/controls/controls.h"
#include "platform/dialogs/dialog.h"
#include "platform/files/file_io.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace {

bool HasWildcard(const std::string& s) {
    return s.find_first_of("*?") != std::string::npos;
}

// Splits "a\b\*.krv" into the folder "a\b" (empty: current) and the pattern.
void SplitPattern(const std::string& wildcardPath, std::string* folder, std::string* pattern) {
    std::size_t cut = wildcardPath.find_last_of("\\/");
    if (cut == std::string::npos) {
        *folder = (wildcardPath.size() >= 2 && wildcardPath[1] == ':') ? wildcardPath.substr(0, 2) : "";
        *pattern = (wildcardPath.size() >= 2 && wildcardPath[1] == ':') ? wildcardPath.substr(2) : wildcardPath;
    } else {
        *folder = wildcardPath.substr(0, cut + 1);
        *pattern = wildcardPath.substr(cut + 1);
    }
}

bool MatchFrom(const char* n, const char* p) {
    for (; *p != '\0'; ++p, ++n) {
        if (*p == '*') {
            while (*(p + 1) == '*') ++p;
            for (const char* rest = n;; ++rest) {
                if (MatchFrom(rest, p + 1)) return true;
                if (*rest == '\0') return false;
            }
        }
        if (*n == '\0') return false;
        if (*p != '?' && std::toupper(static_cast<unsigned char>(*p)) !=
                             std::toupper(static_cast<unsigned char>(*n)))
            return false;
    }
    return *n == '\0';
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    // "*.*" takes names without a dot too, as the classic listings do.
    if (pattern == "*.*" || pattern == "*") return true;
    if (MatchFrom(name.c_str(), pattern.c_str())) return true;
    // "name." also matches a name without an extension.
    if (!pattern.empty() && pattern.back() == '.' && name.find('.') == std::string::npos)
        return MatchFrom(name.c_str(), pattern.substr(0, pattern.size() - 1).c_str());
    return false;
}

bool ListDirectory(const std::string& programPattern, std::vector<DirectoryEntry>* entries) {
    if (entries == nullptr) return false;
    entries->clear();
    std::string folder;
    std::string pattern;
    SplitPattern(programPattern, &folder, &pattern);
    if (pattern.empty()) pattern = "*.*";
    std::string linuxFolder = MapPath(folder.empty() ? "." : folder);
    DIR* d = ::opendir(linuxFolder.c_str());
    if (d == nullptr) return false;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (!MatchesPattern(name, pattern)) continue;
        struct stat st;
        std::string full = linuxFolder + "/" + name;
        if (::stat(full.c_str(), &st) != 0) continue;
        entries->push_back(
            DirectoryEntry{name, S_ISDIR(st.st_mode), static_cast<std::uint64_t>(st.st_size)});
    }
    ::closedir(d);
    std::sort(entries->begin(), entries->end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) {
                  return detail::UpperAscii(a.name) < detail::UpperAscii(b.name);
              });
    return true;
}

namespace detail {

bool ListMatchingNames(const char* pattern, UINT attributes, std::vector<std::string>* names) {
    std::string wildcardPath = pattern ? pattern : "*.*";
    std::vector<DirectoryEntry> entries;
    if (!ListDirectory(wildcardPath, &entries)) return false;
    std::string folder;
    std::string ignored;
    SplitPattern(wildcardPath, &folder, &ignored);
    bool exclusive = (attributes & DDL_EXCLUSIVE) != 0;
    for (const DirectoryEntry& e : entries) {
        if (e.isDirectory) {
            if (attributes & DDL_DIRECTORY) names->push_back("[" + e.name + "]");
            continue;
        }
        DWORD attrs = GetFileAttributes((folder + e.name).c_str());
        bool readOnly = (attrs & FILE_ATTRIBUTE_READONLY) != 0;
        bool hidden = (attrs & FILE_ATTRIBUTE_HIDDEN) != 0;
        bool plain = !readOnly && !hidden;
        bool special =
            (readOnly && (attributes & DDL_READONLY)) || (hidden && (attributes & DDL_HIDDEN));
        bool wanted = exclusive ? special : (plain || special);
        if (wanted) names->push_back(e.name);
    }
    if (attributes & DDL_DRIVES) names->push_back("[-c-]");
    return true;
}

}  // namespace detail

int DlgDirList(HWND dialog, char* pathPattern, int listBoxId, int staticPathId, UINT fileType) {
    if (pathPattern == nullptr) return FALSE;
    std::string wildcardPath = pathPattern;
    std::string folder;
    std::string pattern;
    // A path naming an existing folder lists everything in it.
    DWORD attrs = wildcardPath.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributes(wildcardPath.c_str());
    if (!HasWildcard(wildcardPath) && attrs != INVALID_FILE_ATTRIBUTES &&
        (attrs & FILE_ATTRIBUTE_DIRECTORY)) {
        folder = wildcardPath;
        pattern = "*.*";
    } else {
        SplitPattern(wildcardPath, &folder, &pattern);
        if (pattern.empty()) pattern = "*.*";
    }
    if (!folder.empty() && !SetCurrentDirectory(folder.c_str())) return FALSE;
    std::memcpy(pathPattern, pattern.c_str(), pattern.size() + 1);
    if (listBoxId != 0) {
        HWND list = GetDlgItem(dialog, listBoxId);
        if (list == nullptr) return FALSE;
        SendMessage(list, LB_RESETCONTENT, 0, 0);
        SendMessage(list, LB_DIR, fileType, reinterpret_cast<LPARAM>(pattern.c_str()));
    }
    if (staticPathId != 0) {
        char current[MAX_PATH];
        GetCurrentDirectory(sizeof current, current);
        SetDlgItemText(dialog, staticPathId, current);
    }
    return TRUE;
}

BOOL DlgDirSelectEx(HWND dialog, char* out, int size, int listBoxId) {
    HWND list = GetDlgItem(dialog, listBoxId);
    if (list == nullptr || out == nullptr || size <= 0) return FALSE;
    LRESULT sel = SendMessage(list, LB_GETCURSEL, 0, 0);
    if (sel == LB_ERR) return FALSE;
    std::string text(static_cast<std::size_t>(SendMessage(list, LB_GETTEXTLEN, sel, 0)) + 1, '\0');
    SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    bool isFolder = text.size() >= 2 && text.front() == '[' && text.back() == ']';
    if (isFolder) text = text.substr(1, text.size() - 2) + "\\";
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return isFolder ? TRUE : FALSE;
}

}  // namespace win
