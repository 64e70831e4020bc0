// The three well-profile drivers: set-up, the skip rule, the station loop, the
// dose pass and the end step that gives back what the run changed.
#include "scenarios/well_profiles.h"

#include "common/unit_codes.h"
#include "graphs/records.h"
#include "scenarios/well_dose.h"
#include "scenarios/well_station_run.h"

namespace AE = AnalysisElement;

namespace {

constexpr double kPhFromPco2AboveBar = 1.02;
constexpr float kDefaultDepth = 100.0f;  // the after-flash profile's depth when none is given

bool IsFlash(WellKind kind) {
    return kind != WellKind::kWellLog;
}

void BuildStations(const WellContext& c, const WellDriver& d) {
    const UnitCodes& u = c.units.units;
    const uint16_t pressureUnit = u.code[UnitItem::kPressure];
    if (d.kind == WellKind::kWellLog) {
        BuildWellLogStations(c.engine.options.wellLogPtSource, c.specs, c.settings,
                             u.code[UnitItem::kTemperature], pressureUnit, d.table.stations);
    } else {
        BuildFlashStations(c.specs, pressureUnit, d.kind == WellKind::kFlash48, d.table.stations);
    }
}

// The pH element 0 starts from.
float InitialPh(const WellContext& c, WellKind kind, double surfaceBar) {
    const float surfacePh = c.surface.values[AE::kPh];
    const WhatIfOptions& o = c.engine.options;
    const bool highPressure = surfaceBar > kPhFromPco2AboveBar;
    if (IsFlash(kind)) return highPressure ? -1.0f : surfacePh;
    if (o.varyPco2 == 0) return o.useInputPh != 0 ? surfacePh : c.settings.phEval;
    const bool fromPco2 = highPressure && o.useInputPh == 0 && o.forcePhToEvalForPressure == 0;
    return fromPco2 ? -1.0f : surfacePh;
}

void RecordProduct(WellContext& c, const WellDriver& d, const ProductName& name) {
    RecordProductName(name, d.productAtLastRun);
    c.residenceTimeAtLastRun = c.residenceTime;
    d.ranWithProduct = 1;
}

void ComputeStations(WellContext& c, const WellDriver& d, double surfaceBar,
                     const ProductName& name) {
    for (int i = 1; i < AE::kCount; ++i) c.current.values[i] = c.surface.values[i];
    c.current.values[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);
    WellStationRun run{surfaceBar, StartProgress(), DoseContext{}};
    for (int k = 0; k < d.table.Count(); ++k) RunWellStation(c, d, k, run);
    if (c.status.productSelected != 0) RecordProduct(c, d, name);
    EndProgress();
}

void EndRun(WellContext& c, const WellDriver& d, bool stationsRan) {
    d.done = 1;
    c.current = c.surface;
    float* v = c.current.values;
    v[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);
    v[AE::kAlkalinityMode] = static_cast<float>(c.units.alkalinityMode);
    v[AE::kSpeciesGiven] = 1.0f;
    c.out.profileStepFlag = 0;
    // The carbonate constants and set as a station leaves them.
    RestoreCarbonate(c.backup, c.engine);
    if (stationsRan) {
        c.engine.currentHCO3 = c.surfaceCarbonate.hco3;
        c.engine.currentCO3 = c.surfaceCarbonate.co3;
        c.engine.currentH2CO3 = c.surfaceCarbonate.dissolvedCo2;
    }
    c.engine.options.varyPco2 = c.backup.varyPco2;
    c.engine.options.carbonateModel = c.backup.carbonateModel;
    c.engine.phBalanceSwitch = c.backup.phBalanceSwitch;
}

}  // namespace

bool SkipWellStations(bool done, bool productUnchanged, bool productHasActive, bool wasActive) {
    return done && (productUnchanged || (!productHasActive && !wasActive));
}

void RunWellProfile(WellContext& c, WellKind kind) {
    // An empty source water is refused before anything is changed.
    if (RefuseEmptyWater(c.owner, c.surface, WellText::kNoSourceWater)) return;
    const WellDriver d = WellDriverOf(c, kind);

    // Set-up: save what the run changes, then the driver's own settings.
    SaveEngineSettings(c.engine, c.backup);
    c.engine.phBalanceSwitch = c.engine.options.correctPhForTemperature != 0 ? 1 : 0;
    if (kind == WellKind::kFlash11) c.engine.control.phPredictionMethod = 2;
    if (IsFlash(kind)) {
        c.pco2ProfileFlag = 1;
        c.engine.options.varyPco2 = 1;
        c.out.profileStepFlag = 1;
    }
    if (kind == WellKind::kFlash48) c.graphProfileKind = GraphProfileKind::kWellLog48;
    float& depth = c.specs.value[WellLogField::kDepth];
    if (kind == WellKind::kFlash11 && !(depth > 0.0f)) depth = kDefaultDepth;

    const UnitCodes& u = c.units.units;
    const double surfaceBar =
        WellPressureBar(c.surface.values[AE::kPressure], u.code[UnitItem::kPressure]);
    c.current.values[AE::kPh] = InitialPh(c, kind, surfaceBar);
    BuildStations(c, d);

    // The skip rule.
    const bool wasActive = c.productActive != 0;
    const bool hasActive = ProductHasActiveIngredient(c.product);
    if (hasActive) c.productActive = 1;
    const ProductName name = CurrentProductName(c.product);
    const bool unchanged = SameProductName(name, d.productAtLastRun) && d.ranWithProduct != 0 &&
                           c.residenceTime == c.residenceTimeAtLastRun;
    const bool skip = SkipWellStations(d.done != 0, unchanged, hasActive, wasActive);
    if (!skip) ComputeStations(c, d, surfaceBar, name);

    // The dose pass: after a change of product, or when no run had one yet.
    if (c.status.productSelected != 0 && (!unchanged || d.ranWithProduct == 0)) {
        RunWellDosePass(c, d);
        RecordProduct(c, d, name);
    }
    EndRun(c, d, !skip);
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
