// The texts of the 3D graph.
#include "graphs/threed/threed_text.h"

#include "graphs/threed/threed_graph_records.h"
#include "graphs/threed/threed_paint.h"

void BuildThreeDTitles(uint16_t /*code*/, ThreeDTexts& /*texts*/) {
    graphUnitLabel[0] = graphProfileTitle[0] = graphSubtitle[0] = '\0';
}

void DrawThreeDValueNumbers(ThreeDPaint& /*paint*/, ThreeDTexts& /*texts*/) {}

void DrawThreeDLabels(ThreeDPaint& /*paint*/, ThreeDTexts& /*texts*/) {}
