// Definitions of the display settings.
#include "shell/mainwindow/display_settings_records.h"

namespace {
DisplaySettings StartDisplaySettings() {
    DisplaySettings s{};
    s.linesPerScreen = 50.0;
    return s;
}
}  // namespace

DisplaySettings displaySettings = StartDisplaySettings();
int16_t configVersion;

void ResetDisplaySettingsRecords() {
    displaySettings = StartDisplaySettings();
    configVersion = 0;
}
