// Definitions of the well-log summary graph's records.
#include "graphs/welllog/well_log_graph_records.h"

double wellSummaryX[kWellSummaryStations];
double wellSummaryY[kWellSummaryStations];
int32_t wellSummaryColors[kWellSummaryStations];
float wellSummaryValueCopies[kWellSummaryPanels][kWellSummaryStations];
BarRect wellSummaryBarRects[kWellSummaryPanels * kWellSummaryStations];
int32_t wellSummaryPanelCount;
int32_t wellLogProductAtCalc;

void ResetWellLogGraphRecords() {
    for (double& x : wellSummaryX) x = 0.0;
    for (double& y : wellSummaryY) y = 0.0;
    for (int32_t& c : wellSummaryColors) c = 0;
    for (auto& panel : wellSummaryValueCopies)
        for (float& v : panel) v = 0.0f;
    for (BarRect& r : wellSummaryBarRects) r = BarRect{};
    wellSummaryPanelCount = 0;
    wellLogProductAtCalc = 0;
}
