// Definitions of the main window's own state.
#include "shell/mainwindow/main_window_records.h"

MainWindowExtras mainWindowExtras;
float precipitationFactor;

void ResetMainWindowRecords() {
    mainWindowExtras = MainWindowExtras{};
    precipitationFactor = 0.0f;
}
