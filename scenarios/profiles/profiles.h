// The single-water what-if drivers: the seven-point profiles of the surface
// water versus temperature, pH (or CO2 partial pressure) and pressure, and its
// 7 x 7 grids of pH (or pCO2) or pressure by temperature. Each runs to its end
// inside the call, steps the progress window, fills its table of WhatIfResults
// and leaves the surface water in currentAnalysis.
#pragma once

#include <cstdint>

#include "common/whatif_settings.h"
#include "platform/window/win_types.h"

// The pH that every point of the temperature profile starts from while the pH
// is neither computed from pCO2 nor follows the temperature: the evaluation pH
// only when it is forced and the input pH is not chosen, else the surface pH.
[[nodiscard]] float TemperatureProfilePh(const WhatIfOptions& options,
                                         const WhatIfSettings& settings, float surfacePh);
// The pCO2 from which each point's pH is computed while the pH comes from pCO2.
[[nodiscard]] float TemperatureProfilePco2(const WhatIfOptions& options,
                                           const WhatIfSettings& settings, float surfacePco2);

// `owner` owns the questions and refusals.
void CalcTempProfile(win::HWND owner);
void CalcpHProfile(win::HWND owner);
void CalcPressProfile(win::HWND owner);

// `graphCode` is the graph about to be shown (90 acid dose, 91 alkali dose, 89
// dose, other codes any graph); the questions are owned by the main window.
void CalcGridpHTemp(uint16_t graphCode);
void CalcGridPressTemp(uint16_t graphCode);

// Recomputes the carbonate species of currentAnalysis from its alkalinity and
// then its alkalinity fields from a pH estimate. Returns 0.
int32_t RecalcCarbonateFromAlk();
