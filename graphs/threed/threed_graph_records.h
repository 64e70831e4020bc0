// The 3D graph's records: how its next paint is done, the series it shows,
// and what a paint leaves for the graph window (picture size, value axis,
// the outline of every drawn cell, the texts of the picture).
#pragma once

#include <cstdint>

constexpr int kThreeDSide = 7;  // grid points along each axis
constexpr int kThreeDCells = kThreeDSide * kThreeDSide;
constexpr int kThreeDTextChars = 52;  // 51 characters and the terminator
constexpr int kOutlinePoints = 5;     // the fifth repeats the first

// Which waters the grid on show comes from (gridKind says which variables it
// spans); the main window sets it before a grid graph.
namespace GridSource {
enum : uint16_t { kSingleWater = 0, kMixing = 1, kPressureTemperature = 2 };
}
extern uint16_t gridSource;
// The position in the chosen codes of the graph on show (and, while the main
// window runs the grids, of the code whose grid runs now).
extern int16_t selectedGraphPosition;

// How the next paint is done; the window sets them before it paints.
extern uint32_t exportingImage;        // painting for an image export
extern uint32_t paintingForPrinter;    // the last paint went to a printer
extern uint32_t exportDataAfterPaint;  // write the graph data file after the paint
extern int16_t whiteBackground;        // non-zero: white, else the table's background (1 at start)
extern uint16_t showGraphLabels;       // non-zero: the sample lines and the treatment legend

// What a paint leaves.
extern int32_t graphWidth;  // device pixels the 640 x 480 picture is stretched over
extern int32_t graphHeight;
extern int32_t graphWindowWidth;  // the window's outer width; the picture width on paper
extern int32_t graphFontExtent;   // 768: the font heights are fractions of it
extern int32_t printerHorzRes;    // of the last printer paint
extern int32_t printerVertRes;

// The top face of each drawn cell in logical units, in perimeter order; all
// zero for a cell that was not drawn.
struct CellOutline {
    int32_t x[kOutlinePoints];
    int32_t y[kOutlinePoints];
};
extern CellOutline cellOutline[kThreeDCells];

extern double valueAxisLow;
extern double valueAxisHigh;
extern double valueAxisStep;

// The series: values and statuses in drawing order (row x 7 + column), the
// axis values of the grid in natural order, and the drawing order.
extern double gridValues[kThreeDCells];
extern uint16_t cellStatus[kThreeDCells];
extern float rowAxisValues[kThreeDSide];
extern float columnAxisValues[kThreeDSide];
extern float columnAxisValuesCopy[kThreeDSide];  // the copy the window reads
extern uint16_t rowOrderNatural;                 // 1: row i drawn in place i, else 6 - i
extern uint16_t columnOrderNatural;

// The texts of the last paint.
extern char graphTitle[kThreeDTextChars];
extern char graphUnitLabel[kThreeDTextChars];
extern char graphProfileTitle[kThreeDTextChars];
extern char graphSubtitle[kThreeDTextChars];

// Start-of-run state: everything zero but whiteBackground (1).
void ResetThreeDGraphRecords();
