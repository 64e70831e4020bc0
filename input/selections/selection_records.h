// The copy of its word list each selection dialog takes when it opens, so
// that Cancel can put the list back as it was.
#pragma once

#include <cstdint>

#include "shell/mainwindow/display_settings_records.h"

struct SelectionDialogCopies {
    uint32_t surfaceWindows[kWindowSwitchCount];
    uint32_t mixedWindows[kWindowSwitchCount];
    uint32_t chemistryItems[kReportItemSwitchCount];
    uint32_t indicatorItems[kReportItemSwitchCount];
};
extern SelectionDialogCopies selectionDialogCopies;

void ResetSelectionRecords();
