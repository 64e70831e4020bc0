// The bar graph painter shared by the 2D graph window and the one-page
// summary page. Positions are fractions of the picture truncated toward
// zero, in a mapping of one logical unit per device pixel with the origin
// at the bottom left and y growing upward.
#include "graphs/twod/bar_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/axis/axis_scale.h"
#include "graphs/bands/index_treated.h"
#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/twod/bar_marks.h"
#include "graphs/twod/bar_palette.h"
#include "graphs/twod/chart_fonts.h"
#include "graphs/twod/chart_rules.h"
#include "graphs/welllog/well_log_rules.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "reporttext/format/axis_number.h"
#include "reporttext/format/sub_sup_text.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

int Trunc(double v) {
    return static_cast<int>(v);
}

// One paint: the device context, the mode and the objects it made.
struct Painter : BarPaintDc {
    bool page = false;  // the one-page summary's mode
    int kind = 0;       // ChartKind
    int codes[kChartSlots] = {};
    int charts = 0;
    uint32_t target = 0;
    int colorNow = 0;
    uint32_t printing = 0;
    uint32_t exporting = 0;
    BarTools tools;
    int lineUnit = 0;  // the spacing unit of labels and captions
    ChartFonts fonts;
    PageChartPlaces places;
    BarGraphReport* report = nullptr;
};

int PointCountOf(int kind, bool page) {
    if (page || kind == ChartKind::kWell) return kGraphPoints;
    if (kind == ChartKind::kMixing) return std::clamp(graphAxisData.pointCount, 0, 7);
    return 7;
}

// The labels of the n points under a chart; a scaled axis's suffix into xSuffix.
std::vector<std::string> PointLabels(const Painter& p, int n, char* xSuffix, bool& xScaled) {
    const GraphAxisData& a = graphAxisData;
    double xMin = 0.0, xMax = 0.0;
    for (int i = 0; i < n; ++i) {
        xMin = i == 0 ? a.xValues[i] : std::min(xMin, a.xValues[i]);
        xMax = i == 0 ? a.xValues[i] : std::max(xMax, a.xValues[i]);
    }
    const double xStep = n > 0 ? (xMax - xMin) / n : 0.0;
    const bool wellNames = (p.kind == ChartKind::kWell && !p.page) || p.kind == ChartKind::kWellPage;
    std::vector<std::string> labels;
    for (int i = 0; i < n; ++i) {
        char label[kAxisLabelChars];
        if (wellNames && i < 2) {
            std::snprintf(label, sizeof label, "%s", i == 0 ? "ATM" : "SEP");
        } else {
            FormatBarPointLabel(a.xValues[i], xMin, xMax, xStep, label, xSuffix, xScaled);
        }
        labels.emplace_back(label);
    }
    if (std::strcmp(xSuffix, " ") == 0 && !wellNames) TellBarPointLabelsApart(a.xValues, labels);
    return labels;
}

// Every k-th of a row of texts `line` high whose places stand `pitch` apart
// is written, so that no two meet.
int LabelEvery(int line, double pitch) {
    if (pitch <= 0.0 || line <= pitch) return 1;
    return static_cast<int>(std::ceil((line + 1) / pitch));
}

