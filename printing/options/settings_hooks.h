// The settings files the print option dialogs rewrite belong to the shell,
// which installs its writers here at start-up. The defaults write nothing
// (and report success), so the dialogs run without the shell in tests.
#pragma once

#include <string>

struct PrintSettingsHooks {
    // Rewrites the units file (it tells the user itself when it cannot).
    void (*saveUnitsFile)();
    // Rewrites the display configuration file whole; false when that failed
    // (the old file is then as it was).
    bool (*writeDisplayConfigFile)();
    // The message for that failure, asked right after it.
    std::string (*displayConfigFailedText)();
};

// Replaces the hooks; a null member keeps its default.
void InstallPrintSettingsHooks(const PrintSettingsHooks& hooks);
void ResetPrintSettingsHooks();

void SaveUnitsFileHook();
[[nodiscard]] bool WriteDisplayConfigFileHook();
[[nodiscard]] std::string DisplayConfigFailedTextHook();
