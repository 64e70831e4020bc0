// What the well-log summary graph shares between its window and its painter:
// the station depths the window lays, what the painter leaves of each paint
// (values, colours, bar rectangles of every panel), and the window's record
// of the product the profile was computed for.
#pragma once

#include <cstdint>

#include "graphs/two_d_graph_records.h"

constexpr int kWellSummaryStations = 49;  // the after-flash profile of 48 intervals
constexpr int kWellSummaryPanels = 10;    // codes of wellLogSummaryGraphCodes

// Depth of each station, laid by the window when it is made.
extern double wellSummaryX[kWellSummaryStations];
// Values of the panel being painted, in station order.
extern double wellSummaryY[kWellSummaryStations];
// Colour index (into graphColorTable) of each station's bar in that panel.
extern int32_t wellSummaryColors[kWellSummaryStations];
// Every panel's plotted values, in station order.
extern float wellSummaryValueCopies[kWellSummaryPanels][kWellSummaryStations];
// The rectangle of bar k of panel p at p x 49 + k (the painter's
// coordinates, y up); bar k shows station 48 - k.
extern BarRect wellSummaryBarRects[kWellSummaryPanels * kWellSummaryStations];
// Panels of the last paint.
extern int32_t wellSummaryPanelCount;
// productSelected when the window last saw the profile computed.
extern int32_t wellLogProductAtCalc;

void ResetWellLogGraphRecords();
