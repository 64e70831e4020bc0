// The settings writers the print option dialogs call.
#include "printing/options/settings_hooks.h"

namespace {

void NoUnitsFile() {}
bool NoDisplayConfigFile() {
    return true;
}
std::string NoFailureText() {
    return "Error: Cannot open file";
}

PrintSettingsHooks& Hooks() {
    static PrintSettingsHooks hooks{NoUnitsFile, NoDisplayConfigFile, NoFailureText};
    return hooks;
}

}  // namespace

void InstallPrintSettingsHooks(const PrintSettingsHooks& hooks) {
    if (hooks.saveUnitsFile != nullptr) Hooks().saveUnitsFile = hooks.saveUnitsFile;
    if (hooks.writeDisplayConfigFile != nullptr)
        Hooks().writeDisplayConfigFile = hooks.writeDisplayConfigFile;
    if (hooks.displayConfigFailedText != nullptr)
        Hooks().displayConfigFailedText = hooks.displayConfigFailedText;
}

void ResetPrintSettingsHooks() {
    Hooks() = PrintSettingsHooks{NoUnitsFile, NoDisplayConfigFile, NoFailureText};
}

void SaveUnitsFileHook() {
    Hooks().saveUnitsFile();
}

bool WriteDisplayConfigFileHook() {
    return Hooks().writeDisplayConfigFile();
}

std::string DisplayConfigFailedTextHook() {
    return Hooks().displayConfigFailedText();
}