void PaintChart(Painter& p, int g, const char* savedUnitCaption) {
    TwoDGraphState& s = twoDGraphState;
    GraphAxisData& a = graphAxisData;
    const int code = p.codes[g];
    s.currentCode = code;
    const ChartRect plot = s.plotRects[g];
    const ChartRect frame = s.frameRects[g];
    const bool wellPage = p.kind == ChartKind::kWellPage;
    // The graph versus the mixing ratio shows the mixing profile: its wording,
    // bands and treatment status are the mixing rule set's while it is open,
    // though an edit of a water has cleared the profile's done flag under it.
    // Every other graph keeps its own, whatever profile ran before it.
    const bool mixing = p.kind == ChartKind::kMixing;
    const bool logIndex = displaySettings.indexFormat == 1;
    if (wellPage && code == kNoGraphIndex) {
        // An empty entry of the well-log page: its frame and nothing read.
        p.Use(p.tools.pens[0], p.tools.brushes[15]);
        p.Rect(frame);
        if (p.report != nullptr) p.report->charts.push_back(ChartReport{});
        return;
    }

    // Data, titles, captions and colours: fresh for every chart.
    a.pointCount = PointCountOf(p.kind, p.page);
    const int n = a.pointCount;
    for (double& y : a.yValues) y = 0.0;
    bool zeroRatio = ReadChartValues(code, p.kind, n, logIndex, a.yValues);
    if (wellPage) {
        // The page's notice is for a bottom hole without a ratio; a zero
        // higher up plots as 0.
        zeroRatio = logIndex && IsWellLogLogCode(code) && code < 64 && n > 0 &&
                    wellProfiles.flash11.results[n - 1][code] <= 0.0f;
    }
    logRangeUndefined = zeroRatio ? 1 : 0;
    for (int i = 0; i < kGraphPoints; ++i)
        s.barValues[g][i] = i < n ? static_cast<float>(a.yValues[i]) : 0.0f;
    const ChartTexts texts = wellPage ? WellLogTitles(code, WellLogGraph::kPage)
                                      : ChartTitles(code, mixing, p.page);
    std::snprintf(a.axisTitles[AxisTitle::kGraph], kAxisTitleChars, "%s", texts.title);
    std::snprintf(a.axisTitles[AxisTitle::kYCaption], kAxisTitleChars, "%s", texts.caption);
    std::snprintf(a.axisTitles[AxisTitle::kYUnitCaption], kAxisTitleChars, "%s", savedUnitCaption);
    treatedIndex = IsIndexTreated(static_cast<int16_t>(code));
    BandRules rules;
    rules.mixing = mixing;
    rules.logIndex = logIndex && !rules.mixing;
    rules.treated = treatedIndex != 0 && graphOutputFlags.treatedColorCoding != 0;
    int32_t status[kGraphPoints];
    StatusRowOfKind(p.kind, mixing, status);
    int colours[kGraphPoints];
    if (wellPage) {
        WellLogColours(code, a.yValues, n, logIndex, rules.treated, status, WellLogGraph::kPage,
                       colours, s.pointFlags);
    } else {
        ChartColours(code, a.yValues, n, rules, status, colours, s.pointFlags);
    }

    s.centreX = plot.left + Trunc(0.5 * s.plotWidth);
    s.centreY = plot.bottom + Trunc(0.5 * s.plotHeight);

    // Frame and plot area.
    const bool screen = p.target == RenderTarget::kScreen && !p.page;
    if (screen) {
        const bool colour = p.colorNow != 0;
        const win::HBRUSH frameBrush = colour ? p.tools.brushes[3] : p.tools.brushes[15];
        const win::HPEN framePen = colour ? p.tools.pens[11] : p.tools.pens[0];
        p.Use(framePen, frameBrush);
        p.Rect(frame);
        if (colour && p.exporting == 0) p.Use(p.tools.pens[11], p.tools.brushes[15]);
        p.Rect(plot);
    } else {
        p.Use(p.tools.pens[0], p.tools.brushes[15]);
        p.Rect(frame);
        p.Rect(plot);
    }

    // Text colours.
    const bool lightText = !p.page && p.colorNow != 0 && p.printing == 0 && p.exporting == 0;
    win::SelectObject(p.dc, lightText ? p.tools.pens[15] : p.tools.pens[0]);
    win::SetTextColor(p.dc, graphColorTable[lightText ? 15 : 0]);
    win::SetBkColor(p.dc, graphColorTable[lightText ? 0 : 15]);
    win::SetBkMode(p.dc, win::TRANSPARENT);

    // Title, x title and condition line.
    const char* title = a.axisTitles[AxisTitle::kGraph];
    if (title[0] != '\0') {
        p.UseFont(p.fonts.title, 0, 1);
        const int l = p.LineOfFont();
        const int middle = p.places.fitted ? (frame.left + frame.right) / 2 : s.centreX;
        p.Text(middle - p.HalfWidth(title), frame.top - Trunc(l / 3.0), title);
    }
    const char* xTitle = a.axisTitles[AxisTitle::kX];
    if (xTitle[0] != '\0') {
        p.UseFont(p.fonts.xTitle, 0, 1);
        const int l = p.LineOfFont();
        p.Text(s.centreX - p.HalfWidth(xTitle), frame.bottom + Trunc(1.5 * l), xTitle);
    }
    const char* subtitle = a.axisTitles[AxisTitle::kXSubtitle];
    if (subtitle[0] != '\0' && !p.page) {
        p.UseFont(p.fonts.subtitle, 1, 1);
        const int l = p.LineOfFont();
        p.Text(frame.right - Trunc(1.5 * l), s.centreY + p.HalfWidth(subtitle), subtitle);
    }

    // X axis.
    ChartReport chart;
    p.UseFont(p.fonts.xLabels, 1, 0);
    double xMin = 0.0, xMax = 0.0;
    for (int i = 0; i < n; ++i) {
        xMin = i == 0 ? a.xValues[i] : std::min(xMin, a.xValues[i]);
        xMax = i == 0 ? a.xValues[i] : std::max(xMax, a.xValues[i]);
    }
    a.xStep = n > 0 ? (xMax - xMin) / n : 0.0;
    const int slot = n > 0 ? Trunc(static_cast<double>(s.plotWidth) / n) : 0;
    for (int i = 0; i < kGraphPoints; ++i)
        s.pointTemperatures[g][i] = i < n ? static_cast<float>(a.xValues[i]) : 0.0f;
    char xSuffix[kAxisSuffixChars] = " ";
    bool xScaled = false;
    const int labelY = plot.bottom - Trunc(0.25 * p.lineUnit);
    const std::vector<std::string> labels = PointLabels(p, n, xSuffix, xScaled);
    const int labelLine = p.LineOfFont();
    const int labelEvery = LabelEvery(labelLine, slot);
    // A turned label stands left of where it is written: fitted, it is
    // centred under its bar.
    const int labelShift = p.places.fitted ? labelLine / 2 : 0;
    for (int i = 0; i < n; i += labelEvery) {
        const std::string& label = labels[static_cast<size_t>(i)];
        p.Text(plot.left + Trunc(0.5 * slot) + i * slot + labelShift, labelY, label.c_str());
        chart.xLabels.push_back(label);
    }
    if (xScaled && std::strcmp(xSuffix, " ") != 0) p.Text(plot.right, labelY, xSuffix);

    // Value axis.
    double yMin = 0.0, yMax = 0.0;
    for (int i = 0; i < n; ++i) {
        yMin = i == 0 ? a.yValues[i] : std::min(yMin, a.yValues[i]);
        yMax = i == 0 ? a.yValues[i] : std::max(yMax, a.yValues[i]);
    }
    const BarValueAxis axis = ComputeBarValueAxis(yMin, yMax);
    const double span = axis.high - axis.low;
    const double k = span > 0.0 ? s.plotHeight / span : 0.0;

    // Bars.
    const bool drawBars = !zeroRatio && !IsUnlistedCode(code) && n > 0;
    if (drawBars) {
        const bool handHatch = p.colorNow == 0 && graphOutputFlags.hatchPatterns != 0;
        for (int i = 0; i < n; ++i) {
            const int c = colours[i];
            BarRect& b = s.barRects[g][i];
            b.left = plot.left + i * slot + 1;
            b.right = plot.left + (i + 1) * slot + 1;
            b.bottom = plot.bottom + 1;
            b.top = b.bottom + Trunc((a.yValues[i] - axis.low) * k);
            const win::HPEN pen = p.colorNow != 0 ? p.tools.pens[c] : p.tools.pens[0];
            if (handHatch && c != 1 && c != 4) {
                p.Use(pen, static_cast<win::HBRUSH>(win::GetStockObject(win::NULL_BRUSH)));
                win::Rectangle(p.dc, b.left, b.top, b.right, b.bottom);
                const double spacing = (b.right - b.left) / 8.0;
                if (c == 2 || c == 5) HatchBarLines(p.dc, b, spacing, true);
                if (c == 14 || c == 5) HatchBarLines(p.dc, b, spacing, false);
            } else {
                p.Use(pen, p.tools.brushes[c]);
                win::Rectangle(p.dc, b.left, b.top, b.right, b.bottom);
            }
        }
    }

    // Ticks and labels of the value axis; a scale suffix joins the caption once.
    p.UseFont(p.fonts.yLabels, 0, 0);
    const int l = p.LineOfFont();
    const int avg = p.AverageWidth();
    win::SelectObject(p.dc, lightText ? p.tools.pens[15] : p.tools.pens[0]);
    const bool scaledAxis = IsScaledBarAxis(axis);
    const double step = axis.intervals > 0 ? span / axis.intervals : 0.0;
    char ySuffix[kAxisSuffixChars] = " ";
    double v = axis.low;
    const int tickEvery = LabelEvery(l, step * k);
    for (int j = 0; j <= axis.intervals; ++j) {
        const int y = plot.bottom + Trunc((v - axis.low) * k);
        win::MoveToEx(p.dc, plot.left - Trunc(2 * avg / 3), y, nullptr);
        win::LineTo(p.dc, plot.left, y);
        // Fitted to the texts, a chart with no graph leaves its numbers to
        // the notice in their place.
        if (j % tickEvery != 0 || (p.places.fitted && zeroRatio)) {
            v += step;
            continue;
        }
        char label[kAxisLabelChars];
        FormatBarTickLabel(v, axis, step, scaledAxis, label, ySuffix);
        const int width = static_cast<uint16_t>(GetSubSupTextWidth(p.dc, label));
        p.Text(plot.left - avg - width,
               plot.bottom + 1 + Trunc((v - axis.low) * k) + Trunc(0.5 * l), label);
        chart.yLabels.push_back(label);
        v += step;
    }
    AppendAxisScale(a, ySuffix);

    // Left captions.
    if (p.places.fitted) {
        DrawValueAxisTitles(p, a, frame.left, (frame.bottom + frame.top) / 2, p.lineUnit,
                            p.fonts.caption, p.fonts.unitCaption, p.places.captionGap);
    } else {
        DrawValueAxisTitles(p, a, frame.left, s.centreY, p.lineUnit, p.fonts.caption,
                            p.fonts.unitCaption);
    }

    // Outlines again.
    win::SelectObject(p.dc, win::GetStockObject(win::NULL_BRUSH));
    if (screen) {
        win::SelectObject(p.dc, p.colorNow != 0 ? p.tools.pens[11] : p.tools.pens[0]);
        p.Rect(frame);
        p.Rect(plot);
    } else {
        win::SelectObject(p.dc, p.tools.pens[0]);
        p.Rect(frame);
    }

    // The chart's own notice when its log index is undefined.
    if (zeroRatio) {
        p.UseFont(p.fonts.message, 0, 1);
        const int ml = p.LineOfFont();
        const char* lines[3] = {"Saturation Ratio (SR) is Zero",
                                "Saturation Index  (Log[SR])  is Undefined", "No Graph Possible"};
        const double at[3] = {4.5, 3.25, 2.0};
        const int colour[3] = {0, 4, 0};
        if (p.places.fitted) {
            // Fitted to the texts, the notice stands in the middle of the
            // plot, centred on the frame, its long line broken in two where
            // the frame is narrower.
            std::vector<std::pair<std::string, int>> shown = {{lines[0], 0}};
            const int room = frame.right - frame.left - 2 * p.places.captionGap;
            if (2 * p.HalfWidth(lines[1]) > room) {
                shown.emplace_back("Saturation Index  (Log[SR])", 4);
                shown.emplace_back("is Undefined", 4);
            } else {
                shown.emplace_back(lines[1], 4);
            }
            shown.emplace_back(lines[2], 0);
            const int middle = (frame.left + frame.right) / 2;
            int y = s.centreY + static_cast<int>(shown.size()) * ml / 2;
            for (const auto& [text, c] : shown) {
                win::SetTextColor(p.dc, graphColorTable[c]);
                p.Text(middle - p.HalfWidth(text.c_str()), y, text.c_str());
                y -= ml;
            }
        } else {
            for (int m = 0; m < 3; ++m) {
                win::SetTextColor(p.dc, graphColorTable[colour[m]]);
                p.Text(s.centreX - p.HalfWidth(lines[m]), Trunc(s.centreY + at[m] * ml), lines[m]);
            }
        }
    }

    if (p.report != nullptr) {
        chart.title = a.axisTitles[AxisTitle::kGraph];
        chart.caption = a.axisTitles[AxisTitle::kYCaption];
        chart.values.assign(a.yValues, a.yValues + n);
        chart.colours.assign(colours, colours + n);
        chart.message = zeroRatio;
        chart.bars = drawBars;
        p.report->charts.push_back(chart);
    }
}

