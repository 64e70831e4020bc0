// The 2D bar graph: one chart per chosen index code over the points of a
// what-if profile, one chart in the whole picture or four in its quarters,
// painted into a window, a bitmap copied from it, a printer page, or a
// rectangle of the one-page summary page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphs/two_d_graph_records.h"
#include "platform/gdi/gdi_types.h"

// Paints the graph of graphProfileKind and graphIndexCodes from the records
// (GraphAxisData, GraphOutputFlags, the profile tables) into `dc`; the
// window's client rectangle sizes the picture on the screen and bitmap
// targets, the printable page (fitted to 4:3) on the printer.
void DrawTwoDGraph(win::HDC dc, win::HWND window);

// The one-page summary's graph block: the four codes of graphParams over the
// twelve stations of the well-log profile, in the rectangle the page gives
// (its width, height and left edge; on the screen its foot stands above the
// row `top`, on the printer at printablePageHeight while pagePrinting is 1 or
// 2). Sets the x
// axis to the station temperatures and leaves the page's mapping as it was.
// The block's texts are at least kLeastChartText high and the charts are laid
// out to make room for them (FitPageCharts).
int DrawReportPageGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom);
int DrawReportGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom);
// The x axis DrawReportPageGraph lays: the station temperatures and "Temperature" with its unit.
void PrepareReportPageAxis();

// What one chart showed, for the harness and the tests.
struct ChartReport {
    std::string title;
    std::string caption;
    std::vector<std::string> xLabels;
    std::vector<std::string> yLabels;
    std::vector<double> values;
    std::vector<int> colours;
    bool message = false;  // the three lines of an undefined log index
    bool bars = false;     // bars were drawn
    // Well-log summary panels: where the turned value-axis titles end and
    // the widest depth label begins (logical x).
    int captionRight = 0;
    int tickLabelsLeft = 0;
};
struct BarGraphReport {
    std::vector<ChartReport> charts;
};

// DrawTwoDGraph and DrawReportGraph telling what they drew.
void DrawTwoDGraphReported(win::HDC dc, win::HWND window, BarGraphReport* report);
int DrawReportGraphReported(win::HDC dc, win::HWND window, int left, int top, int right, int bottom,
                            BarGraphReport* report);
// The well-log summary page's graph block: as DrawReportGraph, over the
// twelve stations of the after-flash well profile at the depths in
// GraphAxisData, with the well-log page's titles, labels and colours.
int DrawWellPageBarsReported(win::HDC dc, win::HWND window, int left, int top, int right,
                             int bottom, BarGraphReport* report);

// The chart layout of a picture W x H whose positions are shifted right by
// d: one chart, or the four-cell layout.
void LayOutBarCharts(int width, int height, int d, bool fourCharts, TwoDGraphState& state);

// The printer page fitted to 4:3: the width and height used and the shift d.
struct FittedPage {
    int width;
    int height;
    int d;
};
[[nodiscard]] FittedPage FitPrinterPage(int width, int height);

struct BarPaintDc;
struct BarTools;
// The picture area of a bar-graph paint for its target: the fitted printer
// page, or the window's client area (d 0); printingGraph says which. The
// context gets the upward mapping of one unit a pixel, and off the printer
// the area is painted white with pen and brush 15 of the tools.
FittedPage LayBarPicture(const BarPaintDc& p, const BarTools& tools, win::HWND window,
                         uint32_t target);
