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
    win::HWND onePageWindow;  // the one-page summary window while it exists
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

// The fonts of the screen set-ups (CreateLandscapePageFonts ...): the same
// seven members as the printer's report fonts, each with its made-flag, and
// the measuring pageFont with the font it replaced in the window's DC.
extern ReportFonts screenReportFonts;

void ResetSummaryRecords();
