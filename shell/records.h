// The application shell's state that other subsystems read: the main window and
// progress window, which stored water is current, the data-changed flag, the
// work-file and install paths, the report date, and the shared outcome of the
// input dialogs.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Version word of the work files and the display configuration file written now.
constexpr int16_t kDataVersion = 557;

// Which stored water a full calculation works on (MainWindowState::currentWater).
namespace WaterSelector {
enum : int32_t {
    kSurface = 0,
    kInjection = 1,
    kFormation = 2,
    kMixed = 3,           // the mixed water already in currentAnalysis
    kSurfaceAgain = 4,    // the surface water (also used by Paste)
    kMultiMixSource = 5,  // the multi-mix source water being edited
};
}

constexpr int kPathChars = 256;  // 255 characters and the terminator

// The result page classes, at most one window each: eight with u16 open flags,
// four multi-mix pages and two pressure pages with u32 flags. pageHome keeps
// one home position per class, in the order of the pages' class list
// (pages/frame/page_classes.h).
constexpr int kPageWindowCount = 8;
constexpr int kMixPageWindowCount = 4;
constexpr int kPressurePageWindowCount = 2;
constexpr int kResultPageClassCount =
    kPageWindowCount + kMixPageWindowCount + kPressurePageWindowCount;

struct MainWindowState {
    win::HWND mainWindow;  // owner of the drivers' message boxes and dialogs
    win::HINSTANCE instance;
    win::HINSTANCE prevInstance;  // always none: one instance per process
    win::HMENU mainMenu;
    win::HWND progressWindow;  // the progress window; the handle is kept after it closes
    uint16_t progressShown;    // 1 while the progress window is up
    int32_t currentWater;      // WaterSelector
    uint32_t dataChanged;      // set by settings changes, cleared by New, Save, Save As
    char workFilePath[kPathChars];
    char installDir[kPathChars];   // the folder current at start-up
    int16_t dataVersion;           // kDataVersion, set again at every main-window message
    int16_t currentFormatVersion;  // the version loaded files are compared with (kDataVersion)
    int16_t loadedVersion;         // version word of the last configuration or work file read
    int32_t reportDate;            // today as a packed date, never before 1 January 1990
    int32_t reportTime;            // now as hours x 10000 + minutes x 100 + seconds
    uint32_t windowsVersion;       // the platform version number read at start-up
    uint16_t windowsVersionLow;
    uint16_t windowsVersionHigh;
    // "DisplayMUWater", "DisplayMUValues", "DisplayTempWater", "DisplayTempValues",
    // "DisplaypHWater", "DisplaypHValues", "DisplayCycledWater", "DisplayCycledValues".
    win::HWND pageWindows[kPageWindowCount];
    uint16_t pageOpen[kPageWindowCount];  // 1 while that page exists
    // "DisplayMixedWater", "DisplayMixedValues", "DisplayMixedWaterOut", "DisplayMixedValuesOut".
    win::HWND mixPageWindows[kMixPageWindowCount];
    uint32_t mixPageOpen[kMixPageWindowCount];
    // "DisplayPressWater", "DisplayPressValues".
    win::HWND pressurePageWindows[kPressurePageWindowCount];
    uint32_t pressurePageOpen[kPressurePageWindowCount];
    win::POINT pageHome[kResultPageClassCount];  // where each page is created, screen pixels
    // The one graph-window slot every graph window shares.
    win::HWND graphWindow;
    uint16_t graphWindowOpen;  // 1 while the slot holds an open graph window
};

extern MainWindowState mainWindowState;

// Outcome of the last input dialog: above 0 OK (data stored), -1 Cancel, 0 nothing
// stored. The water form calls the same value dialogResult.
extern int16_t dialogOutcome;
extern int16_t& dialogResult;

// Start-of-run state: everything zero, dataVersion kDataVersion.
void ResetShellRecords();
