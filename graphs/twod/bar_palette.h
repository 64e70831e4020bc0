// The sixteen colours, pens and brushes of the bar graphs.
#pragma once

#include <cstdint>

#include "graphs/two_d_graph_records.h"
#include "platform/gdi/gdi_types.h"

// Which colour set a paint uses: colorNow 0 grey; otherwise printingGraph 0
// the colour set, 1 the printing set (gamma 0.33), any other value grey.
// Fills graphColorTable and graphBackgroundColor.
void FillBarPalette(int colorNow, uint32_t printingGraph);

// The pens and brushes of one paint. The pattern set (hatched brushes, black
// pens) is used when `patterns` is set; otherwise the solid set of the
// palette. Release() deletes everything made.
struct BarTools {
    win::HPEN thinPen = nullptr;  // 1 pixel, palette 0
    win::HPEN pens[kGraphColours] = {};
    win::HBRUSH brushes[kGraphColours] = {};
    void Make(bool patterns);
    void Release();
};

// The pattern set is chosen when hatching is on and the paint is grey, or is
// for a printer while printing in grey.
[[nodiscard]] bool UsePatternSet(uint32_t hatchPatterns, int colorNow, uint32_t printingGraph,
                                 int printColor);
