// The recompute table of the what-if settings, row by row.
#include "input/whatif/whatif_recompute.h"

#include <cstring>
#include <initializer_list>

#include "graphs/records.h"
#include "input/records.h"
#include "platform/window/window.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/wells/well_profiles.h"
#include "shell/records.h"

namespace {

using Driver = void (*)(win::HWND owner);

struct Change {
    const WhatIfValues& a;
    const WhatIfValues& b;
    bool varyPco2;

    bool Range(float WhatIfSettings::*f) const { return a.ranges.*f != b.ranges.*f; }
    bool Ranges(std::initializer_list<float WhatIfSettings::*> fields) const {
        for (auto f : fields)
            if (Range(f)) return true;
        return false;
    }
    bool PhSide() const {
        return varyPco2 ? Ranges({&WhatIfSettings::pco2Low, &WhatIfSettings::pco2High})
                        : Ranges({&WhatIfSettings::phLow, &WhatIfSettings::phHigh});
    }
    bool MethodChoice() const {
        return a.phControl.phControlMethod != b.phControl.phControlMethod ||
               a.phControl.phPredictionMethod != b.phControl.phPredictionMethod ||
               a.phControl.targetPh != b.phControl.targetPh ||
               a.correctPhForTemperature != b.correctPhForTemperature ||
               a.useInputPh != b.useInputPh || a.useInputTemperature != b.useInputTemperature;
    }
    bool ChemistryChoice() const {
        return MethodChoice() || a.phControl.acidChemical != b.phControl.acidChemical ||
               a.phControl.alkaliChemical != b.phControl.alkaliChemical;
    }
    bool TemperatureLimits() const {
        return Ranges({&WhatIfSettings::temperatureLow, &WhatIfSettings::temperatureHigh});
    }
};

void Repaint(std::initializer_list<const char*> classes) {
    for (const char* name : classes)
        if (win::HWND w = win::FindWindow(name, nullptr); w != nullptr)
            win::InvalidateRect(w, nullptr, win::TRUE);
}

// Clear the flag, compute, set the flag.
void Recompute(uint16_t& done, Driver driver, win::HWND owner) {
    done = 0;
    driver(owner);
    done = 1;
}

void RecomputeGrid(uint16_t& done, void (*driver)(uint16_t)) {
    done = 0;
    for (int i = 0; i < graphChoice.count && i < 4; ++i)
        if (graphChoice.codes[i] >= 0) driver(static_cast<uint16_t>(graphChoice.codes[i]));
    done = 1;
}

}  // namespace

WhatIfDrivers ScenarioDrivers() {
    return WhatIfDrivers{CalcWellLogProfile, CalcWellLogProfile11, CalcTempProfile,  CalcpHProfile,
                         CalcPressProfile,   CalcGridpHTemp,       CalcGridPressTemp};
}

