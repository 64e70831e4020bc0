// The shared print job and the 80-column character grid of printed reports and
// result pages.
#pragma once

#include <cstdint>

#include "platform/dialogs/common_dialogs.h"
#include "platform/gdi/gdi_types.h"

// The printer's page in device pixels, read with GetDeviceCaps. The usable
// size takes the offsets off HORZRES and VERTRES once more.
struct PrintPageMetrics {
    int32_t physicalWidth;   // PHYSICALWIDTH
    int32_t physicalHeight;  // PHYSICALHEIGHT
    int32_t offsetX;         // PHYSICALOFFSETX
    int32_t offsetY;         // PHYSICALOFFSETY
    int32_t horzRes;         // HORZRES
    int32_t vertRes;         // VERTRES
    int32_t usableWidth;     // horzRes - 2 x offsetX
    int32_t usableHeight;    // vertRes - 2 x offsetY
};

// How a printing routine treats the document (singlePageJob).
namespace JobPart {
enum : uint32_t {
    kFirstOrMiddle = 0,  // open the document if none is open; never end it
    kWholeJob = 1,       // a job of its own: begin, print, end
    kLast = 2,           // print into the open document, then end it
};
}

// Top-level windows a job may disable at once (one per window class at most).
constexpr int kJobWindowSlots = 64;

struct PrintJobState {
    uint32_t documentOpen;   // 1 while a printer document is open
    uint32_t singlePageJob;  // JobPart
    uint32_t printAborted;   // the job was cancelled or failed to start
    // Kept for the whole run, so each print dialog opens on the last choice.
    win::PrintDialogRecord printDialog;
    win::HDC printerDC;  // the DC every page is drawn on, from a good BeginPrintJob to EndPrintJob
    uint32_t printDialogReady;  // the record was cleared and shown once
    uint32_t savedFlags;        // the record's Flags around a dialog call
    win::HGLOBAL savedDevMode;  // copies of the last good dialog's device mode and names
    win::HGLOBAL savedDevNames;
    win::HWND cancelDialog;  // dialog 38 while it exists
    win::DOCINFOA docInfo;   // document name of StartDocA; no output file
    PrintPageMetrics pageMetrics;
    uint32_t printMode;  // 0 print graphs directly, 1 indirectly
    // A failed printer call of this job has been reported (one message per job).
    uint32_t failureShown;
    // The windows StartPrintAbort disabled, enabled again when the job ends or
    // is cancelled; the cancel dialog is the only window left to the user.
    win::HWND disabledWindows[kJobWindowSlots];
    int32_t disabledCount;
};
extern PrintJobState printJobState;

struct ReportPageGrid {
    int32_t columnsPerLine;  // 80 after every page set-up
    int32_t charWidth;       // textWidth / 80
    int32_t textWidth;       // width of 80 underscores in the bold report font
    int32_t marginX;         // x of column 0
    int32_t lineHeight;      // advance of one line, pixels
    int32_t lineY;           // y of the current line, 0 at the top of each page
    int32_t lineCount;       // lines used on the current page
};
extern ReportPageGrid reportPageGrid;

// The left margin of printed pages; cleared when the main window is created.
extern uint32_t printedPageMargin;

void ResetPrintJobRecords();
