// Definitions of the main window's own state.
#include "shell/mainwindow/main_window_records.h"

MainWindowExtras mainWindowExtras;
float sharedPageScale;

void ResetMainWindowRecords() {
    mainWindowExtras = MainWindowExtras{};
    sharedPageScale = 0.0f;
}
