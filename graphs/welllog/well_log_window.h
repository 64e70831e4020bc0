// The well-log summary graph window (class "WellLogSummaryGraphWindow", menu
// 14): the well-log summary graph of the 48-interval well profile, kept
// current for the selected product, with station clicks, the colour, pattern
// and title switches, Choose Graphs, Choose Product, copy, export, print and
// close. The main window opens it on command 1252.
#pragma once

#include "platform/window/win_types.h"

win::LRESULT WellLogSummaryGraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                        win::LPARAM lParam);

// Recomputes the 48-interval profile when a product change made it stale or
// the product is another than at its last computation (while graphProfileKind
// is 8; after a command only once the well description has been entered).
void KeepWellLogProfileCurrent(bool afterCommand);

// PRINT of the window (well_log_pictures.cpp).
void PrintWellLogSummaryGraph(win::HWND hwnd);