// The common body once the picture and mapping are set.
void PaintCharts(Painter& p) {
    TwoDGraphState& s = twoDGraphState;
    char savedUnitCaption[kAxisTitleChars];
    std::memcpy(savedUnitCaption, graphAxisData.axisTitles[AxisTitle::kYUnitCaption],
                kAxisTitleChars);
    savedUnitCaption[kAxisTitleChars - 1] = '\0';
    if (!p.places.fitted) {
        p.lineUnit = Trunc(0.025 * s.pictureHeight);
        p.fonts = FractionalChartFonts(s);
    }
    for (int g = 0; g < p.charts; ++g) PaintChart(p, g, savedUnitCaption);
    p.ReleaseFont();
    s.graphsDrawn = s.graphCount;
}

int CountCharts(const uint16_t* codes, int* into) {
    int count = 0;
    while (count < kChartSlots && codes[count] != kNoGraphIndex) {
        into[count] = codes[count];
        ++count;
    }
    return count;
}

void BeginPaint(Painter& p, win::HDC dc) {
    p.dc = dc;
    p.target = graphOutputFlags.renderTarget;
    p.colorNow = graphOutputFlags.colorNow;
    p.exporting = graphOutputFlags.exportingGraph;
    p.originalFont = win::GetCurrentObject(dc, win::OBJ_FONT);
    FillBarPalette(p.colorNow, graphOutputFlags.printingGraph);
    p.tools.Make(UsePatternSet(graphOutputFlags.hatchPatterns, p.colorNow,
                               graphOutputFlags.printingGraph, graphOutputFlags.printColor));
}

}  // namespace

