#include "shell/preferences/preferences_records.h"

PrintoutSizeState printoutSizeState;

void ResetPreferencesRecords() {
    printoutSizeState = PrintoutSizeState{};
}
