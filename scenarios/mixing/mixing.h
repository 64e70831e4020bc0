// The waterflood mixing drivers: the injection water and the formation water
// mixed at seven injection-water percents (the mixing-ratio profile), and over
// 7 x 7 grids of the mixing ratio, pH or pCO2 and temperature (the mixing
// grids). Both stored waters must have been calculated by the single-water
// pipeline first: a mix is made from what those calculations kept.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Mixes the two waters at the seven percents of the mixing-zone settings, brings
// each mix to the target pH when pH control is on, runs the engine on it and
// computes its corrosion rates and the current product's dose; the tables of
// the mixing-ratio profile receive every point. `owner` owns the two questions
// about the pH-control chemical; Yes to one changes nothing.
void CalcMixingProfile(win::HWND owner);

// Grid codes of the mixing grids.
namespace MixGridCode {
enum : uint16_t {
    kPhByTemperature = 0,  // pH (or pCO2) by temperature at the typical percent
    kRatio = 3,            // injection percent by temperature
    kPhByPercent = 4,      // pH (or pCO2) by injection percent
};
}

// Runs the mixing grid of `gridCode`: code 3 the ratio grid, any other code the
// general grid. Returns 0.
int32_t CalcMixGrid(uint16_t gridCode);
void CalcMixGridAll(uint16_t gridCode);
void CalcMixGridRatio();
// Two earlier forms of the ratio grid whose pH control brings column j to
// point j of the what-if pH range; the second also takes its temperatures from
// the what-if temperature range.
void CalcMixGridCopy1();
void CalcMixGridCopy2();
