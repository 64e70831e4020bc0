// The shared print job and the 80-column character grid of printed reports and
// result pages.
#pragma once

#include <cstdint>

#include "platform/dialogs/common_dialogs.h"

struct PrintJobState {
    uint32_t documentOpen;
    uint16_t singlePageJob;  // 1 for PRINT of one page, 0 for PRINT ALL WINDOWS
    uint16_t aborted;
    win::PrintDialogRecord printDialog;  // with the chosen printer's device context
    uint32_t printMode;                  // 0 direct, 1 indirect printing
};
extern PrintJobState printJobState;

struct ReportPageGrid {
    int32_t columnsPerLine;
    int32_t charWidth;
    int32_t textWidth;
    int32_t marginX;     // left margin, pixels
    int32_t lineHeight;  // line pitch of the page font, pixels
    int32_t lineY;       // current line position
    int32_t lineCount;
};
extern ReportPageGrid reportPageGrid;

// The left margin of printed pages; cleared when the main window is created.
extern uint32_t printedPageMargin;

void ResetPrintJobRecords();