FittedPage FitPrinterPage(int width, int height) {
    FittedPage f{width, height, 0};
    if (height > Trunc(0.75 * width)) {
        f.height = Trunc(0.75 * width);
    } else if (Trunc(height / 0.75) < width) {
        f.d = Trunc((width - height / 0.75) * 0.5);
        f.width = Trunc(height / 0.75);
    }
    return f;
}

FittedPage LayBarPicture(const BarPaintDc& p, const BarTools& tools, win::HWND window,
                         uint32_t target) {
    const win::HDC dc = p.dc;
    FittedPage area{0, 0, 0};
    if (target == RenderTarget::kPrinter) {
        area = FitPrinterPage(win::GetDeviceCaps(dc, win::HORZRES),
                              win::GetDeviceCaps(dc, win::VERTRES));
        graphOutputFlags.printingGraph = 1;
    } else {
        win::RECT client{};
        win::GetClientRect(window, &client);
        area.width = std::abs(client.right - client.left);
        area.height = std::abs(client.top - client.bottom);
        graphOutputFlags.printingGraph = 0;
    }
    const int width = area.width, height = area.height;
    win::SetMapMode(dc, win::MM_ANISOTROPIC);
    win::SetWindowOrgEx(dc, 0, 0, nullptr);
    win::SetWindowExtEx(dc, std::max(width, 1), std::max(height, 1), nullptr);
    win::SetViewportExtEx(dc, std::max(width, 1), -std::max(height, 1), nullptr);
    win::SetViewportOrgEx(dc, 0, height, nullptr);
    if (target != RenderTarget::kPrinter) {
        p.Use(tools.pens[15], tools.brushes[15]);
        win::Rectangle(dc, 0, 0, width + 1, height + 1);
    }
    return area;
}

