// Definitions of the state the start-up leaves for the run.
#include "shell/startup/startup_records.h"

ClipboardFormats clipboardFormats;
ScreenFonts screenFonts;
win::RECT desktopRect;
win::HFILE dataFiles[2];
uint16_t graphCodeList[kGraphCodeListLength];
uint16_t graphCodeListCopy[kGraphCodeListLength];
FreshWorkspaceKept freshWorkspaceKept;

void ResetStartupRecords() {
    clipboardFormats = ClipboardFormats{};
    screenFonts = ScreenFonts{};
    desktopRect = win::RECT{};
    dataFiles[0] = dataFiles[1] = win::HFILE_ERROR;
    for (int i = 0; i < kGraphCodeListLength; ++i) graphCodeList[i] = graphCodeListCopy[i] = 0;
    freshWorkspaceKept.image.clear();
    freshWorkspaceKept.beside.clear();
}
