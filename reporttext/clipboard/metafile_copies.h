// The enhanced-metafile copies of the two summary pages. Their renderers
// belong to the printed reports, which install them here at start-up; until
// then a copy holds an empty picture.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// A summary page renderer: draws the page into the device context; mode 0 is
// a window or metafile, 1 the printer.
using SummaryPageRenderer = void (*)(win::HDC hdc, int32_t mode);

// The one-page summary's renderer (DrawOnePageReport) and the well-log page's
// (DrawWellLogReport); null restores the default, which draws nothing.
void InstallSummaryPageRenderers(SummaryPageRenderer onePage, SummaryPageRenderer wellLog);

// Paints the one-page summary (mode 0) into an enhanced metafile made for the
// reference device context, framed by the page window's rectangle in 0.01 mm
// (each side times the device's millimetres per pixel, HORZSIZE x 100 /
// HORZRES and VERTSIZE x 100 / VERTRES; width and height swapped unless
// `orientation` is 1), and puts it on the clipboard opened by the main window.
// Non-zero once the picture is on the clipboard; 0 without a message when the
// metafile or the clipboard cannot be had (the picture is then deleted).
int CopyReportPageAsMetafile(win::HDC reference, win::HWND page, int orientation);
// The same for the well-log page.
int CopyWellLogPageAsMetafile(win::HDC reference, win::HWND page, int orientation);
