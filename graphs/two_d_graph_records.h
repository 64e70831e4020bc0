// The records the 2D-family graphs share between whoever prepares a graph
// (the graph window, the one-page summary page) and the painters: the x axis
// and its titles, the chart layout and what the painter leaves for clicks,
// the sixteen graph colours, the treated word and the report page's printing
// context.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_types.h"

constexpr int kGraphPoints = 12;  // points of the 2D axes (12 for the well profiles)
constexpr int kChartSlots = 4;    // charts in one picture
constexpr int kAxisTitleChars = 80;
constexpr int kGraphColours = 16;

// The slots of axisTitles.
namespace AxisTitle {
enum : int { kX = 0, kYCaption = 1, kYUnitCaption = 2, kXSubtitle = 3, kGraph = 4, kCount = 5 };
}

struct GraphAxisData {
    double xValues[kGraphPoints];  // x of each point, in the profile's unit
    double yValues[kGraphPoints];  // values of the chart being painted
    double xStep;                  // (largest x - smallest x) / pointCount of the last chart
    int32_t pointCount;            // points on the axis
    char axisTitles[AxisTitle::kCount][kAxisTitleChars];
};
extern GraphAxisData graphAxisData;

// A chart area: left, bottom, right, top in the painter's coordinates (origin
// at the bottom left of the picture, y up).
struct ChartRect {
    int32_t left;
    int32_t bottom;
    int32_t right;
    int32_t top;
};

// A bar: left, top, right, bottom in the same coordinates.
struct BarRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct TwoDGraphState {
    int32_t graphCount;   // charts of the paint, recounted by the painter
    int32_t graphsDrawn;  // graphCount at the end of the last paint
    int32_t currentCode;  // index code of the chart being painted
    int32_t pictureWidth;
    int32_t pictureHeight;  // of one quadrant when four charts are drawn
    ChartRect plotRects[kChartSlots];
    ChartRect frameRects[kChartSlots];
    int32_t plotWidth;  // of slot 0's plot area
    int32_t plotHeight;
    int32_t centreX;  // centre of the chart being painted
    int32_t centreY;
    int32_t pointFlags[kGraphPoints];  // 1 for every point whose bar colour was decided
    BarRect barRects[kChartSlots][kGraphPoints];
    float barValues[kChartSlots][kGraphPoints];          // each bar's value as shown
    float pointTemperatures[kChartSlots][kGraphPoints];  // the x values per slot
    int32_t productAtPaint;  // productSelected at the window's last recalculation
};
extern TwoDGraphState twoDGraphState;

// The sixteen colours of the last paint (0x00BBGGRR): entry 0, the background,
// is also kept in graphBackgroundColor, so every graph painter uses the same.
extern win::COLORREF graphColorTable[kGraphColours];
extern win::COLORREF graphBackgroundColor;

// Whether the selected products cover the index being drawn (IsIndexTreated),
// written by every painter before it draws that index.
extern int16_t treatedIndex;

// Set by a report page around the graph it prints: 1 or 2 while it paints for
// the printer, and the printer's vertical resolution less twice its top offset.
extern uint32_t pagePrinting;
extern int32_t printablePageHeight;

// Start-of-run state: every field zero.
void ResetTwoDGraphRecords();
