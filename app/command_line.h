// The tarvex command line: --headless, --display, --desktop WxH, --script FILE, --log FILE,
// --snap-windows DIR, --text-check FILE.
#pragma once

#include <string>
#include <vector>

struct ProgramOptions {
    bool headless = false;
    bool display = false;  // the X display even with a script
    int desktopWidth = 0;  // 0: the platform's default desktop
    int desktopHeight = 0;
    std::string scriptPath;
    std::string logPath;
    std::string snapFolder;     // each window's picture when it first shows
    std::string textCheckPath;  // texts that overlap or run past a window's edge
};

// False with `error` set for an unknown option, a missing value or a desktop
// size that is not two positive numbers.
[[nodiscard]] bool ParseCommandLine(const std::vector<std::string>& args, ProgramOptions& options,
                                    std::string& error);

inline constexpr const char* kUsage =
    "usage: tarvex [--headless] [--display] [--desktop WxH] [--script FILE] [--log FILE] "
    "[--snap-windows DIR] [--text-check FILE]";
