// Point labels, tick labels and hand hatching of the bar graphs.
#include "graphs/twod/bar_marks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "graphs/axis/graph_font.h"
#include "platform/gdi/gdi.h"
#include "reporttext/format/axis_number.h"
#include "reporttext/format/distinct_digits.h"
#include "reporttext/format/sub_sup_text.h"

namespace {

constexpr int kLabelChars = 5;  // axis labels are cut to five characters

int Trunc(double v) {
    return static_cast<int>(v);
}

}  // namespace

void FormatBarPointLabel(double x, double xMin, double xMax, double xStep, char* text, char* suffix,
                         bool& scaled) {
    if ((xMin != 0.0 && std::fabs(xMin) < 0.01 && xMin < 0.01) || (xMax != 0.0 && xMax < 0.01) ||
        std::max(std::fabs(xMin), std::fabs(xMax)) >= 100000.0) {
        FormatAxisNumber(x, xMin, xMax, xStep, 0, text, suffix);
        scaled = true;
    } else if (x == 0.0) {
        std::snprintf(text, kAxisLabelChars, "%-4.0f", x);
    } else if (x < 1.0) {
        std::snprintf(text, kAxisLabelChars, "%-4.3f", x);
    } else if (x < 10.0) {
        std::snprintf(text, kAxisLabelChars, "%-4.2f", x);
    } else if (x < 100.0) {
        std::snprintf(text, kAxisLabelChars, "%-4.1f", x);
    } else if (x < 1000.0) {
        std::snprintf(text, kAxisLabelChars, "%-5.0f", x);
    } else {
        std::snprintf(text, kAxisLabelChars, "%-6.0f", x);
    }
    text[kLabelChars] = '\0';
}

void TellBarPointLabelsApart(const double* xValues, std::vector<std::string>& labels) {
    const std::vector<double> values(xValues, xValues + labels.size());
    for (size_t i = 0; i < labels.size(); ++i) {
        if (ReadsApart(labels, values, i)) continue;
        std::string text = DistinctPointText(values, i, 2, kLabelChars);
        labels[i] = text.erase(0, text.find_first_not_of(' '));
    }
}

bool IsScaledBarAxis(const BarValueAxis& a) {
    return a.low < 0.01 || a.high < 0.01 ||
           std::max(std::fabs(a.low), std::fabs(a.high)) >= 100000.0;
}

void FormatBarTickLabel(double v, const BarValueAxis& a, double step, bool scaledAxis, char* text,
                        char* suffix) {
    if (scaledAxis) {
        FormatAxisNumber(v, a.low, a.high, step, 0, text, suffix);
    } else if (v == 0.0) {
        std::snprintf(text, kAxisLabelChars, "%4.0f", v);
    } else if (v < 1.0) {
        std::snprintf(text, kAxisLabelChars, "%4.3f", v);
    } else if (v < 10.0) {
        std::snprintf(text, kAxisLabelChars, "%4.2f", v);
    } else if (v < 100.0) {
        std::snprintf(text, kAxisLabelChars, "%4.1f", v);
    } else if (v < 1000.0) {
        std::snprintf(text, kAxisLabelChars, "%4.0f", v);
    } else {
        std::snprintf(text, kAxisLabelChars, "%4g", v);
    }
    text[kLabelChars] = '\0';
}

win::HFONT MakeBarFont(int height, uint32_t quarterTurns, uint32_t bold) {
    // The layout's reference points are those of text turned in a mapping
    // whose y grows upward, where a quarter turn reads the other way round:
    // labels hang below the axis, captions centre on it.
    const uint32_t turns = quarterTurns == 1 ? 3 : (quarterTurns == 3 ? 1 : quarterTurns);
    return CreateGraphFont(1, 0, std::max(height, 1), turns, bold);
}

