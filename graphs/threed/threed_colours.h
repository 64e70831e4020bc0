// The colours, pens and brushes of one 3D graph paint.
#pragma once

#include <cstdint>

#include "graphs/two_d_graph_records.h"
#include "platform/window/win_types.h"

// Fills graphColorTable and graphBackgroundColor for the paint: colorNow > 0
// the colour table (the screen's for targets 0 and 3, the printer's for any
// other), colorNow 0 the grey table (the printer's for target 1), colorNow < 0
// keeps the table of the previous paint.
void ChooseThreeDColours(int16_t colorNow, uint32_t renderTarget);

// The pens of a paint, by what they draw with.
namespace ThreeDPen {
enum : int { kBackground = 0, kWhite, kC1, kC2, kC14, kC5, kC4, kC3, kC11, kC15, kC8, kC7, kCount };
}
// The solid greys of the band shading, levels 15 to 190.
constexpr int kBandShades = 7;

struct ThreeDTools {
    win::HBRUSH brushes[kGraphColours + 1];  // the table colours; white (15) twice
    win::HBRUSH shades[kBandShades];
    win::HBRUSH hatch;       // black backward diagonal
    win::HBRUSH crossHatch;  // black diagonal cross
    win::HPEN pens[ThreeDPen::kCount];

    void Make();
    void Release();
    // The pen of a table colour among 1, 2, 3, 4, 5, 7, 8, 11, 14 and 15.
    [[nodiscard]] win::HPEN PenOf(int colour) const;
};
