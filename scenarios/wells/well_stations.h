// Temperatures, pressures and depths of the well profiles' stations.
//
// The well-log profile (12 stations, separator at station 0 and bottom hole at
// station 11) takes them from one of three sources: the well-log record, the
// saturated steam line of water over the what-if temperature range, or one
// typical pressure over that range. The after-flash profiles put the flashed
// water at atmospheric pressure in station 0, the separator in station 1 and
// space the rest evenly down to the bottom hole.
#pragma once

#include <cstdint>
#include <span>

#include "common/whatif_settings.h"

// Fields of WellLogSpecs: temperatures in the user's temperature unit, pressures
// absolute in the user's pressure unit, depth in the user's length.
namespace WellLogField {
enum : int {
    kBottomHoleTemperature = 0,
    kSeparatorTemperature = 1,
    kFlashedTemperature = 2,
    kBottomHolePressure = 3,
    kSeparatorPressure = 4,
    kDepth = 15,
};
}

// wellLogPtSource of WhatIfOptions.
namespace WellPointSource {
enum : uint32_t { kWellLog = 0, kSteamLine = 1, kTypicalPressure = 2 };
}

// The columns of a well table that the stations fill.
struct WellStationColumns {
    std::span<float> temperature;
    std::span<float> pressure;
    std::span<float> gaugePressure;
    std::span<float> depth;  // empty for the well-log profile
};

// The atmospheric pressure that gauge pressures are measured from, in the
// pressure unit (1.0 atm, 1.01325 bar, 14.696 psia, 101.325 kPa). False for a
// code outside 0 to 3.
[[nodiscard]] bool AtmosphericOffset(uint16_t pressureUnit, double& offset);

// A pressure in psi expressed in the pressure unit: atm = psi x 0.068046, bar =
// psi x 0.068948, kPa = bar x 100. False for a code outside 0 to 3.
[[nodiscard]] bool PsiInPressureUnit(double psi, uint16_t pressureUnit, double& value);

// The well-log profile's 12 stations from `source` (WellPointSource), separator
// (station 0) to bottom hole (station 11).
void BuildWellLogStations(uint32_t source, const WellLogSpecs& specs,
                          const WhatIfSettings& settings, uint16_t temperatureUnit,
                          uint16_t pressureUnit, const WellStationColumns& out);

// An after-flash profile: station 0 the flashed water at atmospheric pressure
// and depth 0, station 1 the separator at depth 0, then even steps to the bottom
// hole at the last station (the column length gives the count). The gauge
// pressure of station 0 is written only when `gaugeAtFlash` is set.
void BuildFlashStations(const WellLogSpecs& specs, uint16_t pressureUnit, bool gaugeAtFlash,
                        const WellStationColumns& out);
