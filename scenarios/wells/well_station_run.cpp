// One well station: set-up of the working analysis, the three engine runs, the
// corrosion rates and the dose with its phosphate stage.
#include "scenarios/wells/well_station_run.h"

#include <cmath>
#include <cstring>

#include "engine/carbonate/carbonate_species.h"
#include "scenarios/frame/point_steps.h"
#include "scenarios/wells/well_dose.h"

namespace AE = AnalysisElement;

namespace {

// The current carbonate set of a station: the values saved at the start for
// station 0, the surface water's snapshot from station 1 on (dissolved CO2 as
// the saved one). The carbonate constants go back to the saved ones.
void PutBackCarbonate(DriverContext& b, int k) {
    RestoreCarbonate(b.backup, b.engine);
    if (k > 0) {
        b.engine.currentHCO3 = b.surfaceCarbonate.hco3;
        b.engine.currentCO3 = b.surfaceCarbonate.co3;
        b.engine.currentH2CO3 = b.surfaceCarbonate.dissolvedCo2;
    }
    float* v = b.current.values;
    v[AE::kMAlkalinity] = v[AE::kBicarbonate] = b.engine.currentHCO3;
    v[AE::kPAlkalinity] = v[AE::kCarbonate] = b.engine.currentCO3;
    v[AE::kAcidity] = b.engine.currentH2CO3;
}

void ApplyH2SRule(DriverContext& b, float temperature) {
    if (DropsHydrogenSulfide(b, temperature)) b.current.values[AE::kH2S] = 0.0f;
}

// The pH station k starts from. Stations under their gas start from none: the
// pH is solved from the station's pCO2 (the surface water's at the station's
// pressure), whatever the plot variable, so that a pressurised water's
// stations are the same water on every page and graph. Otherwise the
// after-flash profiles start from the surface pH, and the well-log stations
// from the pH an option pins, or, with the pH following the temperature, the
// first station from the surface water's pH and each later one from the pH
// the station before left: the balance settles a station's pH within its
// passes only from nearby (a hot carbonate brine at pH 9.43 started from an
// evaluation pH of 6.5 showed its first station's calcite 7 % above every
// other's).
void StationPh(DriverContext& b, const WellDriver& d, const WellStationRun& run, int k) {
    const float* s = b.surface.values;
    float& ph = b.current.values[AE::kPh];
    const WhatIfOptions& o = b.engine.options;
    if (run.underGas) {
        ph = -1.0f;
    } else if (d.kind != WellKind::kWellLog || o.useInputPh != 0) {
        ph = s[AE::kPh];
    } else if (o.forcePhToEvalForPressure != 0) {
        ph = b.settings.phEval;
    } else if (k == 0) {
        ph = b.engine.phBalanceSwitch != 0 ? s[AE::kPh] : b.settings.phEval;
    }  // otherwise the pH the previous station left
}

void Progress(const WellStationRun& run, double done, int stations) {
    const int32_t percent = static_cast<int32_t>(std::trunc(done * 100.0 / stations));
    StepProgress(run.clock, percent, done, stations);
}

}  // namespace

bool StationsUnderGas(bool pinned, bool pco2Plotted, double surfacePressureBar) {
    return !pinned && (pco2Plotted || surfacePressureBar > kPhFromPco2AboveBar);
}

