// The well-log summary graph painter. Positions are fractions of a panel's
// cell truncated toward zero, in a mapping of one logical unit per device
// pixel with the origin at the bottom left and y growing upward.
#include "graphs/welllog/well_summary_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "graphs/axis/axis_scale.h"
#include "graphs/bands/index_treated.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/twod/bar_marks.h"
#include "graphs/twod/bar_palette.h"
#include "graphs/twod/chart_rules.h"
#include "graphs/welllog/well_log_graph_records.h"
#include "graphs/welllog/well_log_rules.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "reporttext/format/axis_number.h"
#include "reporttext/format/sub_sup_text.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/whatif/whatif_command_records.h"

namespace {

int Trunc(double v) {
    return static_cast<int>(v);
}

// The cell of one panel and the areas laid in it.
struct Panel {
    int cellHeight = 0;
    ChartRect plot{};
    ChartRect frame{};
    int plotWidth = 0;
    int plotHeight = 0;
    int centreX = 0;
    int centreY = 0;
};

Panel LayOutPanel(int x, int y, int w, int h) {
    Panel p;
    const double cw = w, ch = h;
    p.cellHeight = h;
    p.plot = ChartRect{x + Trunc(0.16 * cw), y + Trunc(0.15 * ch), x + Trunc(0.9 * cw),
                       y + Trunc(0.9 * ch)};
    p.frame = ChartRect{x + Trunc(0.012 * cw), y + Trunc(0.012 * ch), x + Trunc(0.988 * cw),
                        y + Trunc(0.988 * ch)};
    p.plotWidth = std::abs(p.plot.right - p.plot.left);
    p.plotHeight = std::abs(p.plot.top - p.plot.bottom);
    p.centreX = p.plot.left + p.plotWidth / 2;
    p.centreY = p.plot.bottom + p.plotHeight / 2;
    return p;
}

// "Pen 0" of the painter is the thin pen of colour 0; the sixteen pens of the
// palette are two pixels wide.
struct Painter : BarPaintDc {
    uint32_t target = 0;
    bool colour = false;  // colour output
    uint32_t printing = 0;
    uint32_t exporting = 0;
    bool handHatch = false;
    BarTools tools;
    BarGraphReport* report = nullptr;
    char savedExtraLine[kAxisTitleChars] = {};
};

int StationCount() {
    switch (graphProfileKind) {
        case GraphProfileKind::kWellProfile12:
            return 12;
        case GraphProfileKind::kWellLog48:
            return kWellSummaryStations;
        default:
            return 7;
    }
}

// The panel's values into wellSummaryY; false when the code has no source.
// A station not calculated has no value: no number, which draws no bar and
// reads "N/A".
bool ReadPanelValues(int code, int n) {
    const bool logIndex = displaySettings.indexFormat == 1;
    for (double& y : wellSummaryY) y = 0.0;
    (void)ReadChartValues(code, ChartKind::kWellSummary, n, logIndex, wellSummaryY);
    if (!IsUnlistedCode(code))
        for (int i = 0; i < n; ++i)
            if (PointNotCalculated(wellProfiles.flash48, i))
                wellSummaryY[i] = std::numeric_limits<double>::quiet_NaN();
    const bool logged = logIndex && IsWellLogLogCode(code);
    logRangeUndefined = 0;
    if (logged && n > 0 && code < 64)
        logRangeUndefined = wellProfiles.flash48.results[n - 1][code] <= 0.0f ? 1 : 0;
    return !IsUnlistedCode(code);
}

void PaintFrame(const Painter& p, const Panel& c) {
    if (p.target == RenderTarget::kScreen && p.colour) {
        p.Use(p.tools.pens[11], p.tools.brushes[3]);
        p.Rect(c.frame);
        p.Use(p.tools.pens[11], p.exporting != 0 ? p.tools.brushes[3] : p.tools.brushes[15]);
        p.Rect(c.plot);
    } else {
        p.Use(p.tools.thinPen, p.tools.brushes[15]);
        p.Rect(c.frame);
        p.Rect(c.plot);
    }
}

void PaintTitles(Painter& p, const Panel& c) {
    const GraphAxisData& a = graphAxisData;
    const char* title = a.axisTitles[AxisTitle::kGraph];
    if (title[0] != '\0') {
        p.UseFont(Trunc(0.075 * c.plotHeight), 0, 1);
        const int l = p.LineOfFont();
        p.Text(c.centreX - p.HalfWidth(title), c.frame.top - Trunc(l / 3.0), title);
    }
    const char* xTitle = a.axisTitles[AxisTitle::kX];
    if (xTitle[0] != '\0') {
        p.UseFont(Trunc(0.05 * c.plotHeight), 0, 1);
        const int l = p.LineOfFont();
        p.Text(c.centreX - p.HalfWidth(xTitle), c.frame.bottom + Trunc(1.5 * l), xTitle);
    }
    const char* condition = a.axisTitles[AxisTitle::kXSubtitle];
    if (condition[0] != '\0') {
        p.UseFont(Trunc(0.0375 * c.cellHeight), 1, 1);
        const int l = p.LineOfFont();
        p.Text(c.frame.right - Trunc(1.5 * l), c.centreY + p.HalfWidth(condition), condition);
    }
}

// The bars of one panel, bar k showing station n - 1 - k.
// The left end of bar k of n: the bars share the plot's width between them,
// so together they fill it whatever the station count.
int BarLeft(const Panel& c, int n, int k) {
    return c.plot.left + 1 + (n > 0 ? Trunc(static_cast<double>(k) * (c.plotWidth - 1) / n) : 0);
}

void PaintBars(const Painter& p, const Panel& c, int panel, int n, const BarValueAxis& axis,
               double scale) {
    for (int k = 0; k < n; ++k) {
        const int station = n - 1 - k;
        if (std::isnan(wellSummaryY[station])) continue;
        const int colour = std::clamp(wellSummaryColors[station], 0, kGraphColours - 1);
        BarRect& b = wellSummaryBarRects[panel * kWellSummaryStations + k];
        b.left = BarLeft(c, n, k);
        b.right = BarLeft(c, n, k + 1);
        b.bottom = c.plot.bottom + 1;
        b.top = b.bottom + Trunc((wellSummaryX[station] - axis.low) * scale);
        const win::HPEN pen = p.colour ? p.tools.pens[colour] : p.tools.thinPen;
        if (p.handHatch && colour != 1 && colour != 4) {
            // A white bar, then the lines of its band.
            p.Use(p.tools.thinPen, p.tools.brushes[15]);
            win::Rectangle(p.dc, b.left, b.top, b.right, b.bottom);
            const double spacing = (b.right - b.left) / 8.0;
            if (colour == 2 || colour == 5) HatchBarLines(p.dc, b, spacing, true);
            if (colour == 14 || colour == 5) HatchBarLines(p.dc, b, spacing, false);
        } else {
            p.Use(pen, p.tools.brushes[colour]);
            win::Rectangle(p.dc, b.left, b.top, b.right, b.bottom);
        }
    }
}

// The left margin of a panel holds the depth tick labels, right-aligned
// before the plot, and the two turned titles near the frame. Tall narrow
// panels size their fonts by a height that the margin's width cannot hold:
// there the three fonts shrink together until the titles end before the
// widest label begins.
struct LeftMargin {
    int tickHeight = 0, captionHeight = 0, extraHeight = 0;
    int titlesRight = 0;  // the right end of the turned titles
    int labelsLeft = 0;   // the left end of the widest tick label
};

LeftMargin MeasureLeftMargin(Painter& p, const Panel& c, int lineUnit, double f,
                             const std::vector<std::string>& labels, const char* caption,
                             const char* extra) {
    LeftMargin m;
    m.tickHeight = Trunc(f * Trunc(0.0425 * c.cellHeight));
    m.captionHeight = Trunc(f * Trunc(0.048 * c.cellHeight));
    m.extraHeight = Trunc(f * Trunc(0.0375 * c.cellHeight));
    p.UseFont(m.tickHeight, 0, 0);
    int widest = 0;
    for (const std::string& label : labels)
        widest = std::max(
            widest,
            static_cast<int>(static_cast<uint16_t>(GetSubSupTextWidth(p.dc, label.c_str()))));
    m.labelsLeft = c.plot.left - p.AverageWidth() - widest;
    m.titlesRight = c.frame.left;
    if (caption[0] != '\0') {
        p.UseFont(m.captionHeight, 3, 1);
        m.titlesRight = c.frame.left + lineUnit / 3 + p.LineOfFont();
    }
    if (extra[0] != '\0') {
        p.UseFont(m.extraHeight, 3, 1);
        const int el = p.LineOfFont();
        m.titlesRight = std::max(m.titlesRight, c.frame.left + Trunc(7.0 * el / 3.0) + el);
    }
    return m;
}

LeftMargin FitLeftMargin(Painter& p, const Panel& c, int lineUnit,
                         const std::vector<std::string>& labels, const char* caption,
                         const char* extra) {
    LeftMargin m = MeasureLeftMargin(p, c, lineUnit, 1.0, labels, caption, extra);
    if (m.titlesRight < m.labelsLeft) return m;
    // Widths follow the font heights: a first guess in proportion, then
    // smaller steps while rounding still leaves them touching.
    const double room = c.plot.left - c.frame.left;
    const double need = (m.titlesRight - c.frame.left) + (c.plot.left - m.labelsLeft);
    double f = need > 0.0 ? std::clamp(room / need, 0.2, 1.0) : 1.0;
    for (int tries = 0; tries < 8; ++tries, f *= 0.9) {
        m = MeasureLeftMargin(p, c, lineUnit, f, labels, caption, extra);
        if (m.titlesRight < m.labelsLeft) break;
    }
    return m;
}

// The depth axis is ticked and labelled on the last panel only; every panel
// keeps the same left margin, so the panels stay alike.
void PaintPanel(Painter& p, const Panel& c, int panel, int code, int n, bool last) {
    GraphAxisData& a = graphAxisData;
    twoDGraphState.currentCode = code;
    const bool sourced = ReadPanelValues(code, n);
    for (int i = 0; i < kWellSummaryStations; ++i)
        wellSummaryValueCopies[panel][i] = i < n ? static_cast<float>(wellSummaryY[i]) : 0.0f;

    // The bars stand on the depth axis and the labels under them are the
    // index's values: the depth axis is titled "Depth" and the title under
    // the panel names the values (a mineral's saturation ratio or index).
    const ChartTexts texts = WellLogTitles(code, WellLogGraph::kSummary);
    std::snprintf(a.axisTitles[AxisTitle::kGraph], kAxisTitleChars, "%s", texts.title);
    std::snprintf(a.axisTitles[AxisTitle::kYCaption], kAxisTitleChars, "Depth");
    const bool mineral = std::strcmp(texts.caption, "Depth") == 0;
    const char* valueTitle = !mineral                           ? texts.caption
                             : displaySettings.indexFormat == 1 ? "Saturation Index"
                                                                : "Saturation Ratio";
    std::snprintf(a.axisTitles[AxisTitle::kX], kAxisTitleChars, "%s", valueTitle);
    std::snprintf(a.axisTitles[AxisTitle::kYUnitCaption], kAxisTitleChars, "%s", p.savedExtraLine);
    treatedIndex = IsIndexTreated(static_cast<int16_t>(code));
    const bool treated = treatedIndex != 0 && graphOutputFlags.treatedColorCoding != 0;
    int colours[kWellSummaryStations];
    WellLogColours(code, wellSummaryY, n, displaySettings.indexFormat == 1, treated,
                   wellProfiles.flash48.doseStatus, WellLogGraph::kSummary, colours, nullptr);
    for (int i = 0; i < kWellSummaryStations; ++i) wellSummaryColors[i] = i < n ? colours[i] : 1;

    PaintFrame(p, c);
    const bool lightText = p.colour && p.printing == 0 && p.exporting == 0;
    win::SetTextColor(p.dc, graphColorTable[lightText ? 15 : 0]);
    win::SetBkColor(p.dc, graphColorTable[lightText ? 0 : 15]);
    win::SetBkMode(p.dc, win::TRANSPARENT);
    PaintTitles(p, c);

    // Station labels: each bar's value, the bottom hole first. Turned labels
    // need a line's height each: where the bars are narrower, only every
    // k-th bar is labelled, the first and the last always.
    ChartReport chart;
    const int lineUnit = Trunc(0.025 * c.cellHeight);
    double vMin = 0.0, vMax = 0.0;
    bool anyValue = false;
    for (int i = 0; i < n; ++i) {
        if (std::isnan(wellSummaryY[i])) continue;
        vMin = !anyValue ? wellSummaryY[i] : std::min(vMin, wellSummaryY[i]);
        vMax = !anyValue ? wellSummaryY[i] : std::max(vMax, wellSummaryY[i]);
        anyValue = true;
    }
    p.UseFont(Trunc(0.0375 * c.cellHeight), 1, 0);
    char suffix[kAxisSuffixChars] = " ";
    bool scaled = false;
    const int labelY = c.plot.bottom - lineUnit / 4;
    // A turned label's glyphs stand left of its reference point by their
    // ascent: the point goes that much right of the bar's middle, less the
    // descent, so the digits stand on the middle.
    win::TEXTMETRICA labelMetrics{};
    win::GetTextMetricsA(p.dc, &labelMetrics);
    const int centring = (labelMetrics.tmAscent - labelMetrics.tmDescent) / 2;
    const double pitch = n > 0 ? static_cast<double>(c.plotWidth - 1) / n : 0.0;
    const int every =
        pitch > 0.0 ? std::max(1, static_cast<int>(std::ceil((p.LineOfFont() + 2) / pitch))) : 1;
    for (int k = 0; k < n && sourced; ++k) {
        char label[kAxisLabelChars] = "N/A";
        if (!std::isnan(wellSummaryY[n - 1 - k]))
            FormatBarPointLabel(wellSummaryY[n - 1 - k], vMin, vMax,
                                n > 0 ? (vMax - vMin) / n : 0.0, label, suffix, scaled);
        chart.xLabels.push_back(label);
        const bool shown = k == 0 || k == n - 1 || (k % every == 0 && k + every <= n - 1);
        // The first keeps inside the plot, clear of the depth axis's labels.
        const int x = std::max((BarLeft(c, n, k) + BarLeft(c, n, k + 1)) / 2 + centring,
                               c.plot.left + 2 + labelMetrics.tmAscent);
        if (shown) p.Text(x, labelY, label);
    }
    // The scale suffix once, a line right of the last label.
    if (scaled && std::strcmp(suffix, " ") != 0)
        p.Text(c.plot.right + centring + p.LineOfFont(), labelY, suffix);

    // Depth axis and bars.
    double dMin = 0.0, dMax = 0.0;
    for (int i = 0; i < n; ++i) {
        dMin = i == 0 ? wellSummaryX[i] : std::min(dMin, wellSummaryX[i]);
        dMax = i == 0 ? wellSummaryX[i] : std::max(dMax, wellSummaryX[i]);
    }
    const BarValueAxis axis = ComputeBarValueAxis(dMin, dMax);
    const double span = axis.high - axis.low;
    const double scale = span > 0.0 ? c.plotHeight / span : 0.0;
    for (int k = 0; k < kWellSummaryStations; ++k)
        wellSummaryBarRects[panel * kWellSummaryStations + k] = BarRect{};
    if (sourced) PaintBars(p, c, panel, n, axis, scale);

    // Depth ticks and their labels; a scale suffix joins a caption once.
    const bool scaledAxis = IsScaledBarAxis(axis);
    const double step = axis.intervals > 0 ? span / axis.intervals : 0.0;
    char tickSuffix[kAxisSuffixChars] = " ";
    std::vector<std::string> tickLabels;
    for (int t = 0; t <= axis.intervals; ++t) {
        char label[kAxisLabelChars];
        FormatBarTickLabel(axis.low + t * step, axis, step, scaledAxis, label, tickSuffix);
        tickLabels.emplace_back(label);
        chart.yLabels.push_back(label);
    }
    if (scaledAxis) AppendAxisScale(a, tickSuffix);
    const char* caption = a.axisTitles[AxisTitle::kYCaption];
    const char* extra = a.axisTitles[AxisTitle::kYUnitCaption];
    const LeftMargin m = FitLeftMargin(p, c, lineUnit, tickLabels, caption, extra);

    p.UseFont(m.tickHeight, 0, 0);
    const int l = p.LineOfFont();
    const int avg = p.AverageWidth();
    win::SelectObject(p.dc, lightText ? p.tools.pens[15] : p.tools.thinPen);
    for (int t = 0; t <= axis.intervals && last; ++t) {
        const double v = axis.low + t * step;
        const int y = c.plot.bottom + Trunc((v - axis.low) * scale);
        win::MoveToEx(p.dc, c.plot.left - Trunc(2 * avg / 3), y, nullptr);
        win::LineTo(p.dc, c.plot.left, y);
        const char* label = tickLabels[static_cast<std::size_t>(t)].c_str();
        const int width = static_cast<uint16_t>(GetSubSupTextWidth(p.dc, label));
        p.Text(c.plot.left - avg - width, y + Trunc(0.5 * l), label);
    }

    // The value-axis title and the extra line, turned to read upward.
    if (caption[0] != '\0') {
        p.UseFont(m.captionHeight, 3, 1);
        p.Text(c.frame.left + lineUnit / 3, c.centreY - p.HalfWidth(caption), caption);
    }
    if (extra[0] != '\0') {
        p.UseFont(m.extraHeight, 3, 1);
        const int el = p.LineOfFont();
        p.Text(c.frame.left + Trunc(7.0 * el / 3.0), c.centreY - p.HalfWidth(extra), extra);
    }
    chart.captionRight = m.titlesRight;
    chart.tickLabelsLeft = m.labelsLeft;

    // Closing outlines.
    win::SelectObject(p.dc, win::GetStockObject(win::NULL_BRUSH));
    if (p.target == RenderTarget::kScreen) {
        win::SelectObject(p.dc, p.colour ? p.tools.pens[11] : p.tools.thinPen);
        p.Rect(c.frame);
        p.Rect(c.plot);
    } else {
        win::SelectObject(p.dc, p.tools.thinPen);
        p.Rect(c.frame);
    }

    if (p.report != nullptr) {
        chart.title = a.axisTitles[AxisTitle::kGraph];
        chart.caption = a.axisTitles[AxisTitle::kYCaption];
        chart.values.assign(wellSummaryY, wellSummaryY + n);
        chart.colours.assign(colours, colours + n);
        chart.bars = sourced && n > 0;
        p.report->charts.push_back(chart);
    }
}

}  // namespace

