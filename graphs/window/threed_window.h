// The 3D graph window (class "wcGraphWindow", menu 13): one chosen result of
// the 7 x 7 what-if grid as bars or a contour map, its pages through the
// chosen graphs, its display switches and axis reversal, cell clicks for a
// value or a cell's water, Change Range, Choose Graphs and Choose Product,
// print, copy, picture and data export.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window/win_types.h"

// Menu 13's command ids.
namespace ThreeDGraphCommand {
enum : int {
    kPrint = 1013,
    kCopy = 985,
    kExportImage = 995,
    kExportData = 996,
    kClose = 1028,
    kLabels = 989,
    kFormulaTitles = 998,
    kTreatedColours = 990,
    kPlotStyle = 991,
    kDisplayGrey = 1011,
    kExportGrey = 1009,
    kPrintGrey = 1010,
    kBackground = 993,
    kReverseRows = 169,
    kReverseColumns = 170,
    kReverseBoth = 171,
    kChooseGraphs = 1064,
    kChooseProduct = 997,
    kChangeRange = 999,
};
}

win::LRESULT GraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// After a change of an option the grids are computed with (the plot variable,
// the carbonate model) or of the waters: an open 3D graph computes its grid
// again and paints it; it closes when the waters its grid is computed from
// are no longer held.
void RecalculateOpenThreeDGraph();
// Whether the graph slot holds the 3D graph window.
[[nodiscard]] bool ThreeDGraphIsOpen();

// The cell under client point (x, y): the drawn row and column, the grid
// indices and the values a click reports.
struct ThreeDHit {
    int row = 0;  // as drawn
    int column = 0;
    int i = 0;  // of the grid
    int j = 0;
    float rowValue = 0.0f;
    float columnValue = 0.0f;
    float value = 0.0f;
};
// False when no cell holds the point (a client area without width or height
// holds none). Stores the client size in graphWidth and graphHeight.
bool ThreeDHitTest(win::HWND hwnd, int x, int y, ThreeDHit& hit);

// What a click says of its cell: " at pH 7.00 and 100 °F." and the like, by
// gridSource, gridKind, varyPco2 and the temperature unit.
[[nodiscard]] std::string ThreeDPositionText(float rowValue, float columnValue);
// The value click's caption ("YOU CLICKED ON THE VALUE ...").
[[nodiscard]] std::string ThreeDValueCaption(float value);

// The texts of the toggles and the reverse items, from the state.
void SetThreeDMenuTexts(win::HWND hwnd);
void SetThreeDPaintTexts(win::HWND hwnd);  // 989, 990, 991 and 993
void SetThreeDReverseTexts(win::HWND hwnd);
// The texts a toggle of 998 or of 1009, 1010 and 1011 leaves.
void SetThreeDTitleToggleText(win::HWND hwnd);
void SetThreeDColourToggleText(win::HWND hwnd, int id);

// The clicks: 1 when a cell was hit.
int ThreeDValueClick(win::HWND hwnd, int x, int y);
int ThreeDAnalysisCopy(win::HWND hwnd, int x, int y);

// PRINT, COPY, EXPORT IMAGE and EXPORT DATA (threed_pictures.cpp).
int PrintThreeDGraph(win::HWND hwnd);
void CopyThreeDGraph(win::HWND hwnd);
int ExportThreeDGraph(win::HWND hwnd);
void ExportThreeDData(win::HWND hwnd);
