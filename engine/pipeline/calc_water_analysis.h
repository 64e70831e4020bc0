// The full calculation of one stored water: the water that currentWater of the
// main window names is copied into the working analysis, computed, balanced once
// and computed again, its corrosion rates and the dose of the current treatment
// product are found (adding the chemicals the dose delivers and recomputing), and
// every result is filed in the stores kept for that water.
#pragma once

#include <cstdint>

#include "engine/pipeline/run_calculations.h"
#include "platform/window/win_types.h"

// Mode 0 computes unconditionally; any other mode computes only what is stale: a
// water never entered is left alone, a water with current results only has its
// dose refreshed unless the dialog outcome (or a product change, or missing
// results) forces a full calculation. The window is the one the calculation runs
// for; nothing is drawn.
void CalcWaterAnalysis(uint16_t mode, win::HWND owner);

// The same with another equilibrium calculation in place of CalcEquilibrium.
void CalcWaterAnalysisWith(uint16_t mode, EngineFunction engine);
