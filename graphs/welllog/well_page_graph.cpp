// Entry of the well-log page graph: the x axis of the twelve stations, then
// the bar-graph painter in the well-log page's mode.
#include "graphs/welllog/well_page_graph.h"

#include <cstdio>

#include "graphs/graph_output_records.h"
#include "graphs/two_d_graph_records.h"
#include "scenarios/wells/well_records.h"

void PrepareWellPageAxis() {
    GraphAxisData& a = graphAxisData;
    a.pointCount = kGraphPoints;
    for (int k = 0; k < kGraphPoints; ++k) a.xValues[k] = wellProfiles.flash11.depth[k];
    std::snprintf(a.axisTitles[AxisTitle::kX], kAxisTitleChars, "Depth");
}

int DrawWellLogReportGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom,
                           BarGraphReport* report) {
    return DrawWellPageBarsReported(dc, window, left, top, right, bottom, report);
}

int DrawWellLogPageGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom) {
    PrepareWellPageAxis();
    graphOutputFlags.exportingGraph = 0;
    const int result = DrawWellLogReportGraph(dc, window, left, top, right, bottom);
    graphOutputFlags.exportingGraph = 0;
    return result;
}
