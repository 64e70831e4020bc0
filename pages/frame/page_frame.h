// The one window procedure body of the result pages and the handlers it
// dispatches to. Each named page procedure forwards here with its class.
#pragma once

#include "pages/frame/page_classes.h"
#include "platform/window/win_types.h"

win::LRESULT PageWndProc(PageClass page, win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                         win::LPARAM lParam);

// The page font's metrics in the units the pages work in.
struct PageMetrics {
    int cellWidth = 0;   // tmAveCharWidth
    int rowHeight = 0;   // tmHeight + external leading
    int lineHeight = 0;  // the page's line pitch
};
// Measured on a device context with the page font selected.
[[nodiscard]] PageMetrics MeasurePageFont(PageClass page, win::HDC hdc);
// Measured through a device context of the window (selected and released).
[[nodiscard]] PageMetrics MeasurePageFont(PageClass page, win::HWND hwnd);

void OnPageCreate(PageClass page, win::HWND hwnd);
void OnPagePaint(PageClass page, win::HWND hwnd);
void OnPageVScroll(PageClass page, win::HWND hwnd, int request);
void OnPageWheel(win::HWND hwnd, int delta);
// A page narrower than it opened gets a horizontal bar (page_hscroll.cpp).
void FitPageHorizontalBar(PageClass page, win::HWND hwnd);
void OnPageHScroll(PageClass page, win::HWND hwnd, int request);
void OnPageKey(PageClass page, win::HWND hwnd, int virtualKey);
win::LRESULT OnPageHitTest(PageClass page, win::HWND hwnd, win::WPARAM wParam, win::LPARAM lParam);
void OnPageCommand(PageClass page, win::HWND hwnd, unsigned command);
// CLOSE: clears the open flag, destroys the window and brings the main window back.
void ClosePage(PageClass page, win::HWND hwnd);
// After a page closed: the main window made active (all but the mixing-ratio
// and source-water pages), then shown maximised.
void BringMainWindowBack(PageClass page);
