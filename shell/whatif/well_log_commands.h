// The one-page summary, the well-log table and graphs, and the one-page print.
#pragma once

#include "platform/window/win_types.h"

void OnePageSummaryCommand(win::HWND mainWindow);
void WellLogTableCommand(win::HWND mainWindow);
void WellLogGraphCommand(win::HWND mainWindow);
void WellLogSummaryGraphCommand(win::HWND mainWindow);
void PrintOnePageSummary(win::HWND mainWindow);

// The summary page's row layout, and the one-page graphs' defaults while the
// first is unset.
void SetOnePageLayout();
