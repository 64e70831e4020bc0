// The well-log summary graph: one panel per code of the well-log summary
// list, each with one bar per station of the after-flash well profile. A
// bar's height is its station's depth, its colour the band of the station's
// value, and the value is written under it; the bottom hole stands at the
// left.
#pragma once

#include "graphs/twod/bar_graph.h"
#include "platform/gdi/gdi_types.h"

// Paints the panels of wellLogSummaryGraphCodes (the first entries that are
// not negative) into `dc`: the window's client rectangle on the screen and
// bitmap targets, the printable page fitted to 4:3 on the printer. Up to two
// panels stand side by side; more go into two rows of up to five, panel 0
// at the top left. Returns -1, drawing and making nothing, when the list
// holds no code; else 0.
int DrawWellLogSummaryGraph(win::HDC dc, win::HWND window);
// The same, telling what each panel showed (`report` may be null).
int DrawWellLogSummaryGraphReported(win::HDC dc, win::HWND window, BarGraphReport* report);

// The station depths as the window lays them when it is made: pointCount
// 49, the first two at the surface station's depth, even steps down to the
// 48th, the last at the bottom hole; "Depth" under the panels and no
// condition line.
void PrepareWellSummaryAxis();

// Panels across and down for `panels` panels.
struct SummaryPanelGrid {
    int columns;
    int rows;
};
[[nodiscard]] SummaryPanelGrid WellSummaryPanelGrid(int panels);
