// The layouts of the one-water pages: the chemistry of one water
// ("DisplayMUWater", or "DisplayMixedWaterOut" for the blend) and its
// deposition potential indicators ("DisplayMUValues", "DisplayMixedValuesOut").
// Lines are the pages' own line numbers less the page's first line, so the
// frame draws layout line 0 at its first line.
#pragma once

#include "reporttext/layout/report_layout.h"
#include "reporttext/waterpages/water_view.h"

void LayOutWaterChemistry(const WaterView& view, ReportLayout& layout);
void LayOutWaterIndicators(const WaterView& view, ReportLayout& layout);

// The page's first line (the frame's F) of each layout.
[[nodiscard]] int ChemistryFirstLine(bool blend);
[[nodiscard]] int IndicatorsFirstLine(bool blend);

// The titles the pages carry in text reports.
[[nodiscard]] const char* WaterChemistryTitle(int water);
[[nodiscard]] const char* WaterIndicatorsTitle(int water);
