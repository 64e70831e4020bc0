// The pH-alkalinity picture: frames, title and captions, the alkalinity
// labels, the model curve, the measured pairs, the pH ticks and labels. One
// logical unit is one device pixel and logical y grows upward from the
// bottom edge of the picture.
#include "graphs/alkcurve/draw_alk_curve.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/carbonate/carbonate_records.h"
#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/axis/graph_font.h"
#include "graphs/graph_output_records.h"
#include "input/records.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "reporttext/format/axis_number.h"
#include "reporttext/format/sub_sup_text.h"
#include "shell/startup/startup_records.h"

namespace {

constexpr char kTitle[] = "pH - Alkalinity Profile";
constexpr char kXCaption[] = "Total Alkalinity";
constexpr char kYCaption[] = "pH";

const win::COLORREF kDarkTeal = win::RGB(0, 60, 60);
const win::COLORREF kCyan = win::RGB(0, 255, 255);
const win::COLORREF kWhite = win::RGB(255, 255, 255);
const win::COLORREF kBlack = win::RGB(0, 0, 0);
const win::COLORREF kRed = win::RGB(255, 0, 0);

struct Tools {
    win::HBRUSH tealBrush, cyanBrush, whiteBrush, blackBrush, redBrush;
    win::HPEN whitePen, cyanPen, tealPen, redPen, blackPen;
};

Tools MakeTools() {
    Tools t{};
    t.tealBrush = win::CreateSolidBrush(kDarkTeal);
    t.cyanBrush = win::CreateSolidBrush(kCyan);
    t.whiteBrush = win::CreateSolidBrush(kWhite);
    t.blackBrush = win::CreateSolidBrush(kBlack);
    t.redBrush = win::CreateSolidBrush(kRed);
    t.whitePen = win::CreatePen(win::PS_SOLID, 2, kWhite);
    t.cyanPen = win::CreatePen(win::PS_SOLID, 2, kCyan);
    t.tealPen = win::CreatePen(win::PS_SOLID, 2, kDarkTeal);
    t.redPen = win::CreatePen(win::PS_SOLID, 2, kRed);
    t.blackPen = win::CreatePen(win::PS_SOLID, 2, kBlack);
    return t;
}

void DeleteTools(const Tools& t) {
    const win::HGDIOBJ all[] = {t.tealBrush, t.cyanBrush, t.whiteBrush, t.blackBrush, t.redBrush,
                                t.whitePen,  t.cyanPen,   t.tealPen,    t.redPen,     t.blackPen};
    for (win::HGDIOBJ o : all) win::DeleteObject(o);
}

win::HFONT ScreenFont() {
    if (screenFonts.pageFont != nullptr) return screenFonts.pageFont;
    return reinterpret_cast<win::HFONT>(win::GetStockObject(win::SYSTEM_FONT));
}

// The graph font of the paint: the screen font goes back in before the old
// graph font is deleted.
void ReleaseGraphFont(win::HDC dc) {
    AlkGraphState& s = alkGraphState;
    if (s.graphFontMade == 0) return;
    win::SelectObject(dc, ScreenFont());
    if (s.graphFont != nullptr) win::DeleteObject(s.graphFont);
    s.graphFont = nullptr;
    s.graphFontMade = 0;
}

// Quarter turns count counter-clockwise in a picture whose y grows upward; the
// font factory counts them on the device, where y grows downward.
void UseFont(win::HDC dc, int height, uint32_t quarterTurns, uint32_t bold) {
    ReleaseGraphFont(dc);
    const uint32_t turns = quarterTurns == 1 ? 3 : (quarterTurns == 3 ? 1 : quarterTurns);
    AlkGraphState& s = alkGraphState;
    s.graphFont = CreateGraphFont(1, 0, std::max(height, 1), turns, bold);
    if (s.graphFont != nullptr) {
        win::SelectObject(dc, s.graphFont);
        s.graphFontMade = 1;
    }
}

win::TEXTMETRICA Metrics(win::HDC dc) {
    win::TEXTMETRICA tm{};
    (void)win::GetTextMetricsA(dc, &tm);
    return tm;
}
int LineOf(win::HDC dc) {
    const win::TEXTMETRICA tm = Metrics(dc);
    return tm.tmHeight + tm.tmExternalLeading;
}
int HalfWidth(win::HDC dc, const char* text) {
    return GetSubSupTextWidth(dc, text) / 2;
}

void Outline(win::HDC dc, const win::RECT& r) {
    win::Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

struct Layout {
    int width = 0, height = 0, margin = 0;
    win::RECT background{};
    win::RECT plot{};   // P
    win::RECT frame{};  // O
    int plotWidth = 0, plotHeight = 0, cx = 0, cy = 0;
};

// The picture's size and rectangles. The printer's margin centres a picture
// narrowed to 4:3 across the page; it moves nothing vertically.
Layout LayOut(win::HDC dc, win::HWND window, bool printer) {
    Layout l;
    if (printer) {
        int w = alkGraphState.printerWidth;
        int h = alkGraphState.printerHeight;
        if (w <= 0 || h <= 0) {
            w = win::GetDeviceCaps(dc, win::HORZRES);
            h = win::GetDeviceCaps(dc, win::VERTRES);
        }
        const AlkPage page = FitAlkPrinterPage(w, h);
        l.width = page.width;
        l.height = page.height;
        l.margin = page.margin;
        l.background = win::RECT{0, 0, w, h};
    } else {
        win::RECT client{};
        win::GetClientRect(window, &client);
        l.width = std::abs(client.right - client.left);
        l.height = std::abs(client.bottom - client.top);
        l.background = client;
    }
    const double w = l.width;
    const double h = l.height;
    const int m = l.margin;
    l.plot = win::RECT{m + AlkTrunc(0.16 * w), AlkTrunc(0.9 * h), m + AlkTrunc(0.9 * w),
                       AlkTrunc(0.15 * h)};
    l.frame = win::RECT{m + AlkTrunc(0.012 * w), AlkTrunc(0.988 * h), m + AlkTrunc(0.988 * w),
                        AlkTrunc(0.012 * h)};
    l.plotWidth = std::abs(l.plot.right - l.plot.left);
    l.plotHeight = std::abs(l.plot.top - l.plot.bottom);
    l.cx = l.plot.left + AlkTrunc(0.5 * l.plotWidth);
    l.cy = l.plot.bottom + AlkTrunc(0.5 * l.plotHeight);
    return l;
}

void CopyCaption(char* to, const char* text) {
    std::snprintf(to, kAlkCaptionChars, "%s", text);
}

// The numbers of the curve: both axes over the first sampling and the pairs,
// then the curve sampled again up to the end of the alkalinity axis.
struct Plot {
    AlkAxis x{}, y{};
    AlkSamples samples{};
};

Plot PlanCurve(int pairs) {
    const AlkCurvePoints& p = alkCurvePoints;
    Plot plot;
    AlkAnchors anchors = AlkCurveAnchors(p.pair[pairs - 1][1]);
    const AlkSamples first = SampleAlkCurve(anchors, userAlkCurve);
    const AlkExtents e = AlkDataExtents(first, p, pairs);
    plot.y = AlkPhAxis(e.ymin, e.ymax);
    plot.x = AlkAlkalinityAxis(e.xmin, e.xmax);
    anchors[kAlkAnchorCount - 1] = static_cast<float>(plot.x.high);
    plot.samples = SampleAlkCurve(anchors, userAlkCurve);
    return plot;
}

}  // namespace

int DrawAlkCurve(win::HDC dc, win::HWND window) {
    return DrawAlkCurveReported(dc, window, nullptr);
}

int DrawAlkCurveReported(win::HDC dc, win::HWND window, AlkCurveReport* report) {
    AlkGraphState& s = alkGraphState;
    const bool printer = graphOutputFlags.renderTarget == RenderTarget::kPrinter;
    s.printing = printer ? 1 : 0;
    const Layout l = LayOut(dc, window, printer);
    if (l.width <= 0 || l.height <= 0) return 0;  // nothing to show in a client of no size
    // The screen's dark frame; paper style and the printer get white.
    const bool screenStyle = !printer && s.paperStyle == 0;
    CopyCaption(s.title, kTitle);
    CopyCaption(s.xCaption, kXCaption);
    CopyCaption(s.yCaption, kYCaption);

    const Tools t = MakeTools();
    ReleaseGraphFont(dc);
    s.savedFont = win::SelectObject(dc, ScreenFont());
    const win::HGDIOBJ savedPen = win::SelectObject(dc, t.whitePen);
    const win::HGDIOBJ savedBrush = win::SelectObject(dc, t.whiteBrush);

    win::SetMapMode(dc, win::MM_ANISOTROPIC);
    win::SetWindowOrgEx(dc, 0, 0, nullptr);
    win::SetWindowExtEx(dc, l.width, l.height, nullptr);
    win::SetViewportExtEx(dc, l.width, -l.height, nullptr);
    win::SetViewportOrgEx(dc, 0, l.height, nullptr);

    Outline(dc, l.background);
    win::SelectObject(dc, screenStyle ? t.cyanPen : t.blackPen);
    win::SelectObject(dc, screenStyle ? t.tealBrush : t.whiteBrush);
    Outline(dc, l.frame);
    win::SelectObject(dc, t.whiteBrush);
    Outline(dc, l.plot);

    // On the screen the texts are white on dark teal; on paper black.
    const bool lightText = s.paperStyle == 0 && s.printing == 0;
    const win::HPEN textPen = lightText ? t.whitePen : t.blackPen;
    win::SelectObject(dc, textPen);
    win::SetTextColor(dc, lightText ? kWhite : kBlack);
    win::SetBkMode(dc, win::TRANSPARENT);

    if (s.title[0] != '\0') {
        UseFont(dc, AlkTrunc(0.075 * l.plotHeight), 0, 1);
        TextOutSubSup(dc, l.cx - HalfWidth(dc, s.title), l.frame.top - AlkTrunc(0.5 * LineOf(dc)),
                      s.title);
    }
    if (s.xCaption[0] != '\0') {
        UseFont(dc, AlkTrunc(0.05 * l.plotHeight), 0, 1);
        TextOutSubSup(dc, l.cx - HalfWidth(dc, s.xCaption),
                      l.frame.bottom + AlkTrunc(1.5 * LineOf(dc)), s.xCaption);
    }

    // Without a pair (the dialog dropped its pairs under an open window)
    // there is no curve to place: frames and captions only.
    const int pairs = std::clamp<int>(alkCurvePoints.count, 0, kAlkCurvePairCount);
    char suffix[kAxisSuffixChars] = " ";
    Plot plot;
    if (report != nullptr) {
        *report = AlkCurveReport{};
        report->plot = l.plot;
        report->frame = l.frame;
    }
    if (pairs > 0) {
        plot = PlanCurve(pairs);
        const AlkAxis& x = plot.x;
        const AlkAxis& y = plot.y;
        if (report != nullptr) {
            report->curve = true;
            report->x = x;
            report->y = y;
        }

        // Alkalinity labels, hanging below the plot; no tick marks.
        UseFont(dc, AlkTrunc(0.0375 * l.height), 1, 0);
        const int th = LineOf(dc);
        const int division = AlkTrunc(static_cast<double>(l.plotWidth) / std::max(x.divisions, 1));
        const int labelY = l.plot.bottom - AlkTrunc(0.25 * th);
        int tickCount = 0;
        const auto ticks = AlkAlkalinityTicks(x, tickCount);
        char xSuffix[kAxisSuffixChars] = " ";
        for (int k = 0; k < tickCount; ++k) {
            char label[kAxisLabelChars] = {};
            AlkAlkalinityLabel(ticks[k], x, label, xSuffix);
            TextOutSubSup(dc, l.plot.left + AlkTrunc(0.5 * th) + k * division, labelY, label);
            if (report != nullptr) report->xLabels.emplace_back(label);
        }
        if (std::fabs(x.high - x.low) < 0.01) TextOutSubSup(dc, l.plot.right, labelY, xSuffix);

        const double sx = l.plotWidth / (x.high - x.low);
        const double sy = l.plotHeight / (y.high - y.low);
        auto map = [&](double a, double p) {
            return win::POINT{l.plot.left + 1 + AlkTrunc((a - x.low) * sx),
                              l.plot.bottom + 1 + AlkTrunc((p - y.low) * sy)};
        };

        // The curve from its first point inside the axis to the first beyond it.
        win::SelectObject(dc, t.redPen);
        win::SelectObject(dc, t.redBrush);
        int i = 0;
        while (i < kAlkSampleCount && plot.samples[i].y < y.low) ++i;
        if (i < kAlkSampleCount) {
            const win::POINT start = map(plot.samples[i].x, plot.samples[i].y);
            win::MoveToEx(dc, start.x, start.y, nullptr);
            for (; i < kAlkSampleCount; ++i) {
                const AlkSample& p = plot.samples[i];
                if (p.y > y.high || p.x > x.high) break;
                const win::POINT to = map(p.x, p.y);
                win::LineTo(dc, to.x, to.y);
                if (report != nullptr) report->line.push_back(to);
            }
        }

        win::SelectObject(dc, t.blackBrush);
        win::SelectObject(dc, t.blackPen);
        const int half = AlkMarkerHalfSize(l.plotWidth);
        for (int k = 0; k < pairs; ++k) {
            const win::POINT at = map(alkCurvePoints.pair[k][1], alkCurvePoints.pair[k][0]);
            const auto marker = AlkMarker(at.x, at.y, half);
            win::Polygon(dc, marker.data(), static_cast<int>(marker.size()));
        }

        // pH ticks and labels left of the plot.
        UseFont(dc, AlkTrunc(0.0425 * l.height), 0, 0);
        win::SelectObject(dc, textPen);
        const win::TEXTMETRICA tm = Metrics(dc);
        const int lh = tm.tmHeight + tm.tmExternalLeading;
        const double step = (y.high - y.low) / y.divisions;
        double v = y.low;
        for (int k = 0; k <= y.divisions; ++k, v += step) {
            const int yv = l.plot.bottom + AlkTrunc((v - y.low) * sy);
            win::MoveToEx(dc, l.plot.left - AlkTrunc(2.0 * tm.tmAveCharWidth / 3.0), yv, nullptr);
            win::LineTo(dc, l.plot.left, yv);
            char label[kAxisLabelChars] = {};
            AlkPhLabel(v, y, label, suffix);
            TextOutSubSup(dc, l.plot.left - tm.tmAveCharWidth - GetSubSupTextWidth(dc, label),
                          yv + 1 + AlkTrunc(0.5 * lh), label);
            if (report != nullptr) report->yLabels.emplace_back(label);
        }
    }

    // The pH caption, with the scale of scaled pH labels.
    if (s.yCaption[0] != '\0') {
        std::string caption = s.yCaption;
        if (std::strlen(suffix) > 0 && std::strcmp(suffix, " ") != 0)
            caption += std::string(" (") + suffix + ")";
        UseFont(dc, AlkTrunc(0.048 * l.height), 3, 1);
        // The report pages' line height stands in as the gap from the frame.
        TextOutSubSup(dc, l.frame.left + AlkTrunc(0.025 * l.height),
                      l.cy - HalfWidth(dc, caption.c_str()), caption.c_str());
        if (report != nullptr) report->yCaption = caption;
    }

    win::SelectObject(dc, win::GetStockObject(win::NULL_BRUSH));
    win::SelectObject(dc, screenStyle ? t.cyanPen : t.blackPen);
    Outline(dc, l.frame);
    Outline(dc, l.plot);

    win::SelectObject(dc, s.savedFont);
    win::SelectObject(dc, savedBrush);
    win::SelectObject(dc, savedPen);
    if (s.graphFont != nullptr) win::DeleteObject(s.graphFont);
    s.graphFont = nullptr;
    s.graphFontMade = 0;
    DeleteTools(t);
    return 0;
}
