// State the start-up leaves for the whole run: the registered clipboard
// formats, the screen fonts, the desktop rectangle, the two data files held
// open, and the order in which graph index codes are offered.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/window/win_types.h"

// Clipboard format ids. The first four are registered with the window classes,
// the last three after the settings are loaded.
struct ClipboardFormats {
    win::UINT cfIntermediate;  // "tkIntermediate": one analysis
    win::UINT cfResults;       // "tkResults"
    win::UINT cfCombined;      // "tkCombined"
    win::UINT cfMultiMix;      // "tkMultiMix"
    win::UINT cfRichText;      // "rich text format"
    win::UINT cfXlTable;       // "XlTable"
    win::UINT cfCsv;           // "Csv"
};
extern ClipboardFormats clipboardFormats;

// Fonts of the result pages, printed reports and one-page pages. pageFont is
// made when the main window is created and again by the start-up loader.
struct ScreenFonts {
    win::HFONT pageFont;         // fixed pitch; lines per screen rows fill the desktop height
    win::HFONT pageFontBold;     // the same at weight 700
    win::HFONT summaryFontBold;  // the one-page painters' bold face, 75 rows per desktop
    uint32_t pageFontOwned;      // 1: pageFont was created here and is deleted at exit
    uint32_t fontsMade;          // 1 while pageFont is a font the loader made
    win::HFONT oemFont;          // the stock OEM fixed font, selected into the main window's DC
    uint32_t oemFontOwned;       // never set: the stock font is not deleted
    win::HFONT savedDcFont;      // the main window DC's font before oemFont
};
extern ScreenFonts screenFonts;

extern win::RECT desktopRect;

// The two data files that must open at start-up; held open for the run.
extern win::HFILE dataFiles[2];

// The IndexCode order in which graph choices are offered (the Choose Graphs
// dialog reads the first list, the main menu's commands the second).
constexpr int kGraphCodeListLength = 55;
extern uint16_t graphCodeList[kGraphCodeListLength];
extern uint16_t graphCodeListCopy[kGraphCodeListLength];

// The workspace as the start-up left it (fresh_workspace.h): the work file
// image of the records a file holds and the bytes of the records beside them;
// both empty until it is kept.
struct FreshWorkspaceKept {
    std::vector<uint8_t> image;
    std::vector<uint8_t> beside;
};
extern FreshWorkspaceKept freshWorkspaceKept;

void ResetStartupRecords();
