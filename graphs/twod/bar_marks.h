// The marks every bar-graph painter draws the same way: the labels of the
// points under a chart, the tick labels of its value axis, and the lines
// that hatch a bar by hand; and the device context they paint with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphs/axis/axis_scale.h"
#include "graphs/two_d_graph_records.h"
#include "platform/gdi/gdi_types.h"

// The label of a point (kAxisLabelChars bytes, cut to five characters): a
// number scaled to the axis (FormatAxisNumber, which writes `suffix` and sets
// `scaled`) when the smallest or largest value is small but not zero, or the
// values reach 100000; otherwise a width chosen by the value's magnitude.
void FormatBarPointLabel(double x, double xMin, double xMax, double xStep, char* text, char* suffix,
                         bool& scaled);

// The labels of unscaled points that read as 0 or as a neighbour's (the pCO2
// points from 0.0034 atm beside 0.17 read "0.0") written again with the
// digits that tell them apart, in five characters.
void TellBarPointLabelsApart(const double* xValues, std::vector<std::string>& labels);

// Whether the tick labels of the axis are scaled to its magnitude.
[[nodiscard]] bool IsScaledBarAxis(const BarValueAxis& a);

// The tick label of `v` (kAxisLabelChars bytes, cut to five characters).
void FormatBarTickLabel(double v, const BarValueAxis& a, double step, bool scaledAxis, char* text,
                        char* suffix);

// The bold sans-serif graph font of that height (at least 1) turned by
// `quarterTurns` quarters as read in the painters' upward mapping. The caller
// deletes it.
[[nodiscard]] win::HFONT MakeBarFont(int height, uint32_t quarterTurns, uint32_t bold);

// The device context of a bar-graph paint with the graph font it has made
// current; the painters build on it.
struct BarPaintDc {
    win::HDC dc = nullptr;
    win::HFONT font = nullptr;
    win::HGDIOBJ originalFont = nullptr;

    // Makes the font current, deleting the one before it.
    void UseFont(int height, uint32_t quarterTurns, uint32_t bold);
    // Puts the original font back and deletes the graph font.
    void ReleaseFont();
    // Height plus external leading, and the average character width.
    [[nodiscard]] int LineOfFont() const;
    [[nodiscard]] int AverageWidth() const;
    // Half the width of a text with sub- and superscripts.
    [[nodiscard]] int HalfWidth(const char* text) const;
    void Text(int x, int y, const char* text) const;
    // Selects the pen and the brush; draws a rectangle with them.
    void Use(win::HPEN pen, win::HBRUSH brush) const;
    void Rect(const ChartRect& r) const;
};

// A scaled axis's suffix (not " ") appended as " (suffix)" to the unit
// caption, or to the caption when there is no unit caption.
void AppendAxisScale(GraphAxisData& a, const char* suffix);
// The value axis's caption and unit caption, turned to read upward, left of
// the plot centred on centreY, in fonts of the two heights; the unit caption
// stands `unitGap` right of the frame's edge, 0: by its font (7/3 of its line).
void DrawValueAxisTitles(BarPaintDc& p, const GraphAxisData& a, int frameLeft, int centreY,
                         int lineUnit, int captionFont, int unitFont, int unitGap = 0);

// Whether the bar's rectangle holds the logical point (x, y), tested as the
// click boxes test it: through a polygon region of its corners.
[[nodiscard]] bool BarHoldsPoint(const BarRect& b, int x, int y);

// 45-degree lines `spacing` apart inside the bar, rising to the right or
// falling, with the pen selected in `dc`.
void HatchBarLines(win::HDC dc, const BarRect& b, double spacing, bool rising);