void LayOutBarCharts(int width, int height, int d, bool fourCharts, TwoDGraphState& s) {
    const double w = width, h = height;
    if (!fourCharts) {
        s.pictureWidth = width;
        s.pictureHeight = height;
        s.plotRects[0] =
            ChartRect{d + Trunc(0.16 * w), Trunc(0.15 * h), d + Trunc(0.9 * w), Trunc(0.9 * h)};
        s.frameRects[0] = ChartRect{d + Trunc(0.012 * w), Trunc(0.012 * h), d + Trunc(0.988 * w),
                                    Trunc(0.988 * h)};
    } else {
        const int x0 = d + Trunc(0.001 * w), x1 = d + Trunc(0.501 * w);
        const int y0 = Trunc(0.001 * h), y1 = Trunc(0.501 * h);
        s.pictureWidth = Trunc(0.5 * w);
        s.pictureHeight = Trunc(0.5 * h);
        const double cw = s.pictureWidth, ch = s.pictureHeight;
        const int ox[kChartSlots] = {x0, x1, x0, x1};
        const int oy[kChartSlots] = {y0, y0, y1, y1};
        for (int g = 0; g < kChartSlots; ++g) {
            s.plotRects[g] = ChartRect{ox[g] + Trunc(0.16 * cw), oy[g] + Trunc(0.15 * ch),
                                       ox[g] + Trunc(0.9 * cw), oy[g] + Trunc(0.9 * ch)};
            s.frameRects[g] = ChartRect{ox[g] + Trunc(0.005 * cw), oy[g] + Trunc(0.005 * ch),
                                        ox[g] + Trunc(0.995 * cw), oy[g] + Trunc(0.995 * ch)};
        }
    }
    s.plotWidth = std::abs(s.plotRects[0].right - s.plotRects[0].left);
    s.plotHeight = std::abs(s.plotRects[0].top - s.plotRects[0].bottom);
}

