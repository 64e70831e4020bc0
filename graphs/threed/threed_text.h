// The texts of the 3D graph: titles and unit label, value-axis numbers, axis
// captions and numbers, the "No Graph Possible" notice and the foot texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphs/threed/threed_graph_records.h"

struct ThreeDPaint;

// What one paint drew beyond graphTitle and the like, for the window and the
// harness.
struct ThreeDTexts {
    bool scaleShown = false;  // the unit label took the axis scale already
    std::string unscaledUnitLabel;  // the unit label before the scale was added
    std::vector<std::string> rowNumbers;
    std::vector<std::string> columnNumbers;
    std::vector<std::string> captions;  // row caption (two parts for pCO2), column caption
    std::vector<std::string> feet;      // the foot texts in the order drawn
    bool notice = false;
};
// The texts of the last paint.
extern ThreeDTexts lastThreeDTexts;

// graphTitle, graphUnitLabel, graphProfileTitle and graphSubtitle for `code`.
void BuildThreeDTitles(uint16_t code, ThreeDTexts& texts);
// Copies `from` into a text of the picture: at most 51 characters, and a cut
// never leaves a '_' or '^' without the character it marks.
void CopyThreeDText(char (&to)[kThreeDTextChars], const char* from);
// Extends the unit label by " (SCALE)" the first time the value axis has a
// scale ("K", "M", "B" or an exponent; a blank is none).
void AddScaleToUnitLabel(ThreeDTexts& texts, const char* suffix);

// A row-axis number by the spread of the row values; a column number "%4.0f"
// cut to four characters.
[[nodiscard]] std::string RowAxisNumber(double value, double spread);
[[nodiscard]] std::string ColumnAxisNumber(double value);

// The numbers of the value axis at the ends of their stubs, and the headings.
void DrawThreeDValueNumbers(ThreeDPaint& paint, ThreeDTexts& texts);
// The axis captions and numbers, the notice and the foot texts.
void DrawThreeDLabels(ThreeDPaint& paint, ThreeDTexts& texts);
