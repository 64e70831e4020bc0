// The graph block of the well-log summary page: four bar charts, two by two,
// of the codes in graphParams over the twelve stations of the after-flash
// well profile, from "ATM" and "SEP" down to the bottom hole.
#pragma once

#include "graphs/twod/bar_graph.h"
#include "platform/gdi/gdi_types.h"

// Lays the stations' depths and "Depth" as the x axis, then paints the four
// charts into the rectangle given (its left edge, width and height; it may
// be upside down). The band ends at the bottom of the window's client area,
// or of the printable page (printablePageHeight) while pagePrinting is 1 or
// 2. Neither reads nor sets graphProfileKind. The device context's mapping,
// origins, extents and selected objects are as they were afterwards.
// Returns 0.
int DrawWellLogPageGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom);

// The painter behind it, with the x axis as it stands. `report` (may be
// null) receives what each chart showed.
int DrawWellLogReportGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom,
                           BarGraphReport* report = nullptr);

// The x axis DrawWellLogPageGraph lays: twelve points at the station depths.
void PrepareWellPageAxis();
