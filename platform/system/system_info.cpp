// System services: desktop geometry and metrics, monitor work area, clocks,
// version, the profile, string resources, process start and the help call.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <map>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/drivers/driver.h"
#include "platform/dialogs/message_box.h"
#include "platform/system/command_line_words.h"
#include "platform/system/shell_execute.h"
#include "platform/system/system.h"
#include "platform/window/window_internal.h"

extern char** environ;

namespace win {
namespace detail {
namespace {

struct SystemState {
    int desktopWidth = 1280;
    int desktopHeight = 1024;
    RECT workArea{0, 0, 1280, 1024 - kTaskBarHeight};
    std::function<SYSTEMTIME()> localTime;
    std::function<DWORD()> tickCount;
    std::function<bool(const std::string&)> launcher;
    std::map<std::string, std::string> profile;  // "SECTION\nKEY" -> value
    std::uintptr_t nextProcessHandle = 0x7E000000;
};

SystemState& System() {
    static SystemState state;
    return state;
}

std::map<UINT, std::string>& StringTable() {
    static std::map<UINT, std::string> table;
    return table;
}

const auto kStart = std::chrono::steady_clock::now();

std::string ProfileKey(const char* section, const char* key) {
    return UpperAscii(section ? section : "") + "\n" + UpperAscii(key ? key : "");
}

}  // namespace

void ResetSystem() {
    System() = SystemState{};
    ResetShellOpens();
}

bool IsProcessHandle(void* handle) {
    auto v = reinterpret_cast<std::uintptr_t>(handle);
    return v >= 0x7E000000 && v < System().nextProcessHandle;
}

}  // namespace detail

void SetDesktopSize(int width, int height) {
    auto& s = detail::System();
    s.desktopWidth = width > 0 ? width : 1;
    s.desktopHeight = height > 0 ? height : 1;
    s.workArea = RECT{0, 0, s.desktopWidth, std::max(1, s.desktopHeight - kTaskBarHeight)};
}

void SetWorkArea(const RECT& area) {
    detail::System().workArea = area;
}

int GetSystemMetrics(int index) {
    const auto& s = detail::System();
    switch (index) {
        case SM_CXSCREEN:
            return s.desktopWidth;
        case SM_CYSCREEN:
            return s.desktopHeight;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL:
        case SM_CYVTHUMB:
        case SM_CXHTHUMB:
            return 16;
        case SM_CYCAPTION:
            return 19;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return 3;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return 4;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR:
            return 32;
        case SM_CYMENU:
            return 19;
        case SM_CXFULLSCREEN:
            return s.workArea.right - s.workArea.left;
        case SM_CYFULLSCREEN:
            return s.workArea.bottom - s.workArea.top - 19;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
            return 4;
        case SM_CXMAXIMIZED:
            return s.workArea.right - s.workArea.left + 8;
        case SM_CYMAXIMIZED:
            return s.workArea.bottom - s.workArea.top + 8;
        default:
            return 0;
    }
}

DWORD GetSysColor(int index) {
    switch (index) {
        case COLOR_WINDOW:
            return RGB(255, 255, 255);
        case COLOR_WINDOWTEXT:
        case COLOR_BTNTEXT:
            return RGB(0, 0, 0);
        case COLOR_BTNFACE:
        case COLOR_SCROLLBAR:
            return RGB(212, 208, 200);
        case COLOR_BTNSHADOW:
        case COLOR_GRAYTEXT:
            return RGB(128, 128, 128);
        case COLOR_BTNHIGHLIGHT:
        case COLOR_HIGHLIGHTTEXT:
            return RGB(255, 255, 255);
        case COLOR_HIGHLIGHT:
            return RGB(10, 36, 106);
        case COLOR_BACKGROUND:
            return RGB(58, 110, 165);
        default:
            return RGB(192, 192, 192);
    }
}

// One monitor: its handle is a fixed non-null tag.
HMONITOR MonitorFromWindow(HWND, DWORD) {
    return detail::HandleFromSerial<HMONITOR>(0x4D4F4E31);
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    if (info == nullptr || monitor != MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY))
        return FALSE;
    const auto& s = detail::System();
    info->rcMonitor = RECT{0, 0, s.desktopWidth, s.desktopHeight};
    info->rcWork = s.workArea;
    info->dwFlags = MONITORINFOF_PRIMARY;
    return TRUE;
}

