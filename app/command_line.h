// The tarvex command line: --headless, --desktop WxH, --script FILE, --log FILE.
#pragma once

#include <string>
#include <vector>

struct ProgramOptions {
    bool headless = false;
    int desktopWidth = 0;  // 0: the platform's default desktop
    int desktopHeight = 0;
    std::string scriptPath;
    std::string logPath;
};

// False with `error` set for an unknown option, a missing value or a desktop
// size that is not two positive numbers.
[[nodiscard]] bool ParseCommandLine(const std::vector<std::string>& args, ProgramOptions& options,
                                    std::string& error);

inline constexpr const char* kUsage =
    "usage: tarvex [--headless] [--desktop WxH] [--script FILE] [--log FILE]";