void DrawTwoDGraphReported(win::HDC dc, win::HWND window, BarGraphReport* report) {
    Painter p;
    p.report = report;
    const uint32_t kind = graphProfileKind;
    p.kind = static_cast<int>(kind);
    const int saved = win::SaveDC(dc);
    BeginPaint(p, dc);
    TwoDGraphState& s = twoDGraphState;
    p.charts = CountCharts(graphIndexCodes, p.codes);
    s.graphCount = p.charts;

    const FittedPage area = LayBarPicture(p, p.tools, window, p.target);
    const int width = area.width, height = area.height;
    p.printing = graphOutputFlags.printingGraph;
    LayOutBarCharts(width, height, area.d, p.charts > 1, s);
    if (width > 0 && height > 0) PaintCharts(p);
    s.graphsDrawn = s.graphCount;
    win::RestoreDC(dc, saved);
    p.tools.Release();
}

void DrawTwoDGraph(win::HDC dc, win::HWND window) {
    DrawTwoDGraphReported(dc, window, nullptr);
}

namespace {

// The texts the page block's charts will write, for the room they need.
PageChartTexts PageTexts(const Painter& p) {
    PageChartTexts t;
    char suffix[kAxisSuffixChars] = " ";
    bool scaled = false;
    t.xLabels = PointLabels(p, PointCountOf(p.kind, true), suffix, scaled);
    const char* unit = graphAxisData.axisTitles[AxisTitle::kYUnitCaption];
    t.unitCaption = unit[0] != '\0';
    t.longestCaption = std::string(unit) + " (E-00)";
    for (int g = 0; g < kChartSlots; ++g) {
        const ChartTexts texts = p.kind == ChartKind::kWellPage
                                     ? WellLogTitles(p.codes[g], WellLogGraph::kPage)
                                     : ChartTitles(p.codes[g], false, true);
        const std::string caption = std::string(texts.caption) + " (E-00)";
        if (caption.size() > t.longestCaption.size()) t.longestCaption = caption;
        if (std::strlen(texts.title) > t.longestTitle.size()) t.longestTitle = texts.title;
    }
    return t;
}

int DrawPageBlock(int kind, win::HDC dc, win::HWND /*window*/, int left, int top, int right,
                  int bottom, BarGraphReport* report) {
    Painter p;
    p.report = report;
    p.page = true;
    p.kind = kind;
    // The page's mapping is saved here and put back at the end, so text the
    // page writes afterwards lands where it would have.
    const int saved = win::SaveDC(dc);
    BeginPaint(p, dc);
    graphOutputFlags.printingGraph = 0;
    p.printing = 0;
    TwoDGraphState& s = twoDGraphState;
    for (int g = 0; g < kChartSlots; ++g) p.codes[g] = displaySettings.graphParams[g];
    p.charts = kChartSlots;
    s.graphCount = kChartSlots;
    graphAxisData.axisTitles[AxisTitle::kXSubtitle][0] = '\0';

    const int width = std::abs(right - left);
    const int height = std::abs(top - bottom);
    win::SetMapMode(dc, win::MM_ANISOTROPIC);
    if (pagePrinting == 1 || pagePrinting == 2) {
        win::SetWindowOrgEx(dc, -left, printablePageHeight - height, nullptr);
        win::SetWindowExtEx(dc, std::max(width, 1), std::min(Trunc(-0.95 * height), -1), nullptr);
        win::SetViewportExtEx(dc, std::max(width, 1), std::max(Trunc(0.95 * height), 1), nullptr);
        win::SetViewportOrgEx(dc, 0, height, nullptr);
    } else {
        // On screen `top` is the row below the block's foot.
        win::SetWindowOrgEx(dc, -left, top - height, nullptr);
        win::SetWindowExtEx(dc, std::max(width, 1), -std::max(height, 1), nullptr);
        win::SetViewportExtEx(dc, std::max(width, 1), std::max(height, 1), nullptr);
        win::SetViewportOrgEx(dc, 0, height, nullptr);
    }
    LayOutBarCharts(width, height, 0, true, s);
    if (width > 0 && height > 0) {
        p.lineUnit = Trunc(0.025 * s.pictureHeight);
        p.fonts = AtLeastReadable(FractionalChartFonts(s));
        p.places = FitPageCharts(p, p.fonts, PageTexts(p), width, height, p.lineUnit, s);
        PaintCharts(p);
    }
    s.graphsDrawn = kChartSlots;
    win::RestoreDC(dc, saved);
    p.tools.Release();
    return 0;
}

}  // namespace

