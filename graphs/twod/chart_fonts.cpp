#include "graphs/twod/chart_fonts.h"

#include <algorithm>
#include <cstdlib>

#include "graphs/twod/bar_graph.h"
#include "graphs/twod/bar_marks.h"
#include "reporttext/format/sub_sup_text.h"

namespace {

int Trunc(double v) {
    return static_cast<int>(v);
}

struct Measure {
    BarPaintDc& p;
    int Line(int height, uint32_t bold) {
        p.UseFont(height, 0, bold);
        return p.LineOfFont();
    }
    int Width(int height, uint32_t bold, const std::string& text) {
        p.UseFont(height, 0, bold);
        return static_cast<uint16_t>(GetSubSupTextWidth(p.dc, text.c_str()));
    }
};

// The margins a chart's texts need around its plot, from the frame's edges.
struct Margins {
    int left, bottom, right, top;
    int captionGap;
    int captionLength;
    int titleLength;
    int title;  // the title's line and its gap under the frame's top
    int tick;   // the line of a tick label
};

Margins NeededMargins(BarPaintDc& p, const ChartFonts& f, const PageChartTexts& t, int lineUnit) {
    Measure m{p};
    Margins n{};
    const int title = m.Line(f.title, 1);
    const int xTitle = m.Line(f.xTitle, 1);
    const int tick = m.Line(f.yLabels, 0);
    p.UseFont(f.yLabels, 0, 0);
    const int average = p.AverageWidth();
    const int tickWidth = m.Width(f.yLabels, 0, "00000");
    int labels = 0;
    for (const std::string& l : t.xLabels) labels = std::max(labels, m.Width(f.xLabels, 0, l));
    const int caption = m.Line(f.caption, 1);
    const int unit = m.Line(f.unitCaption, 1);
    n.captionGap = Trunc(7.0 * unit / 3.0);
    const int captions = t.unitCaption ? n.captionGap + unit : lineUnit / 3 + caption;
    n.left = captions + 3 + tickWidth + average;
    n.title = Trunc(4.0 * title / 3.0);
    n.tick = tick;
    n.top = std::max(n.title, tick / 2) + 2;
    n.bottom = Trunc(1.5 * xTitle) + 2 + labels + lineUnit / 4 + 1;
    n.right = 3;
    n.captionLength = m.Width(f.caption, 1, t.longestCaption);
    n.titleLength = m.Width(f.title, 1, t.longestTitle);
    p.ReleaseFont();
    return n;
}

// The plot inside `frame`: the fractional plot with each margin grown to
// what the texts need.
ChartRect PlotIn(const ChartRect& frame, const ChartRect& fractional, const Margins& n) {
    ChartRect plot{std::max(fractional.left, frame.left + n.left),
                   std::max(fractional.bottom, frame.bottom + n.bottom),
                   std::min(fractional.right, frame.right - n.right),
                   std::min(fractional.top, frame.top - n.top)};
    // The top tick label stands left of the plot, half of it over the plot's
    // top: under the title where the title reaches over it.
    if ((frame.left + frame.right) / 2 - n.titleLength / 2 < plot.left)
        plot.top = std::min(plot.top, frame.top - n.title - n.tick / 2 - 2);
    return plot;
}

}  // namespace

ChartFonts FractionalChartFonts(const TwoDGraphState& s) {
    ChartFonts f;
    f.title = Trunc(0.075 * s.plotHeight);
    f.xTitle = Trunc(0.05 * s.plotHeight);
    f.subtitle = Trunc(0.0375 * s.pictureHeight);
    f.xLabels = Trunc(0.0375 * s.pictureHeight);
    f.yLabels = Trunc(0.0425 * s.pictureHeight);
    f.caption = Trunc(0.048 * s.pictureHeight);
    f.unitCaption = Trunc(0.0375 * s.pictureHeight);
    f.message = Trunc(0.05 * s.plotHeight);
    return f;
}

ChartFonts AtLeastReadable(ChartFonts f) {
    for (int* h : {&f.title, &f.xTitle, &f.subtitle, &f.xLabels, &f.yLabels, &f.caption,
                   &f.unitCaption, &f.message})
        *h = std::max(*h, kLeastChartText);
    return f;
}

PageChartPlaces FitPageCharts(BarPaintDc& p, const ChartFonts& f, const PageChartTexts& t,
                              int width, int height, int lineUnit, TwoDGraphState& s) {
    LayOutBarCharts(width, height, 0, true, s);
    const Margins n = NeededMargins(p, f, t, lineUnit);
    p.UseFont(f.yLabels, 0, 0);
    const int tick = p.LineOfFont();
    p.ReleaseFont();
    // A quarter holds its texts when its frame is as high as the margins and
    // a plot of three tick labels, and as the longest turned caption.
    const auto holds = [&](const ChartRect& frame) {
        const int inside = frame.top - frame.bottom;
        return inside >= n.top + n.bottom + 3 * tick && inside >= n.captionLength + 4;
    };
    if (!holds(s.frameRects[0]) && n.titleLength + 4 <= Trunc(0.99 * 0.25 * width)) {
        // One row of four, as wide as their titles.
        const double cw = 0.25 * width, ch = height;
        const int order[kChartSlots] = {2, 3, 0, 1};
        s.pictureWidth = Trunc(cw);
        s.pictureHeight = height;
        for (int k = 0; k < kChartSlots; ++k) {
            const int g = order[k];
            const int ox = Trunc(k * cw);
            s.frameRects[g] = ChartRect{ox + Trunc(0.005 * cw), Trunc(0.005 * ch),
                                        ox + Trunc(0.995 * cw), Trunc(0.995 * ch)};
            s.plotRects[g] = s.frameRects[g];  // the margins are the texts' alone
        }
    }
    for (int g = 0; g < kChartSlots; ++g) s.plotRects[g] = PlotIn(s.frameRects[g], s.plotRects[g], n);
    s.plotWidth = std::abs(s.plotRects[0].right - s.plotRects[0].left);
    s.plotHeight = std::abs(s.plotRects[0].top - s.plotRects[0].bottom);
    return PageChartPlaces{true, n.captionGap};
}
