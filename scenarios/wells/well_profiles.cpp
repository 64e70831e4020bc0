// The three well-profile drivers: set-up, the skip rule, the station loop, the
// dose pass and the end step that gives back what the run changed.
#include "scenarios/wells/well_profiles.h"

#include <cmath>

#include "common/unit_codes.h"
#include "graphs/records.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/frame/point_steps.h"
#include "scenarios/wells/well_dose.h"
#include "scenarios/wells/well_station_run.h"

namespace AE = AnalysisElement;

namespace {

constexpr float kDefaultDepth = 100.0f;  // the after-flash profile's depth when none is given

bool IsFlash(WellKind kind) {
    return kind != WellKind::kWellLog;
}

void BuildStations(const WellContext& c, const WellDriver& d) {
    const UnitCodes& u = c.base.units.units;
    const uint16_t pressureUnit = u.code[UnitItem::kPressure];
    if (d.kind == WellKind::kWellLog) {
        BuildWellLogStations(c.base.engine.options.wellLogPtSource, c.specs, c.base.settings,
                             u.code[UnitItem::kTemperature], pressureUnit, d.table.stations);
    } else {
        BuildFlashStations(c.specs, pressureUnit, d.kind == WellKind::kFlash48, d.table.stations);
    }
}

void RecordProduct(WellContext& c, const WellDriver& d, const ProductName& name) {
    RecordProductName(name, d.productAtLastRun);
    c.base.residenceTimeAtLastRun = c.residenceTime;
    d.ranWithProduct = 1;
}

void ComputeStations(WellContext& c, const WellDriver& d, double surfaceBar,
                     const ProductName& name) {
    DriverContext& b = c.base;
    for (int i = 1; i < AE::kCount; ++i) b.current.values[i] = b.surface.values[i];
    b.current.values[AE::kReportingMode] = static_cast<float>(b.units.reportingMode);
    // The user's plot variable (the after-flash profiles vary pCO2 for the
    // run whatever it is), unless an option pins the station's pH; the
    // well-log stations keep the pH an option pins, the after-flash stations
    // follow the gas of a pressurised water whatever the options.
    const WhatIfOptions& o = b.engine.options;
    const bool pinning = o.useInputPh != 0 || o.forcePhToEvalForPressure != 0;
    const bool pco2Plotted = b.backup.varyPco2 != 0 && !pinning;
    const bool underGas =
        StationsUnderGas(d.kind == WellKind::kWellLog && pinning, pco2Plotted, surfaceBar);
    // Stations under their gas run as the after-flash profiles do, with the
    // pCO2 varied, whatever the plot variable.
    if (underGas) b.engine.options.varyPco2 = 1;
    WellStationRun run{surfaceBar, underGas, StartProgress(), DoseContext{},
                       b.engine.phBalanceSwitch != 0 ? b.out.referenceAlkalinity : NAN};
    for (int k = 0; k < d.table.Count(); ++k) RunWellStation(c, d, k, run);
    if (b.status.productSelected != 0) RecordProduct(c, d, name);
    EndProgress();
}

void EndRun(DriverContext& b, const WellDriver& d, bool stationsRan) {
    d.done = 1;
    b.current = b.surface;
    float* v = b.current.values;
    v[AE::kReportingMode] = static_cast<float>(b.units.reportingMode);
    v[AE::kAlkalinityMode] = static_cast<float>(b.units.alkalinityMode);
    v[AE::kSpeciesGiven] = 1.0f;
    b.out.profileStepFlag = 0;
    // The carbonate constants and set as a station leaves them; the dissolved
    // CO2 stays as the last run left it.
    const float co2 = b.engine.currentCO2;
    RestoreCarbonate(b.backup, b.engine);
    b.engine.currentCO2 = co2;
    if (stationsRan) {
        b.engine.currentHCO3 = b.surfaceCarbonate.hco3;
        b.engine.currentCO3 = b.surfaceCarbonate.co3;
        b.engine.currentH2CO3 = b.surfaceCarbonate.dissolvedCo2;
    }
    b.engine.options.varyPco2 = b.backup.varyPco2;
    b.engine.options.carbonateModel = b.backup.carbonateModel;
    b.engine.phBalanceSwitch = b.backup.phBalanceSwitch;
    // The after-flash profile runs with the production-system pH method; the
    // user's method is given back, so that no later calculation depends on
    // whether the well-log page was computed before it.
    b.engine.control.phPredictionMethod = b.backup.phPredictionMethod;
}

}  // namespace

