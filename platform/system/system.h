// System services: screen and metrics, the monitor work area, the clock, the
// platform version, the profile (default printer entry), string resources,
// starting another program and the help call.
//
// The desktop size, the clock and the tick count are configurable so tests can
// choose a 640 x 480 or a 1920 x 1200 screen and a fixed date.
#pragma once

#include <functional>
#include <string>

#include "platform/window/win_types.h"

namespace win {

// ---- Screen -----------------------------------------------------------------------
// Sets the desktop size (pixels); the work area becomes the desktop less a
// task-bar strip of kTaskBarHeight at the bottom unless set explicitly after.
inline constexpr int kTaskBarHeight = 30;
void SetDesktopSize(int width, int height);
void SetWorkArea(const RECT& area);
[[nodiscard]] int GetSystemMetrics(int index);
[[nodiscard]] DWORD GetSysColor(int index);
// Lines a wheel turn of `delta` scrolls, as desktops do: 3 a notch (120),
// at least one for any turn, positive away from the user; 0 for none.
inline constexpr int kWheelScrollLines = 3;
[[nodiscard]] constexpr int WheelScrollLines(int delta) {
    const int lines = delta * kWheelScrollLines / 120;
    return lines != 0 ? lines : (delta > 0 ? 1 : delta < 0 ? -1 : 0);
}

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0;
inline constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
inline constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
inline constexpr DWORD MONITORINFOF_PRIMARY = 1;
struct MONITORINFO {
    DWORD cbSize = sizeof(MONITORINFO);
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags = 0;
};
[[nodiscard]] HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info);
inline BOOL GetMonitorInfoA(HMONITOR m, MONITORINFO* i) {
    return GetMonitorInfo(m, i);
}

// ---- Clock ------------------------------------------------------------------------
struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};
void GetLocalTime(SYSTEMTIME* time);
// Milliseconds since start-up (wraps after 49.7 days).
[[nodiscard]] DWORD GetTickCount();
void Sleep(DWORD milliseconds);

// Test clocks: a fixed local time, and a tick source (each call of
// GetTickCount asks it). Passing nullptr / an empty function restores the
// real clock.
void SetLocalTimeSource(std::function<SYSTEMTIME()> source);
void SetTickCountSource(std::function<DWORD()> source);

// ---- Platform -------------------------------------------------------------------------
// Low byte major version, next byte minor version, high word build number.
[[nodiscard]] DWORD GetVersion();
[[nodiscard]] HINSTANCE GetModuleHandle(const char* moduleName);

// Profile entries (section, key); the default printer is "windows", "device"
// as "device name,driver,port". Section and key compare case-insensitively.
DWORD GetProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                       DWORD size);
BOOL WriteProfileString(const char* section, const char* key, const char* value);
inline DWORD GetProfileStringA(const char* s, const char* k, const char* d, char* b, DWORD n) {
    return GetProfileString(s, k, d, b, n);
}

// ---- String resources -----------------------------------------------------------------
// The string table is filled by the program's resources at start-up.
void SetResourceString(UINT id, const char* text);
void ClearResourceStrings();
// Copies at most size - 1 characters and a NUL; returns the number copied,
// 0 when the id has no string.
int LoadString(HINSTANCE instance, UINT id, char* buffer, int size);
inline int LoadStringA(HINSTANCE i, UINT id, char* b, int n) {
    return LoadString(i, id, b, n);
}

// ---- Processes --------------------------------------------------------------------------
using HANDLE = void*;
struct STARTUPINFO {
    DWORD cb = 0;
    char reserved[64] = {};
};
struct PROCESS_INFORMATION {
    HANDLE hProcess = nullptr;
    HANDLE hThread = nullptr;
    DWORD dwProcessId = 0;
    DWORD dwThreadId = 0;
};
inline constexpr DWORD NORMAL_PRIORITY_CLASS = 0x20;
// Starts the program named by the first word of the command line (searched on
// PATH; a ".exe" ending is tried with and without). FALSE when it cannot be
// started. Headless runs start nothing (FALSE) unless a launcher is
// installed; with a display the program is spawned.
BOOL CreateProcess(const char* applicationName, char* commandLine, void* processAttributes,
                   void* threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                   void* environment, const char* currentDirectory, STARTUPINFO* startupInfo,
                   PROCESS_INFORMATION* processInfo);
inline BOOL CreateProcessA(const char* a, char* c, void* pa, void* ta, BOOL ih, DWORD f, void* e,
                           const char* d, STARTUPINFO* si, PROCESS_INFORMATION* pi) {
    return CreateProcess(a, c, pa, ta, ih, f, e, d, si, pi);
}
// Launcher used by CreateProcess: gets the command line, returns true when the
// program started.
void SetProcessLauncher(std::function<bool(const std::string& commandLine)> launcher);
// The launcher that really starts programs (posix_spawnp).
[[nodiscard]] bool SpawnProgram(const std::string& commandLine);
BOOL CloseHandle(HANDLE handle);
// The Linux folder that holds the running program's file (no slash at the
// end), empty when the system does not say.
[[nodiscard]] std::string ProgramFileFolder();

// ---- Help ---------------------------------------------------------------------------------
// There is no help engine on this system: the call tells the user so in an
// information box titled "Help" and returns FALSE.
BOOL WinHelp(HWND hwnd, const char* helpFile, UINT command, std::uintptr_t data);
inline BOOL WinHelpA(HWND h, const char* f, UINT c, std::uintptr_t d) {
    return WinHelp(h, f, c, d);
}
inline constexpr const char* kHelpUnavailableText = "Help is not available on this system.";

}  // namespace win
