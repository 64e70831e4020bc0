// The well-log one-page summary of the surface water: identification, water
// chemistry, the scale and corrosion table over the after-flash profile's
// twelve rows (after flash, at the separator, nine depths, bottom hole),
// footnotes on paper and the page graph, drawn into the well-log window or
// its metafile or onto a printer page.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Draws the page; the modes and the job handling are DrawOnePageReport's, the
// window is summaryPageState.wellLogPageWindow and the job's document is
// "Tarvex Well Log".
void DrawWellLogReport(win::HDC dc, int32_t mode);

// The page as one page of the running job or of a new one.
void PrintWellLogPage();

// The painter of the page's graph block (DrawWellLogPageGraph of the graphs),
// installed at start-up; until then, and after null, the block stays empty.
using WellLogPageGraph = int (*)(win::HDC dc, win::HWND window, int left, int top, int right,
                                 int bottom);
void InstallWellLogPageGraph(WellLogPageGraph painter);
