// Mapping program paths (Windows-style) to Linux paths under a root folder,
// and the program's current folder.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <vector>

#include "platform/files/file_io.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

struct PathState {
    std::string root;     // Linux folder, no trailing slash (except "/")
    std::string current;  // Linux folder under the root
};

std::string StartFolder() {
    char buf[4096];
    if (getcwd(buf, sizeof buf) == nullptr) return "/";
    return buf;
}

PathState& Paths() {
    static PathState state{StartFolder(), StartFolder()};
    return state;
}

std::string Join(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// The entry of `dir` matching `name` without regard to case; `name` itself
// when nothing matches.
std::string ResolveComponent(const std::string& dir, const std::string& name) {
    if (Exists(Join(dir, name))) return name;
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr) return name;
    std::string found = name;
    while (dirent* e = ::readdir(d)) {
        if (EqualsNoCase(e->d_name, name)) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::string piece;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!piece.empty()) parts.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty()) parts.push_back(piece);
    return parts;
}

}  // namespace

void ResetPaths() {
    std::string start = StartFolder();
    Paths() = PathState{start, start};
}

}  // namespace detail

void SetPathRoot(const std::string& linuxFolder) {
    std::string root = linuxFolder;
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    detail::Paths() = detail::PathState{root, root};
}

std::string PathRoot() {
    return detail::Paths().root;
}

std::string MapPath(const std::string& programPath) {
    const auto& paths = detail::Paths();
    std::string p = programPath;
    if (p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':')
        p = p.substr(2);
    bool fromRoot = !p.empty() && (p[0] == '\\' || p[0] == '/');
    std::string out = fromRoot ? paths.root : paths.current;
    for (const std::string& part : detail::Components(p)) {
        if (part == ".") continue;
        if (part == "..") {
            // Never above the root.
            if (out.size() > paths.root.size()) out = out.substr(0, out.rfind('/'));
            if (out.size() < paths.root.size()) out = paths.root;
            continue;
        }
        out = detail::Join(out, detail::ResolveComponent(out, part));
    }
    return out;
}

DWORD GetCurrentDirectory(DWORD size, char* buffer) {
    const auto& paths = detail::Paths();
    std::string rel = paths.current.substr(std::min(paths.root.size(), paths.current.size()));
    std::string shown = "C:";
    for (char c : rel) shown += c == '/' ? '\\' : c;
    if (shown == "C:") shown = "C:\\";
    if (buffer == nullptr || size <= shown.size()) return static_cast<DWORD>(shown.size() + 1);
    std::memcpy(buffer, shown.c_str(), shown.size() + 1);
    return static_cast<DWORD>(shown.size());
}

BOOL SetCurrentDirectory(const char* path) {
    if (path == nullptr) return FALSE;
    std::string target = MapPath(path);
    struct stat st;
    if (::stat(target.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    detail::Paths().current = target;
    return TRUE;
}

}  // namespace win