int DrawReportGraphReported(win::HDC dc, win::HWND window, int left, int top, int right, int bottom,
                            BarGraphReport* report) {
    return DrawPageBlock(ChartKind::kReportPage, dc, window, left, top, right, bottom, report);
}

int DrawWellPageBarsReported(win::HDC dc, win::HWND window, int left, int top, int right,
                             int bottom, BarGraphReport* report) {
    return DrawPageBlock(ChartKind::kWellPage, dc, window, left, top, right, bottom, report);
}

int DrawReportGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom) {
    return DrawReportGraphReported(dc, window, left, top, right, bottom, nullptr);
}

void PrepareReportPageAxis() {
    GraphAxisData& a = graphAxisData;
    for (int i = 0; i < kGraphPoints; ++i) a.xValues[i] = wellProfiles.wellLog.temperature[i];
    std::snprintf(a.axisTitles[AxisTitle::kX], kAxisTitleChars, "Temperature%s",
                  GraphTemperatureUnit());
}

int DrawReportPageGraph(win::HDC dc, win::HWND window, int left, int top, int right, int bottom) {
    PrepareReportPageAxis();
    graphOutputFlags.exportingGraph = 0;
    const int result = DrawReportGraph(dc, window, left, top, right, bottom);
    graphOutputFlags.exportingGraph = 0;
    return result;
}