void RunWellStation(WellContext& c, const WellDriver& d, int k, WellStationRun& run) {
    DriverContext& b = c.base;
    const WellTableView& t = d.table;
    float* v = b.current.values;
    const uint16_t balancePass =
        b.engine.phBalanceSwitch != 0 ? PassMode::kReference : PassMode::kWhatIf;
    const float temperature = t.stations.temperature[k];
    const float pressure = t.stations.pressure[k];

    // The surface water at the station's temperature and pressure.
    CopySurfaceForPoint(b);
    v[AE::kReportingMode] = static_cast<float>(b.units.reportingMode);
    b.out.acidDemand = b.out.alkaliDemand = 0.0f;
    PutBackCarbonate(b, k);
    v[AE::kPressure] = pressure;
    v[AE::kTemperature] = temperature;
    t.analysis[k][AE::kTemperature] = temperature;

    // Hydrogen sulfide, the gases at the station's pressure, the pH.
    ApplyH2SRule(b, temperature);
    v[AE::kPco2] = PointPco2(b, pressure);
    v[AE::kPH2S] = PointPh2s(b, pressure);
    StationPh(b, d, run, k);
    t.phDoseA[k] = t.phDoseB[k] = 0.0f;
    ApplyH2SRule(b, temperature);

    // Run 1 settles the pH at the station; under its gas, from the station's
    // pCO2 with its carbonate pairs counted, as the profiles and the water's
    // page find it.
    if (v[AE::kPh] < 0.0f)
        (void)PhFromPco2Pass(b, PhPrediction::kLogAlkalinity, balancePass, 0);
    else
        RunGivenSpeciesPass(b, balancePass, 1, SolverAnswers::kReplaced);
    t.analysis[k][AE::kPh] = v[AE::kPh];

    // Run 2 gives the carbonate species at the station.
    const double phosphateMgL = PhosphateMgL(b);
    RunGivenSpeciesPass(b, balancePass, 0, SolverAnswers::kReplaced);
    if (std::isfinite(run.ownAlkalinity)) b.out.referenceAlkalinity = run.ownAlkalinity;
    v[AE::kMAlkalinity] = b.out.saturation[27];
    v[AE::kPAlkalinity] = b.out.saturation[29];
    v[AE::kAcidity] = b.out.dissolvedCO2Copy;
    Progress(run, k + 0.5, t.Count());
    ClearDoseState(b.doseLimits);

    // Run 3 gives the station's results; once more when the dose adds phosphate.
    float pco2Atm = 0.0f;
    do {
        b.out.saturation[31] = 0.0f;
        RunGivenSpeciesPass(b, PassMode::kWhatIf, 0);
        t.bicarbonate[k] = b.out.saturation[27];
        t.carbonate[k] = b.out.saturation[29];
        if (d.kind == WellKind::kFlash11) {
            v[AE::kMAlkalinity] = b.out.saturation[27];
            v[AE::kPAlkalinity] = b.out.saturation[29];
            v[AE::kAcidity] = b.out.dissolvedCO2Copy;
        }
        Progress(run, k + 1.0, t.Count());
        t.carbonateFigure[k] = b.out.carbonateFigure;
        pco2Atm = b.out.pco2Atm;
        // The CO2 of the station's own pass, which its mark reads.
        t.dissolvedCO2[k] = b.out.equilibriumCarbonicAcid;
        std::memcpy(t.results[k], b.out.saturation, sizeof t.results[k]);
        std::memcpy(t.analysis[k], v, sizeof t.analysis[k]);
        std::memcpy(t.excess[k], b.out.excess, sizeof t.excess[k]);
        WellCorrosionRow(c, t.analysis[k], t.results[k], t.corrosion[k]);

        if (b.status.productSelected == 0) {
            t.doseStatus[k] = 0;
            break;
        }
        FillDoseAnalysis(b.doseAnalysis, t.analysis[k], t.results[k], t.excess[k], t.bicarbonate[k],
                         t.carbonate[k]);
        FillDoseInputs(run.doseInputs, v[AE::kPh], t.results[k], t.analysis[k], phosphateMgL);
        t.doseStatus[k] = DoseWellStation(c, run.doseInputs, temperature, true, t.dose[k]);
    } while (AddPhosphateOfDose(b, run.doseInputs));
    // The row names the pCO2 its results were computed at, that of its last
    // results pass (the one its pH holds); the pressure-scaled surface pCO2 it
    // started from, which the corrosion rates and the dose have used, was only
    // the pass's input.
    KeepPassPco2(b, pco2Atm, t.analysis[k]);
}
