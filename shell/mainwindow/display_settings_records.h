// What the display configuration file and the units file keep besides the
// engine's and the input dialogs' own records: the lines that fill the screen,
// the windows to show after each step, the report items to print or hide, the
// one-page graph choices and the display switches.
#pragma once

#include <cstdint>

constexpr int kWindowSwitchCount = 30;
constexpr int kReportItemSwitchCount = 64;
constexpr int kExtraItemSwitchCount = 38;
constexpr int kGraphParamCount = 6;
constexpr int kConfigReservedBytes = 12;

struct DisplaySettings {
    uint8_t reserved[kConfigReservedBytes];  // no reader uses them; kept for the file
    double linesPerScreen;  // text lines of a result page that fill the desktop height
    // One switch per (moment, result window): 0 shows the window, 1 does not.
    uint32_t surfaceWindowsShown[kWindowSwitchCount];
    uint32_t mixedWindowsShown[kWindowSwitchCount];
    // One switch (0 or 1) per item of the print selections.
    uint32_t chemistryItemsHidden[kReportItemSwitchCount];
    uint32_t indicatorItemsHidden[kReportItemSwitchCount];
    uint32_t extraItemsHidden[kExtraItemSwitchCount];
    // Mineral IndexCode choices of the one-page and well-log graphs, 0xFFFF none.
    uint16_t graphParams[kGraphParamCount];
    uint32_t indexFormat;        // 0 saturation ratio, 1 log index
    uint16_t precipitationUnit;  // 0 mg/L, 1 lbs per 1000 barrels, 2 kg per 1000 barrels
    uint16_t mineralTitles;      // mineral names (0) or formulas in titles
    uint16_t threeDPlotStyle;    // bar graph or contour plot for the 3D graphs
};

extern DisplaySettings displaySettings;

// linesPerScreen as the fonts may use it (screen_fonts.cpp): a value that is not a number of at
// least one line (a damaged configuration file) counts as the 55 lines a
// repaired file gets.
[[nodiscard]] double UsableLinesPerScreen(double linesPerScreen);

// The version word read from the display configuration file.
extern int16_t configVersion;

// Start-of-run state: zero, with the 50 lines per screen that hold until the
// configuration file is read.
void ResetDisplaySettingsRecords();
