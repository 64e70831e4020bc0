// The records of the one-page summary page: its column table, the window it
// is shown in, the fonts of its screen set-ups and what its row painters read
// while a page is drawn.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_types.h"
#include "platform/window/win_types.h"
#include "printing/page/report_page_records.h"

// The sixteen words of the summary page's column table, set by One Page
// Summary and Well Log Table: eight (mineral IndexCode, amount index) pairs
// kept last pair first, each pair amount index before code (see PageColumn).
constexpr int kOnePageRowCount = 16;
extern int16_t onePageRowCodes[kOnePageRowCount];

// Column k (0 to 7) of the table: the mineral's IndexCode (-1: no column) and
// the index of its amount among a station's 38 momentary-excess values.
struct PageColumn {
    int16_t code;
    int16_t amountIndex;
};
[[nodiscard]] inline PageColumn PageColumnAt(int k) {
    return PageColumn{onePageRowCodes[kOnePageRowCount - 1 - 2 * k],
                      onePageRowCodes[kOnePageRowCount - 2 - 2 * k]};
}

// pageDrawMode: how the page under way is laid out.
namespace PageDrawMode {
enum : int32_t { kNone = 0, kPortrait = 1, kLandscape = 2 };
}

// What the row painters draw from: the analysis values, the values as
// entered (null: nothing is compared) and the field iron value.
struct SummaryRowSource {
    const float* values;   // 64 values; null: currentAnalysis
    const float* entered;  // 64 values as entered, or null
    float fieldIron;
};

struct SummaryPageState {
    win::HWND onePageWindow;      // the one-page summary window while it exists
    win::HWND wellLogPageWindow;  // the well-log summary window while it exists
    uint32_t onePageOpen;         // 1 while onePageWindow exists
    uint32_t wellLogPageOpen;     // 1 while wellLogPageWindow exists
    // Pressures shown as gauge values "(psig)" when non-zero. Nothing sets it:
    // the summary shows absolute pressures.
    uint32_t gaugePressure;
    int32_t pageDrawMode;  // PageDrawMode of the page under way
    int32_t pageTextX;     // x0 of the chemistry block, device units
    int32_t charUnit;      // c: tmAveCharWidth of bodyFont
    win::HDC drawingDC;    // the DC the page is drawn on
    SummaryRowSource rows;
};
extern SummaryPageState summaryPageState;

// Where the summary windows open and move: the home position the main window
// gives a page before it creates one, and the position of the page being
// moved (new pages open there). Screen pixels.
struct SummaryPlacement {
    int32_t homeX;
    int32_t homeY;
    int32_t pageX;
    int32_t pageY;
};
extern SummaryPlacement summaryPlacement;

// A summary window's drag: the window rectangle and frame size at the press,
// whether the frame is drawn now, and the last mouse position.
struct SummaryDrag {
    win::RECT rect;
    int32_t frameWidth;
    int32_t frameHeight;
    uint32_t frameDrawn;
    uint32_t dragging;  // 1 between the press and the release
    win::POINT mouse;
};
constexpr int kSummaryWindowCount = 2;  // 0 "DisOnePage", 1 "WellLogDisOnePage"
extern SummaryDrag summaryDrags[kSummaryWindowCount];

// The fonts of the screen set-ups (CreateLandscapePageFonts ...): the same
// seven members as the printer's report fonts, each with its made-flag, and
// the measuring pageFont with the font it replaced in the window's DC.
extern ReportFonts screenReportFonts;

void ResetSummaryRecords();
