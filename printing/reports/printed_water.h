// The water a printed report of one water prints: the page view of its stored
// records (the one accessor the pages read too) and the description set that
// belongs to it.
#pragma once

#include <string>

#include "common/water_analysis.h"
#include "reporttext/waterpages/water_view.h"

// Report kinds of one water: 0 surface, 1 injection, 2 formation, 3 a water
// printed without titles (the surface water), 4 the multi-mix blend, 5 the
// multi-mix source water being edited.
struct PrintedWater {
    int kind = 0;
    WaterView view;
    // Every water prints its own set: the blend's, and the set of the source
    // water being edited.
    const SampleDescription* texts = nullptr;
};

// False for a kind that names no water (or a source index out of range).
[[nodiscard]] bool PrintedWaterOfKind(int kind, PrintedWater& water);

// Description field `field` of a set, read within its 128 bytes.
[[nodiscard]] std::string DescriptionText(const SampleDescription& texts, int field);