SummaryPanelGrid WellSummaryPanelGrid(int panels) {
    if (panels <= 2) return SummaryPanelGrid{std::max(panels, 1), 1};
    return SummaryPanelGrid{(panels + 1) / 2, 2};
}

void PrepareWellSummaryAxis() {
    GraphAxisData& a = graphAxisData;
    const float* depth = wellProfiles.flash48.depth;
    a.pointCount = kWellSummaryStations;
    const float step = (depth[48] - depth[1]) / 47.0f;
    a.xStep = step;
    wellSummaryX[0] = wellSummaryX[1] = depth[0];
    for (int k = 2; k <= 47; ++k) wellSummaryX[k] = wellSummaryX[k - 1] + step;
    wellSummaryX[48] = depth[48];
    std::snprintf(a.axisTitles[AxisTitle::kX], kAxisTitleChars, "Depth");
    a.axisTitles[AxisTitle::kXSubtitle][0] = '\0';
}

int DrawWellLogSummaryGraphReported(win::HDC dc, win::HWND window, BarGraphReport* report) {
    GraphOutputFlags& f = graphOutputFlags;
    FillBarPalette(f.colorNow, f.printingGraph);
    int codes[kWellSummaryPanels];
    int panels = 0;
    for (int16_t code : wellLogSummaryGraphCodes)
        if (code >= 0) ++panels;
    for (int i = 0; i < panels; ++i) codes[i] = wellLogSummaryGraphCodes[i];
    if (panels == 0) return -1;

    Painter p;
    p.dc = dc;
    p.report = report;
    p.target = f.renderTarget;
    p.exporting = f.exportingGraph;
    p.colour = f.colorNow != 0 && !(f.printingGraph != 0 && f.printColor == 0);
    p.handHatch = !p.colour && f.hatchPatterns != 0;
    const int saved = win::SaveDC(dc);
    p.originalFont = win::GetCurrentObject(dc, win::OBJ_FONT);
    p.tools.Make(UsePatternSet(f.hatchPatterns, f.colorNow, f.printingGraph, f.printColor));

    const FittedPage area = LayBarPicture(p, p.tools, window, p.target);
    const int width = area.width, height = area.height, d = area.d;
    p.printing = f.printingGraph;

    std::memcpy(p.savedExtraLine, graphAxisData.axisTitles[AxisTitle::kYUnitCaption],
                kAxisTitleChars);
    p.savedExtraLine[kAxisTitleChars - 1] = '\0';
    const SummaryPanelGrid grid = WellSummaryPanelGrid(panels);
    const int cellWidth = width / grid.columns;
    const int cellHeight = height / grid.rows;
    const int n = StationCount();
    for (int k = 0; k < panels && width > 0 && height > 0; ++k) {
        const int column = k % grid.columns;
        const int row = k / grid.columns;
        const Panel c = LayOutPanel(d + column * cellWidth, height - (row + 1) * cellHeight,
                                    cellWidth, cellHeight);
        PaintPanel(p, c, k, codes[k], n, k == panels - 1);
    }
    wellSummaryPanelCount = panels;
    p.ReleaseFont();
    win::RestoreDC(dc, saved);
    p.tools.Release();
    return 0;
}

int DrawWellLogSummaryGraph(win::HDC dc, win::HWND window) {
    return DrawWellLogSummaryGraphReported(dc, window, nullptr);
}
