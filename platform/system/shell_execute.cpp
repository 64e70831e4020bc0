// Opening a document with its associated program.
#include "platform/system/shell_execute.h"

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

#include "platform/drivers/driver.h"
#include "platform/files/file_io.h"

namespace win {

namespace {

struct ShellOpens {
    std::vector<std::string> log;
    int failuresLeft = 0;
};

ShellOpens& Opens() {
    static ShellOpens opens;
    return opens;
}

HINSTANCE Result(int code) {
    return reinterpret_cast<HINSTANCE>(static_cast<std::intptr_t>(code));
}

// xdg-open in a process of its own session, so that it outlives nothing of
// ours and leaves no child to wait for. False when no process could start.
bool StartXdgOpen(const std::string& linuxPath) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            execlp("xdg-open", "xdg-open", linuxPath.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

constexpr int kOpened = 42;

}  // namespace

HINSTANCE ShellExecuteA(HWND, const char* verb, const char* file, const char*, const char*, int) {
    ShellOpens& s = Opens();
    if (verb == nullptr || std::strcmp(verb, "open") != 0 || file == nullptr)
        return Result(SE_ERR_NOASSOC);
    if (s.failuresLeft > 0) {
        --s.failuresLeft;
        return Result(SE_ERR_NOASSOC);
    }
    if (CurrentDriver().Interactive() && !StartXdgOpen(MapPath(file)))
        return Result(SE_ERR_NOASSOC);
    s.log.push_back(file);
    return Result(kOpened);
}

const std::vector<std::string>& ShellOpenLog() {
    return Opens().log;
}

void FailNextShellOpens(int count) {
    Opens().failuresLeft = count;
}

namespace detail {
void ResetShellOpens() {
    Opens() = ShellOpens{};
}
}  // namespace detail

}  // namespace win
