// Draw3DGraph: the order of one paint, the picture size and the mapping.
#include "graphs/threed/draw_3d_graph.h"

#include "engine/records.h"
#include "graphs/axis/graph_font.h"
#include "graphs/bands/grid_range.h"
#include "graphs/bands/index_bands.h"
#include "graphs/bands/index_treated.h"
#include "graphs/datafile/graph_data_file.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/threed/threed_paint.h"
#include "graphs/threed/threed_series.h"
#include "graphs/threed/threed_text.h"
#include "platform/gdi/gdi.h"
#include "platform/win.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/startup/startup_records.h"

namespace {

constexpr int32_t kLogicalExtent = 768;
constexpr int kFloorFontHeight = 19;  // 0.025 of the extent

// Step 2: the picture size; false when there is nothing to paint on.
bool SizePicture(win::HDC dc, win::HWND window) {
    const uint32_t target = graphOutputFlags.renderTarget;
    if (target != RenderTarget::kScreen && target != RenderTarget::kBitmap) {
        printerHorzRes = win::GetDeviceCaps(dc, win::HORZRES);
        printerVertRes = win::GetDeviceCaps(dc, win::VERTRES);
        ThreeDPrinterPicture(printerHorzRes, printerVertRes, graphWidth, graphHeight);
        graphWindowWidth = graphWidth;
        paintingForPrinter = 1;
    } else {
        win::RECT client{}, outer{};
        win::GetClientRect(window, &client);
        win::GetWindowRect(window, &outer);
        graphWidth = client.right - client.left;
        graphHeight = client.bottom - client.top;
        graphWindowWidth = outer.right - outer.left;
        paintingForPrinter = 0;
    }
    return graphWidth > 0 && graphHeight > 0;
}

int AxisFontLineHeight(win::HDC dc) {
    win::HFONT font = CreateGraphFont(1, 0, kFloorFontHeight, 0, 1);
    win::HGDIOBJ old = win::SelectObject(dc, font);
    win::TEXTMETRICA tm{};
    win::GetTextMetrics(dc, &tm);
    win::SelectObject(dc, old);
    if (font != nullptr) win::DeleteObject(font);
    return tm.tmHeight + tm.tmExternalLeading;
}

void SetMapping(win::HDC dc) {
    win::SetMapMode(dc, win::MM_ANISOTROPIC);
    win::SetWindowOrgEx(dc, -320, -240, nullptr);
    win::SetViewportOrgEx(dc, 0, 0, nullptr);
    win::SetWindowExtEx(dc, 639, 479, nullptr);
    win::SetViewportExtEx(dc, graphWidth - 1, graphHeight - 1, nullptr);
}

void PaintBackground(ThreeDPaint& paint) {
    win::HDC dc = paint.dc;
    const ThreeDTools& t = paint.tools;
    win::SetBkMode(dc, win::OPAQUE);
    if (whiteBackground != 0) {
        win::SetBkColor(dc, 0xFFFFFF);
        win::SelectObject(dc, t.pens[ThreeDPen::kWhite]);
        win::SelectObject(dc, t.brushes[15]);
    } else {
        win::SetBkColor(dc, graphBackgroundColor);
        win::SelectObject(dc, t.pens[ThreeDPen::kBackground]);
        win::SelectObject(dc, t.brushes[0]);
    }
    // The whole logical picture on every target; the right and bottom ends
    // of a rectangle are left out, so it reaches one unit past the last.
    win::Rectangle(dc, -320, -240, 320, 240);
    win::SelectObject(dc, whiteBackground != 0 ? t.brushes[15] : t.brushes[3]);
}

}  // namespace

void ThreeDPrinterPicture(int32_t horzRes, int32_t vertRes, int32_t& width, int32_t& height) {
    if (vertRes > horzRes * 3 / 4) {
        width = horzRes;
        height = static_cast<int32_t>(horzRes * 0.75);
    } else if (horzRes > vertRes * 4 / 3) {
        width = vertRes * 4 / 3;
        height = vertRes;
    } else {
        width = horzRes;
        height = vertRes;
    }
}

