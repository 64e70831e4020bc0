// What the parts of one 3D graph paint share: the device, the box, the value
// axis, the band rules of the plotted index and the drawing objects.
#pragma once

#include <cstdint>

#include "graphs/threed/threed_colours.h"
#include "graphs/threed/threed_geometry.h"
#include "graphs/threed/threed_graph_records.h"

struct ThreeDPaint {
    win::HDC dc = nullptr;
    int code = 0;          // the plotted IndexCode
    bool contour = false;  // plot style 2
    ThreeDBox box{};
    double rowPlaces[kThreeDSide] = {};
    double columnPlaces[kThreeDSide] = {};
    double rangeLow = 0.0;  // the grid range GetGraphGridRange found
    double rangeHigh = 0.0;
    int intervals = 2;  // of the value axis
    uint16_t bandDirection = 1;
    double thresholds[4] = {};
    bool greyRendering = false;  // a grey print or a grey image export
    bool colourBranch = false;   // colour on a paint that is not grey rendered
    bool onScreen = false;       // neither an image export nor a printer paint
    int axisLineHeight = 0;      // tmHeight + tmExternalLeading of the axis-number font
    ThreeDTools tools{};

    // The height fraction of a value on the value axis.
    [[nodiscard]] double HeightOf(double value) const;
};

// Band number (1 best to 5 worst) and colour index of a cell.
struct CellBand {
    int band;
    int colour;
};
// The band of `value` for the plotted index; the corrosion rules write the
// status back into `status`. False when the value is not a number.
bool ChooseCellBand(const ThreeDPaint& paint, double value, uint16_t& status, CellBand& band);

// The walls, floor and value-axis lines; the front strips; the zero line.
void DrawThreeDFrame(ThreeDPaint& paint);
void DrawThreeDFrontStrips(ThreeDPaint& paint);
void DrawThreeDZeroLine(ThreeDPaint& paint);

// The bars or contour patches of the grid, each leaving its outline.
void DrawThreeDBars(ThreeDPaint& paint);
void DrawThreeDContour(ThreeDPaint& paint);