bool SkipWellStations(bool done, bool productUnchanged, bool productHasActive, bool wasActive) {
    return done && (productUnchanged || (!productHasActive && !wasActive));
}

void RunWellProfile(WellContext& c, WellKind kind) {
    DriverContext& b = c.base;
    // An empty source water is refused before anything is changed.
    if (RefuseEmptyWater(b.owner, b.surface, WellText::kNoSourceWater)) return;
    const WellDriver d = WellDriverOf(c, kind);

    // Set-up: save what the run changes, then the driver's own settings.
    StartFromSurfaceCalculation(b.owner);
    SaveEngineSettings(b.engine, b.backup);
    b.engine.phBalanceSwitch = b.engine.options.correctPhForTemperature != 0 ? 1 : 0;
    if (kind == WellKind::kFlash11) b.engine.control.phPredictionMethod = 2;
    if (IsFlash(kind)) {
        b.pco2ProfileFlag = 1;
        b.engine.options.varyPco2 = 1;
        b.out.profileStepFlag = 1;
    }
    if (kind == WellKind::kFlash48) b.graphProfileKind = GraphProfileKind::kWellLog48;
    float& depth = c.specs.value[WellLogField::kDepth];
    if (kind == WellKind::kFlash11 && !(depth > 0.0f)) depth = kDefaultDepth;

    const double surfaceBar =
        PressureInBar(b.surface.values[AE::kPressure], b.units.units.code[UnitItem::kPressure]);
    BuildStations(c, d);

    // The skip rule.
    const bool wasActive = b.productActive != 0;
    const bool hasActive = AnyDosedComponentActive(b.product);
    if (hasActive) b.productActive = 1;
    const ProductName name = CurrentProductName(b.product);
    const bool unchanged = SameProductName(name, d.productAtLastRun) && d.ranWithProduct != 0 &&
                           c.residenceTime == b.residenceTimeAtLastRun;
    const bool skip = SkipWellStations(d.done != 0, unchanged, hasActive, wasActive);
    int marked = 0;
    if (!skip) {
        ComputeStations(c, d, surfaceBar, name);
        // Stations no water can be are marked as not calculated.
        const uint16_t* units = b.units.units.code;
        for (int k = 0; k < d.table.Count(); ++k)
            if (MarkPointIfBeyond(d.table, k, {units[UnitItem::kPressure], units[UnitItem::kGasCo2]},
                                  {false, false}))
                ++marked;
    }

    // The dose pass: after a change of product, or when no run had one yet.
    if (b.status.productSelected != 0 && (!unchanged || d.ranWithProduct == 0)) {
        RunWellDosePass(c, d);
        RecordProduct(c, d, name);
    }
    EndRun(b, d, !skip);
    TellPointsNotCalculated(b.owner, marked, d.table.Count());
}

void CalcWellLogProfile(win::HWND owner) {
    WellContext c = BindWellContext(owner);
    RunWellProfile(c, WellKind::kWellLog);
}

void CalcWellLogProfile11(win::HWND owner) {
    WellContext c = BindWellContext(owner);
    RunWellProfile(c, WellKind::kFlash11);
}

void CalcWellLogProfile48(win::HWND owner) {
    WellContext c = BindWellContext(owner);
    RunWellProfile(c, WellKind::kFlash48);
}