int Draw3DGraph(win::HDC dc, win::HWND window) {
    graphFontExtent = kLogicalExtent;
    const GraphOutputFlags& flags = graphOutputFlags;
    ChooseThreeDColours(flags.colorNow, flags.renderTarget);
    if (!SizePicture(dc, window)) return 0;

    ThreeDPaint paint;
    paint.dc = dc;
    paint.tools.Make();
    win::HGDIOBJ oldPen = win::SelectObject(dc, paint.tools.pens[ThreeDPen::kWhite]);
    win::HGDIOBJ oldBrush = win::SelectObject(dc, paint.tools.brushes[0]);
    win::HGDIOBJ oldFont =
        screenFonts.pageFont != nullptr ? win::SelectObject(dc, screenFonts.pageFont) : nullptr;

    if (displaySettings.threeDPlotStyle == 1) displaySettings.threeDPlotStyle = 0;
    paint.contour = displaySettings.threeDPlotStyle == 2;
    uint16_t code = 0;
    GetSelectedGraphParam(code);
    paint.code = code;
    BuildThreeDAxisValues();
    ThreeDTexts texts;
    BuildThreeDTitles(code, texts);
    double range[2] = {0.0, 0.0};
    GetGraphGridRange(range, code, rowOrderNatural, columnOrderNatural);
    paint.rangeLow = range[0];
    paint.rangeHigh = range[1];
    uint16_t bandCode = 0;
    GetIndexColorBands(code, bandCode, paint.bandDirection, paint.thresholds);
    const bool treatable = code < 94 && code != 89;
    treatedIndex = treatable && resultStatus.productSelected != 0
                       ? IsIndexTreated(static_cast<int16_t>(code))
                       : 0;

    const ValueAxis axis = MakeValueAxis(range[0], range[1], code, logRangeUndefined != 0);
    valueAxisLow = axis.low;
    valueAxisHigh = axis.high;
    paint.intervals = axis.intervals > 0 ? axis.intervals : 1;
    valueAxisStep = (axis.high - axis.low) / paint.intervals;
    paint.box = MakeThreeDBox(displaySettings.threeDPlotStyle, graphHeight);
    GridPlaces(rowAxisValues, paint.rowPlaces);
    GridPlaces(columnAxisValues, paint.columnPlaces);
    paint.greyRendering = (exportingImage != 0 && flags.colorNow == 0) ||
                          (paintingForPrinter != 0 && flags.printColor == 0);
    paint.colourBranch = flags.colorNow > 0 && !paint.greyRendering;
    paint.onScreen = exportingImage == 0 && paintingForPrinter == 0;
    paint.axisLineHeight = AxisFontLineHeight(dc);
    for (CellOutline& o : cellOutline) o = CellOutline{};

    SetMapping(dc);
    PaintBackground(paint);
    DrawThreeDFrame(paint);
    DrawThreeDValueNumbers(paint, texts);
    BuildThreeDGridValues(code);
    if (paint.contour)
        DrawThreeDContour(paint);
    else
        DrawThreeDBars(paint);
    DrawThreeDFrontStrips(paint);
    if (!paint.contour) DrawThreeDZeroLine(paint);
    DrawThreeDLabels(paint, texts);

    win::SelectObject(dc, oldBrush);
    win::SelectObject(dc, oldPen);
    if (oldFont != nullptr) win::SelectObject(dc, oldFont);
    paint.tools.Release();
    if (exportDataAfterPaint != 0) {
        // The file holds the values as plotted, unscaled: its unit line carries no
        // axis scale, and the title of the plotted index tells exports apart.
        const char* unit = texts.scaleShown ? texts.unscaledUnitLabel.c_str() : graphUnitLabel;
        const GraphDataTable table{rowAxisValues,
                                   columnAxisValuesCopy,
                                   gridValues,
                                   {graphTitle, unit, graphProfileTitle, graphSubtitle}};
        ExportGraphData(window, 0, columnOrderNatural != 1 ? 1 : 0, rowOrderNatural != 1 ? 1 : 0,
                        table);
    }
    return 0;
}
