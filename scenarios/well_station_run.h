// The engine runs of one well station: the surface water brought to the
// station's temperature and pressure with its gases scaled to the station's
// pressure, a first run that settles the pH, a second that gives the carbonate
// species at the station, and a third whose results the station keeps (run
// once more when the product's dose adds phosphate).
#pragma once

#include "scenarios/well_context.h"

// Per-run values the stations share.
struct WellStationRun {
    double surfacePressureBar;  // the surface water's pressure in bar
    ProgressClock clock;
    DoseContext doseInputs;      // entries 8 and 9 carry from one dose call to the next
    double temperatureC = 0.0;   // of the previous station, kept for an unknown unit
};

// Surface pressure in bar from a value in the user's pressure unit (atm x
// 1.01325, bar, psia x 0.068948, kPa / 100; another code leaves the value).
double WellPressureBar(float pressure, uint16_t pressureUnit);

// A gas partial pressure of the surface water at a station: in a pressure unit
// (codes 0 to 3) it scales with the station's total pressure; as a fraction of
// the gas (ppm, mole %) it stays. A surface pressure that is not positive gives
// no ratio to scale by: the surface value stays.
float StationPartialPressure(float surfaceValue, uint16_t gasUnit, float stationPressure,
                             float surfacePressure);

// Computes station k of driver `d` and files it in the driver's table.
void RunWellStation(WellContext& c, const WellDriver& d, int k, WellStationRun& run);
