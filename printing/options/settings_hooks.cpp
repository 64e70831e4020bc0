// The settings writers the print option dialogs call.
#include "printing/options/settings_hooks.h"

namespace {

void NoUnitsFile() {}
bool NoDisplayConfigFile() {
    return true;
}

PrintSettingsHooks& Hooks() {
    static PrintSettingsHooks hooks{NoUnitsFile, NoDisplayConfigFile};
    return hooks;
}

}  // namespace

void InstallPrintSettingsHooks(const PrintSettingsHooks& hooks) {
    if (hooks.saveUnitsFile != nullptr) Hooks().saveUnitsFile = hooks.saveUnitsFile;
    if (hooks.writeDisplayConfigFile != nullptr)
        Hooks().writeDisplayConfigFile = hooks.writeDisplayConfigFile;
}

void ResetPrintSettingsHooks() {
    Hooks() = PrintSettingsHooks{NoUnitsFile, NoDisplayConfigFile};
}

void SaveUnitsFileHook() {
    Hooks().saveUnitsFile();
}

bool WriteDisplayConfigFileHook() {
    return Hooks().writeDisplayConfigFile();
}