void HatchBarLines(win::HDC dc, const BarRect& b, double spacing, bool rising) {
    const double left = b.left, right = b.right;
    const double bottom = std::min(b.bottom, b.top), top = std::max(b.bottom, b.top);
    const double w = right - left, h = top - bottom;
    if (w <= 0.0 || h <= 0.0) return;
    spacing = std::max(spacing, 1.0);
    for (double c = -w + spacing; c < h; c += spacing) {
        // Rising: y - bottom = (x - left) + c; falling: y - bottom = (right - x) + c.
        const double x0 = std::max(0.0, -c), x1 = std::min(w, h - c);
        if (x1 <= x0) continue;
        const int ya = Trunc(bottom + x0 + c), yb = Trunc(bottom + x1 + c);
        const int xa = rising ? Trunc(left + x0) : Trunc(right - x0);
        const int xb = rising ? Trunc(left + x1) : Trunc(right - x1);
        win::MoveToEx(dc, xa, ya, nullptr);
        win::LineTo(dc, xb, yb);
    }
}

void BarPaintDc::UseFont(int height, uint32_t quarterTurns, uint32_t bold) {
    win::SelectObject(dc, originalFont);
    if (font != nullptr) win::DeleteObject(font);
    font = MakeBarFont(height, quarterTurns, bold);
    if (font != nullptr) win::SelectObject(dc, font);
}

void BarPaintDc::ReleaseFont() {
    win::SelectObject(dc, originalFont);
    if (font != nullptr) win::DeleteObject(font);
    font = nullptr;
}

int BarPaintDc::LineOfFont() const {
    win::TEXTMETRICA tm;
    if (!win::GetTextMetricsA(dc, &tm)) return 0;
    return tm.tmHeight + tm.tmExternalLeading;
}

int BarPaintDc::AverageWidth() const {
    win::TEXTMETRICA tm;
    if (!win::GetTextMetricsA(dc, &tm)) return 0;
    return tm.tmAveCharWidth;
}

int BarPaintDc::HalfWidth(const char* text) const {
    return static_cast<uint16_t>(GetSubSupTextWidth(dc, text)) / 2;
}

void BarPaintDc::Text(int x, int y, const char* text) const {
    TextOutSubSup(dc, x, y, text);
}

void BarPaintDc::Use(win::HPEN pen, win::HBRUSH brush) const {
    win::SelectObject(dc, pen);
    win::SelectObject(dc, brush);
}

void BarPaintDc::Rect(const ChartRect& r) const {
    win::Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

bool BarHoldsPoint(const BarRect& b, int x, int y) {
    const win::POINT corners[5] = {{b.left, b.top},
                                   {b.left, b.bottom},
                                   {b.right, b.bottom},
                                   {b.right, b.top},
                                   {b.left, b.top}};
    win::HRGN region = win::CreatePolygonRgn(corners, 5, win::WINDING);
    if (region == nullptr) return false;
    const bool holds = win::PtInRegion(region, x, y) != 0;
    win::DeleteObject(region);
    return holds;
}

void AppendAxisScale(GraphAxisData& a, const char* suffix) {
    if (std::strcmp(suffix, " ") == 0) return;
    char scale[kAxisSuffixChars + 4];
    std::snprintf(scale, sizeof scale, " (%s)", suffix);
    char* unit = a.axisTitles[AxisTitle::kYUnitCaption];
    char* caption = a.axisTitles[AxisTitle::kYCaption];
    char* into = unit[0] != '\0' ? unit : caption;
    const std::size_t used = std::strlen(into);
    std::snprintf(into + used, kAxisTitleChars - used, "%s", scale);
}

void DrawValueAxisTitles(BarPaintDc& p, const GraphAxisData& a, int frameLeft, int centreY,
                         int lineUnit, int captionFont, int unitFont, int unitGap) {
    const char* caption = a.axisTitles[AxisTitle::kYCaption];
    if (caption[0] != '\0') {
        p.UseFont(captionFont, 3, 1);
        p.Text(frameLeft + lineUnit / 3, centreY - p.HalfWidth(caption), caption);
    }
    const char* unit = a.axisTitles[AxisTitle::kYUnitCaption];
    if (unit[0] != '\0') {
        p.UseFont(unitFont, 3, 1);
        const int line = p.LineOfFont();
        const int gap = unitGap > 0 ? unitGap : static_cast<int>(7.0 * line / 3.0);
        p.Text(frameLeft + gap, centreY - p.HalfWidth(unit), unit);
    }
}
