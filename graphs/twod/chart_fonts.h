// The text heights of a bar-graph paint, and the layout of the summary
// pages' chart block that makes room for its texts.
#pragma once

#include <string>
#include <vector>

#include "graphs/two_d_graph_records.h"

struct BarPaintDc;

// Font heights (cell heights in logical units) of one paint's texts.
struct ChartFonts {
    int title = 0;
    int xTitle = 0;
    int subtitle = 0;
    int xLabels = 0;
    int yLabels = 0;
    int caption = 0;
    int unitCaption = 0;
    int message = 0;
};

// The heights by the picture and plot of the layout in `s`: the 2D graph
// window's sizes.
[[nodiscard]] ChartFonts FractionalChartFonts(const TwoDGraphState& s);

// An 11-pixel font's figures stand 8 pixels high (7 for flat-topped ones such
// as "412"), the least at which they read as figures on the screen: no text
// of a summary page's chart block is drawn smaller.
constexpr int kLeastChartText = 11;
[[nodiscard]] ChartFonts AtLeastReadable(ChartFonts f);

// What the summary block's charts write, for the room they need.
struct PageChartTexts {
    std::vector<std::string> xLabels;  // the point labels every chart shows
    bool unitCaption = false;          // some chart has a second value caption
    std::string longestCaption;        // the longest value caption, its scale included
    std::string longestTitle;
};

// Where each chart of the block draws its captions and title: the turned value
// captions and the title centred on the frame rather than the plot when the
// layout was fitted to the texts.
struct PageChartPlaces {
    bool fitted = false;
    int captionGap = 0;  // logical x from the frame's left edge to the unit caption
};

// Lays the four charts of a W x H block out so their texts have room: the
// fractional quarters of LayOutBarCharts with each margin grown to what the
// fonts need (the title over the plot, the turned point labels and the x
// title under it, the captions and tick labels left of it). Where a quarter
// is too low for its texts and a plot, the four charts stand in one row
// (where a quarter of the width holds the longest title),
// slots 2, 3, 0, 1 from the left (the quarters' reading order). `p` measures
// with the fonts.
PageChartPlaces FitPageCharts(BarPaintDc& p, const ChartFonts& f, const PageChartTexts& t,
                              int width, int height, int lineUnit, TwoDGraphState& s);
