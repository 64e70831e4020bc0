// The work-file services the menu commands and the exit path call, and the
// commands Open File (1020), Save File (1021) and Save File As (1022).
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The Save As dialog for the work file: 0 when a path was chosen (in
// workFilePath, extension KRV) that can be written; 1 on cancel or when it cannot.
[[nodiscard]] int ShowSaveAsDialog(win::HWND owner);
// Writes the whole workspace to workFilePath: 0 when written, -1 when a write
// failed (the previous file is kept), 1 when the file could not be created.
[[nodiscard]] int SaveWorkFile(win::HWND owner);
// The same save; the option word of record 357 is written as 0 when, read as a
// real, it is not a number. No command uses it.
[[nodiscard]] int SaveWorkFileFull(win::HWND owner);
// The Open File dialog and the load of the chosen work file: 1 on cancel or when
// the file cannot be opened, otherwise LoadWorkFile's result.
[[nodiscard]] int OpenWorkFileDlg(win::HWND owner);

// What the commands call beyond the work file itself. Tests put recorders here.
struct WorkFileCommandServices {
    // The "DATA HAS CHANGED!" offer to save: false when the command must stop
    // (the user wanted the work saved and it was not). Null asks nothing.
    bool (*offerToSave)(win::HWND owner);
    void (*updateMenuTexts)();
    void (*calcWaterAnalysis)(uint16_t mode, win::HWND owner);
    void (*calcMixingProfile)(win::HWND owner);
    void (*recalcMultiMix)();
    void (*calcTempProfile)(win::HWND owner);
    void (*calcpHProfile)(win::HWND owner);
    void (*calcWellLogProfile)(win::HWND owner);  // the one-page summary's 12 stations
};
extern WorkFileCommandServices workFileCommandServices;
// The services of the running program.
void ResetWorkFileCommandServices();

// Save File: writes to workFilePath, first asking for a path while none has been
// chosen; dataChanged is cleared only when the file was written.
void SaveFileCommand(win::HWND mainWindow);
// Save File As: the dialog, then the save; dataChanged cleared only when written.
void SaveFileAsCommand(win::HWND mainWindow);
// Open File: the offer to save changed data, the dialog and the load, then the
// recomputation a file of an older version needs and the menu texts.
void OpenFileCommand(win::HWND mainWindow);

// What's Stored: the work-file browser, then the recomputation an old file's
// waters need and the menu texts.
void WhatsStoredCommand(win::HWND mainWindow);

inline constexpr const char* kUpdatingText =
    "Updating water chemistry calculations to current Tarvex(R) version.";
