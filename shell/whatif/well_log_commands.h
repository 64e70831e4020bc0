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

// The summary views' profiles no longer fit the water, the units or the
// options: the one-page, well-log table and well-log graph flags are cleared so
// that their commands compute the profiles again, and an open summary window
// recomputes and paints at once (the working analysis is left as it was).
void ClearSummaryProfiles();

// Computes the one-page summary's 12-station profile again when a change of
// product left it stale, so that a print shows the current doses.
void RefreshStaleOnePageProfile(win::HWND mainWindow);
