// State of the main window that its procedure keeps between messages: the
// monitor geometry, where result pages go, the background picture and the
// file-dialog filters prepared at creation.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Where the result pages are placed, recomputed at the start of every message
// of the main window from the system metrics and the monitor.
struct PagePlacement {
    int pageStepY;    // caption + 3 + 2 borders + dialog frame + menu bar
    int pageFrameX;   // 2 borders + dialog frame
    int pageOriginX;  // first page's left edge
    int pageOriginY;  // first page's top edge
    int pageStepX;    // cascade step to the right
    int pageHeight;   // work area height less four steps and 3 pixels
    int pageWidth;    // 80 average characters of the page font
};

// The file-dialog filters: each a list of NUL-separated pairs ended by an empty
// string, as the file dialogs read them.
constexpr int kFileFilterCount = 12;
constexpr int kFileFilterChars = 160;
namespace FileFilter {
enum : int {
    kRichText = 0,
    kChemistry = 1,
    kQuotedText = 2,
    kWorkFile = 3,
    kPictures = 4,
    kInhibitor = 5,
    kRawData = 6,
    kBmp = 7,
    kPcx = 8,
    kPng = 9,
    kTif = 10,
    kGif = 11,
};
}

struct MainWindowExtras {
    win::RECT monitorRect;           // rcMonitor of the primary monitor
    win::RECT workRect;              // rcWork of the primary monitor
    win::HBITMAP backgroundPicture;  // the picture while a paint draws it; released after
    int backgroundPictureId;         // the resource id the last paint chose
    // The chosen picture stretched over the client area, kept for the next
    // paint of the same picture and size; freed with the window.
    win::HBITMAP fittedBackground;
    int fittedPictureId;
    int fittedWidth;
    int fittedHeight;
    char openDialogTitle[32];
    char fileFilters[kFileFilterCount][kFileFilterChars];
    int fileFilterLengths[kFileFilterCount];
    PagePlacement placement;
    // Where the last printed document went, shown on the caption line; empty
    // until something was printed.
    char printStatus[512];
};
extern MainWindowExtras mainWindowExtras;

// Pounds per 1000 barrels in one mg/L (0.34845498), the factor of every
// precipitation amount shown in lbs/1000 barrels; set when the main window is
// created.
extern float precipitationFactor;

void ResetMainWindowRecords();
