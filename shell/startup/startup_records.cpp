// Definitions of the state the start-up leaves for the run.
#include "shell/startup/startup_records.h"

#include "shell/startup/fresh_workspace.h"

ClipboardFormats clipboardFormats;
ScreenFonts screenFonts;
win::RECT desktopRect;
win::HFILE dataFiles[2];
uint16_t graphCodeList[kGraphCodeListLength];
uint16_t graphCodeListCopy[kGraphCodeListLength];

void ResetStartupRecords() {
    clipboardFormats = ClipboardFormats{};
    screenFonts = ScreenFonts{};
    desktopRect = win::RECT{};
    dataFiles[0] = dataFiles[1] = win::HFILE_ERROR;
    for (int i = 0; i < kGraphCodeListLength; ++i) graphCodeList[i] = graphCodeListCopy[i] = 0;
    ResetFreshWorkspace();
}