void GetLocalTime(SYSTEMTIME* out) {
    if (out == nullptr) return;
    if (detail::System().localTime) {
        *out = detail::System().localTime();
        return;
    }
    auto now = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
    out->wYear = static_cast<WORD>(tm.tm_year + 1900);
    out->wMonth = static_cast<WORD>(tm.tm_mon + 1);
    out->wDayOfWeek = static_cast<WORD>(tm.tm_wday);
    out->wDay = static_cast<WORD>(tm.tm_mday);
    out->wHour = static_cast<WORD>(tm.tm_hour);
    out->wMinute = static_cast<WORD>(tm.tm_min);
    out->wSecond = static_cast<WORD>(tm.tm_sec);
    out->wMilliseconds = static_cast<WORD>(ms.count());
}

DWORD GetTickCount() {
    if (detail::System().tickCount) return detail::System().tickCount();
    auto elapsed = std::chrono::steady_clock::now() - detail::kStart;
    return static_cast<DWORD>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void Sleep(DWORD milliseconds) {
    if (detail::System().tickCount) return;  // test clocks do not wait
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SetLocalTimeSource(std::function<SYSTEMTIME()> source) {
    detail::System().localTime = std::move(source);
}
void SetTickCountSource(std::function<DWORD()> source) {
    detail::System().tickCount = std::move(source);
}

DWORD GetVersion() {
    return 0x00010106;
}  // version 6.1, build 1

HINSTANCE GetModuleHandle(const char*) {
    return detail::HandleFromSerial<HINSTANCE>(0x00400000);
}

DWORD GetProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                       DWORD size) {
    if (buffer == nullptr || size == 0) return 0;
    const auto& profile = detail::System().profile;
    auto it = profile.find(detail::ProfileKey(section, key));
    std::string value = it != profile.end() ? it->second : (defaultValue ? defaultValue : "");
    DWORD n = std::min<DWORD>(static_cast<DWORD>(value.size()), size - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return n;
}

BOOL WriteProfileString(const char* section, const char* key, const char* value) {
    if (section == nullptr || key == nullptr) return FALSE;
    auto& profile = detail::System().profile;
    if (value == nullptr)
        profile.erase(detail::ProfileKey(section, key));
    else
        profile[detail::ProfileKey(section, key)] = value;
    return TRUE;
}

void SetResourceString(UINT id, const char* text) {
    detail::StringTable()[id] = text ? text : "";
}
void ClearResourceStrings() {
    detail::StringTable().clear();
}

int LoadString(HINSTANCE, UINT id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    auto it = detail::StringTable().find(id);
    if (it == detail::StringTable().end()) {
        buffer[0] = '\0';
        return 0;
    }
    int n = std::min(static_cast<int>(it->second.size()), size - 1);
    std::memcpy(buffer, it->second.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

bool SpawnProgram(const std::string& commandLine) {
    // The words as the started program would read them back: a quoted word
    // keeps its blanks and quotes (no shell sees the line).
    std::vector<std::string> words = CommandLineWords(commandLine);
    if (words.empty()) return false;
    std::vector<std::string> candidates{words[0]};
    if (words[0].size() > 4 && detail::EqualsNoCase(words[0].substr(words[0].size() - 4), ".exe"))
        candidates.push_back(words[0].substr(0, words[0].size() - 4));
    for (const std::string& program : candidates) {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (std::size_t i = 1; i < words.size(); ++i) argv.push_back(words[i].data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) == 0) {
            return true;
        }
    }
    return false;
}

std::string ProgramFileFolder() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    const std::string file(path, static_cast<std::size_t>(n));
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? std::string("/") : file.substr(0, slash);
}

void SetProcessLauncher(std::function<bool(const std::string&)> launcher) {
    detail::System().launcher = std::move(launcher);
}

BOOL CreateProcess(const char* applicationName, char* commandLine, void*, void*, BOOL, DWORD, void*,
                   const char*, STARTUPINFO*, PROCESS_INFORMATION* processInfo) {
    std::string line = commandLine ? commandLine : (applicationName ? applicationName : "");
    auto& s = detail::System();
    bool started = s.launcher                      ? s.launcher(line)
                   : CurrentDriver().Interactive() ? SpawnProgram(line)
                                                   : false;
    if (!started) return FALSE;
    if (processInfo != nullptr) {
        processInfo->hProcess = reinterpret_cast<HANDLE>(s.nextProcessHandle++);
        processInfo->hThread = reinterpret_cast<HANDLE>(s.nextProcessHandle++);
        processInfo->dwProcessId = static_cast<DWORD>(s.nextProcessHandle);
        processInfo->dwThreadId = static_cast<DWORD>(s.nextProcessHandle);
    }
    return TRUE;
}

BOOL WinHelp(HWND hwnd, const char*, UINT command, std::uintptr_t) {
    if (command == HELP_QUIT) return TRUE;
    (void)MessageBox(hwnd, kHelpUnavailableText, "Help", MB_OK | MB_ICONINFORMATION);
    return FALSE;
}

}  // namespace win
