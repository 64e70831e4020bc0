// Definitions of the application shell's records that other subsystems read.
#include "shell/records.h"

MainWindowState mainWindowState;
int16_t dialogOutcome;
int16_t& dialogResult = dialogOutcome;

void ResetShellRecords() {
    mainWindowState = MainWindowState{};
    mainWindowState.dataVersion = kDataVersion;
    mainWindowState.currentFormatVersion = kDataVersion;
    dialogOutcome = 0;
}
