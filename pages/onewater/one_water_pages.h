// The steps of the one-water and blend pages that the frame runs: loading the
// water a page shows into the engine's working records at creation and at
// every paint, and recomputing it when its dose is not current. The
// recompute calculates the shown water: the current water is set to it for
// the call and put back after.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The calculation the pages run (CalcWaterAnalysis unless a test installs
// another; null restores it).
using PageCalculator = void (*)(uint16_t mode, win::HWND owner);
void InstallPageCalculator(PageCalculator calculator);

// "DisplayMUWater" and "DisplayMUValues": creation and paint load and recompute.
void LoadAndRecomputeChemistry(win::HWND page);
void LoadAndRecomputeIndicators(win::HWND page);
// "DisplayMUValues" on gaining the focus: recompute after a product choice
// or an input dialog, without repainting.
void RecomputeIndicatorsOnFocus(win::HWND page);
// "DisplayMixedWaterOut" at paint.
void LoadAndRecomputeBlendChemistry(win::HWND page);
// "DisplayMixedValuesOut" at creation and at paint.
void CreateBlendIndicators(win::HWND page);
void LoadAndRecomputeBlendIndicators(win::HWND page);
// A blend without a sample time takes the clock's, once: the source pages and
// the blend pages all name that one time, whichever paints first.
void StampBlendSampleTime(win::HWND page);

// Calculates the water (an engine selector) when a product is selected and
// its dose is not current, the current water set to it for the call.
void RecomputeShownWaterWhenStale(int water);

// Copies the stored records of a water (an engine water selector) into the
// working analysis, SaturationResults and MomentaryExcess, and makes its
// residence time the current one; `withHeader` also copies the analysis
// header. False for a selector that names no water.
bool LoadShownWater(int water, bool withHeader);
