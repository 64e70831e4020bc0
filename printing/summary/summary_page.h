// What the two summary pages share: the page under way, the small drawing
// helpers, the SYSTEM IDENTIFICATION and WATER CHEMISTRY blocks, and the frame
// that sets up the window, metafile or printer page, draws the blocks, lets
// the page draw its own table and ends with its graph. The one-page summary
// and the well-log page differ only in what PageKind gives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/window/win_types.h"
#include "printing/page/report_page_records.h"
#include "printing/summary/one_page_layout.h"
#include "reporttext/waterpages/water_view.h"

struct SampleDescription;

namespace summarypage {

struct Page {
    win::HDC dc = nullptr;
    win::HWND window = nullptr;
    int mode = 0;
    bool printer = false;
    bool landscape = true;
    const ReportFonts* fonts = nullptr;
    int c = 1;
    int lh = 1;  // bodyFont's line height
    WaterView water;
    const SampleDescription* texts = nullptr;
    std::vector<int> cations;
    std::vector<int> anions;
    uint32_t source = 0;  // wellLogPtSource
    uint32_t show = 0;    // the precipitation display choice
    uint16_t unit = 0;    // the precipitation unit
    win::HBRUSH brush = nullptr;
    win::HPEN lightPen = nullptr;
    win::HPEN rulePen = nullptr;
};

inline constexpr win::COLORREF kTextColour = win::RGB(4, 4, 60);
inline constexpr win::COLORREF kFootnoteColour = win::RGB(120, 120, 120);

// The display choice of the precipitation dialog (0 to 2; other values 0).
[[nodiscard]] uint32_t PrecipitationShow();

// Selects the font and gives its line height (at least 1).
int Use(const Page& p, win::HFONT font);
int& LineY();
// Text through TextOutSubSup at x and the current line.
void Text(const Page& p, int x, const std::string& text);
void RightAligned(const Page& p, int x, const std::string& text);
void Centred(const Page& p, int left, int right, const std::string& text);
// A line in the rule pen.
void Rule(const Page& p, int x1, int x2, int y);
// Light rectangle in the shading brush and pen.
void Shade(const Page& p, int left, int top, int right, int bottom);

[[nodiscard]] std::string Value7(float v);
[[nodiscard]] std::string Value5(float v);
// A saturation ratio by the index format: "%7.2f" of its logarithm ("    N/A"
// for 0 or less) or FormatValue7 of the ratio.
[[nodiscard]] std::string Saturation(float ratio);
// A precipitation amount in mg/L shown in the precipitation unit.
[[nodiscard]] std::string Amount(float mgPerLitre);

// The graph painter of a page: the page's DC and window, and the graph's box.
using PageGraph = int (*)(win::HDC dc, win::HWND window, int left, int top, int right, int bottom);

// The table's horizontal extent, for the graph below it.
struct TableExtent {
    int left;
    int right;
};

struct PageKind {
    win::HWND window;          // the page's window (its rectangle sizes mode 0)
    const char* documentName;  // of the print job the page begins
    int identificationRule;    // the rule under SYSTEM IDENTIFICATION, in c
    ParametersPlacement (*placeParameters)(int cations, int anions);
    // Draws the SCALE AND CORROSION POTENTIAL table from no higher than
    // earliestTop, with its captions and footnotes; leaves lineY below them.
    TableExtent (*scaleTable)(const Page& p, int earliestTop);
    PageGraph graph;
};

// Draws a summary page (mode 0 window or metafile, 1 printer, 2 printer page
// only; see OnePageMode).
void DrawSummaryPage(win::HDC dc, int32_t mode, const PageKind& kind);

}  // namespace summarypage
