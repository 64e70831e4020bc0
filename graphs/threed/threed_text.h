// The texts of the 3D graph: titles and unit label, value-axis numbers, axis
// captions and numbers, the "No Graph Possible" notice and the foot texts.
#pragma once

#include <cstdint>

struct ThreeDPaint;

// What one paint's texts need beyond the records of graphTitle and the like.
struct ThreeDTexts {
    bool scaleShown = false;  // the unit label took the axis scale already
};

// graphTitle, graphUnitLabel, graphProfileTitle and graphSubtitle for `code`.
void BuildThreeDTitles(uint16_t code, ThreeDTexts& texts);
// The numbers of the value axis at the ends of their stubs, and the headings.
void DrawThreeDValueNumbers(ThreeDPaint& paint, ThreeDTexts& texts);
// The axis captions and numbers, the notice and the foot texts.
void DrawThreeDLabels(ThreeDPaint& paint, ThreeDTexts& texts);
