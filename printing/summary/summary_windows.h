// The two summary windows: "DisOnePage" shows the one-page summary and
// "WellLogDisOnePage" the well-log page, each repainted from the records by
// its renderer. They recompute their own well profile after a product change,
// move by keys and by dragging, cascade the result pages, print their page,
// copy it as a metafile, export CSV, copy and save the waterflood reports
// (well-log window), choose the page graphs and the product (one-page window)
// and close.
#pragma once

#include "platform/window/win_types.h"

namespace SummaryWindow {
enum : int { kOnePage = 0, kWellLog = 1 };
}

win::LRESULT DisOnePageWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                               win::LPARAM lParam);
win::LRESULT WellLogDisOnePageWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                      win::LPARAM lParam);

// Opens the summary window `which` (SummaryWindow) for the main window,
// destroying one that is open: a landscape page of 11 x 8.5 fitted into the
// main window's client area.
void OpenSummaryWindow(win::HWND mainWindow, int which);

// The window's size for a desktop of height `desktopHeight` and a main window
// client area of clientWidth x clientHeight.
struct SummarySize {
    int width;
    int height;
};
[[nodiscard]] SummarySize SummaryWindowSize(int desktopHeight, int clientWidth, int clientHeight);

// Where and how large the window opens: the frame moved right or down into
// `area` (the work area below the main window's menu bar) where it starts
// outside it, then left or up (not past the area's top left) to end in it,
// first made smaller in proportion when it is larger than the area.
struct SummaryFrame {
    int x;
    int y;
    int width;
    int height;
};
[[nodiscard]] SummaryFrame PlaceSummaryInArea(SummaryFrame frame, const win::RECT& area);

// Lines up the eight profile and one-water result pages from the main
// window's top left, stepping by five average characters across and two lines
// down, their sizes kept.
void CascadeResultWindows();

// The windows' hooks: opening from the main window, the well-log page's
// metafile renderer.
void InstallSummaryWindows();