void BringWhatIfResultsUpToDate(const WhatIfValues& before, const WhatIfValues& after,
                                const WhatIfDrivers& d, win::HWND main) {
    ResultStatus& r = resultStatus;
    uint16_t& well12 = r.wellProfileDone[0];
    uint16_t& well11 = r.wellProfileDone[1];
    const Change c{before, after, whatIfOptions.varyPco2 != 0};
    using S = WhatIfSettings;

    // 1: the well log.
    if (std::memcmp(&before.wellLog, &after.wellLog, sizeof before.wellLog) != 0 ||
        before.wellLogPtSource != after.wellLogPtSource ||
        before.profileOption != after.profileOption) {
        mainWindowState.dataChanged = 1;
        if (well12 != 0) Recompute(well12, d.calcWellLogProfile, main);
        if (well11 != 0) Recompute(well11, d.calcWellLogProfile11, main);
        Repaint({"DisOnePage", "WellLogDisOnePage"});
    }
    // 2: the profiles' ranges and the chemistry.
    if (c.Ranges({&S::temperatureLow, &S::temperatureHigh, &S::temperatureEval, &S::pressureLow,
                  &S::pressureHigh, &S::pressureEval}) ||
        c.Range(c.varyPco2 ? &S::pco2Eval : &S::phEval) || c.ChemistryChoice()) {
        mainWindowState.dataChanged = 1;
        if (r.tempProfileDone != 0) Recompute(r.tempProfileDone, d.calcTempProfile, main);
        if (r.phProfileDone != 0) Recompute(r.phProfileDone, d.calcpHProfile, main);
        if (well12 != 0) Recompute(well12, d.calcWellLogProfile, main);
        Repaint({"DisOnePage", "DisplayTempWater", "DisplayTempValues"});
    }
    // 3: the pH side.
    if (c.PhSide() || c.Range(&S::temperatureEval) || c.MethodChoice()) {
        mainWindowState.dataChanged = 1;
        r.gridDone = 0;
        if (r.phProfileDone != 0) Recompute(r.phProfileDone, d.calcpHProfile, main);
        Repaint({"DisplaypHWater", "DisplaypHValues"});
        if (well12 != 0) {
            Recompute(well12, d.calcWellLogProfile, main);
            Repaint({"DisOnePage"});
        }
    }
    // 4: the pH-by-temperature grid.
    if (r.gridDone != 0 && (c.TemperatureLimits() || c.PhSide() || c.ChemistryChoice()))
        RecomputeGrid(r.gridDone, d.calcGridpHTemp);
    // 5, 5a, 6: the mixing results. The grids' cells also follow the
    // correction of the pH for temperature and the chemicals of pH control, and
    // the mixing profile the chemicals: a change of any of these makes them
    // stale as well, whether or not a graph of them is open.
    const bool anyMixGrid = r.mixGridDone[0] || r.mixGridDone[1] || r.mixGridDone[2];
    const bool chemicals = before.phControl.acidChemical != after.phControl.acidChemical ||
                           before.phControl.alkaliChemical != after.phControl.alkaliChemical;
    if (before.phControl.phControlMethod != after.phControl.phControlMethod ||
        before.phControl.phPredictionMethod != after.phControl.phPredictionMethod) {
        for (uint16_t& done : r.mixGridDone) done = 0;
        r.mixProfileDone = 0;
    } else if (anyMixGrid && (before.phControl.targetPh != after.phControl.targetPh ||
                              before.correctPhForTemperature != after.correctPhForTemperature ||
                              chemicals)) {
        for (uint16_t& done : r.mixGridDone) done = 0;
    }
    if (c.ChemistryChoice()) r.mixProfileDone = 0;
    // 7: the pressure-by-temperature grid.
    if (r.gridDone2 != 0 &&
        (c.TemperatureLimits() || c.Ranges({&S::pressureLow, &S::pressureHigh}) ||
         (c.varyPco2 && c.Ranges({&S::pco2Low, &S::pco2High})) || c.ChemistryChoice()))
        RecomputeGrid(r.gridDone2, d.calcGridPressTemp);
    // 8: the pressure profile.
    if (r.pressureProfileDone != 0 &&
        (c.Range(&S::temperatureEval) || c.Ranges({&S::pressureLow, &S::pressureHigh}) ||
         c.PhSide() || c.ChemistryChoice() ||
         before.forcePhToEvalForPressure != after.forcePhToEvalForPressure))
        Recompute(r.pressureProfileDone, d.calcPressProfile, main);
    // 9: the 11-station well profile, always.
    if (well11 != 0) Recompute(well11, d.calcWellLogProfile11, main);
    // 10: the 12-station well profile.
    if (well12 != 0 && (c.TemperatureLimits() || c.Range(&S::phEval) ||
                        before.correctPhForTemperature != after.correctPhForTemperature ||
                        before.useInputPh != after.useInputPh ||
                        before.useInputTemperature != after.useInputTemperature ||
                        before.phControl.acidChemical != after.phControl.acidChemical ||
                        before.phControl.alkaliChemical != after.phControl.alkaliChemical)) {
        Recompute(well12, d.calcWellLogProfile, main);
        Repaint({"DisOnePage"});
    }
}
