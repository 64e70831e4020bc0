// The engine runs of one well station: the surface water brought to the
// station's temperature and pressure with its gases scaled to the station's
// pressure, a first run that settles the pH, a second that gives the carbonate
// species at the station, and a third whose results the station keeps (run
// once more when the product's dose adds phosphate).
#pragma once

#include "scenarios/wells/well_context.h"

// Above this surface pressure (bar) the pH comes from the pCO2 of the water.
constexpr double kPhFromPco2AboveBar = 1.02;

// Whether the stations take their pH from their gas (the surface pCO2 carried
// to each station's pressure): a water typed under pressure, whatever the
// plot variable, and any water with pCO2 the plot variable; never where an
// option of the well-log stations pins the pH (`pinned`).
[[nodiscard]] bool StationsUnderGas(bool pinned, bool pco2Plotted, double surfacePressureBar);

// Per-run values the stations share.
struct WellStationRun {
    double surfacePressureBar;  // the surface water's pressure in bar
    bool underGas;              // every station holds its gas and solves its pH from it
    ProgressClock clock;
    DoseContext doseInputs;  // entries 8 and 9 carry from one dose call to the next
    // The surface water's own alkalinity (eq/kg), held by the stations whose
    // pH follows the temperature, or NaN: a 25 C pass at the pH a station
    // starts from is not the water (a sour water's sulfide takes another share
    // of the alkalinity there, a hot water's hydroxide another).
    double ownAlkalinity;
};

// Computes station k of driver `d` and files it in the driver's table.
void RunWellStation(WellContext& c, const WellDriver& d, int k, WellStationRun& run);
