// One well station: set-up of the working analysis, the three engine runs, the
// corrosion rates and the dose with its phosphate stage.
#include "scenarios/well_station_run.h"

#include <cmath>
#include <cstring>

#include "common/index_code.h"
#include "common/unit_codes.h"
#include "scenarios/well_dose.h"

namespace AE = AnalysisElement;

namespace {

// Calculation modes of the engine (calcPassMode).
constexpr uint16_t kReferencePass = 0;
constexpr uint16_t kWhatIfPass = 2;

// Above 100 degrees C a water that carries a gas phase of H2S loses its
// dissolved H2S to the gas.
constexpr double kH2SBoilOffC = 100.0;
// Above this surface pressure (bar) the pH of a station comes from its pCO2.
constexpr double kPhFromPco2AboveBar = 1.02;

void CopySurfaceForStation(const WaterAnalysis& surface, WaterAnalysis& current) {
    for (int i = 1; i < AE::kCount; ++i) {
        if (i == AE::kMAlkalinity || i == AE::kPAlkalinity || i == AE::kPco2) continue;
        current.values[i] = surface.values[i];
    }
}

// The current carbonate set of a station: the values saved at the start for
// station 0, the surface water's snapshot from station 1 on (dissolved CO2 as
// the saved one). The carbonate constants go back to the saved ones.
void PutBackCarbonate(WellContext& c, int k) {
    RestoreCarbonate(c.backup, c.engine);
    if (k > 0) {
        c.engine.currentHCO3 = c.surfaceCarbonate.hco3;
        c.engine.currentCO3 = c.surfaceCarbonate.co3;
        c.engine.currentH2CO3 = c.surfaceCarbonate.dissolvedCo2;
    }
    float* v = c.current.values;
    v[AE::kMAlkalinity] = v[AE::kBicarbonate] = c.engine.currentHCO3;
    v[AE::kPAlkalinity] = v[AE::kCarbonate] = c.engine.currentCO3;
    v[AE::kAcidity] = c.engine.currentH2CO3;
}

// Station temperature in degrees C; an unknown unit keeps the previous value.
void UpdateTemperatureC(float t, uint16_t unit, double& celsius) {
    switch (unit) {
        case TemperatureUnit::kFahrenheit:
            celsius = (t - 32.0) * 5.0 / 9.0;
            break;
        case TemperatureUnit::kCelsius:
            celsius = t;
            break;
        case TemperatureUnit::kKelvin:
            celsius = t - 273.16;
            break;
        default:
            break;
    }
}

void ApplyH2SRule(WellContext& c, double temperatureC) {
    if (c.h2sOff != 0 || (c.surface.values[AE::kPH2S] > 0.0f && temperatureC > kH2SBoilOffC))
        c.current.values[AE::kH2S] = 0.0f;
}

void StationPh(WellContext& c, const WellStationRun& run) {
    const float* s = c.surface.values;
    float& ph = c.current.values[AE::kPh];
    const WhatIfOptions& o = c.engine.options;
    if (o.varyPco2 != 0) {
        ph = run.surfacePressureBar > kPhFromPco2AboveBar ? -1.0f : s[AE::kPh];
    } else if (o.useInputPh != 0) {
        ph = s[AE::kPh];
    } else if (o.forcePhToEvalForPressure != 0) {
        ph = c.settings.phEval;
    }  // otherwise the pH the previous station left
}

void Run(WellContext& c, uint16_t passMode, uint16_t stepFlag) {
    float* v = c.current.values;
    v[AE::kSpeciesGiven] = 1.0f;
    v[AE::kAlkalinityMode] = 3.0f;
    c.out.calcPassMode = passMode;
    c.out.profileStepFlag = stepFlag;
    c.calls.runCalculations();
    c.out.profileStepFlag = 0;
}

void Progress(const WellStationRun& run, double done, int stations) {
    const int32_t percent = static_cast<int32_t>(std::trunc(done * 100.0 / stations));
    StepProgress(run.clock, percent, done, stations);
}

}  // namespace

double WellPressureBar(float pressure, uint16_t pressureUnit) {
    switch (pressureUnit) {
        case PressureUnit::kAtm:
            return pressure * 1.01325;
        case PressureUnit::kPsia:
            return pressure * 0.068948;
        case PressureUnit::kKPa:
            return pressure / 100.0;
        default:
            return pressure;
    }
}

float StationPartialPressure(float surfaceValue, uint16_t gasUnit, float stationPressure,
                             float surfacePressure) {
    if (gasUnit > PressureUnit::kKPa || !(surfacePressure > 0.0f)) return surfaceValue;
    return static_cast<float>(static_cast<double>(surfaceValue) * stationPressure /
                              surfacePressure);
}

void RunWellStation(WellContext& c, const WellDriver& d, int k, WellStationRun& run) {
    const WellTableView& t = d.table;
    const float* s = c.surface.values;
    float* v = c.current.values;
    const UnitCodes& units = c.units.units;
    const uint16_t balancePass = c.engine.phBalanceSwitch != 0 ? kReferencePass : kWhatIfPass;

    // 1-3: the surface water at the station's temperature and pressure.
    CopySurfaceForStation(c.surface, c.current);
    v[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);
    c.out.acidDemand = c.out.alkaliDemand = 0.0f;
    PutBackCarbonate(c, k);
    v[AE::kPressure] = t.stations.pressure[k];
    v[AE::kTemperature] = t.stations.temperature[k];
    t.analysis[k][AE::kTemperature] = t.stations.temperature[k];

    // 4-8: hydrogen sulfide, the gases at the station's pressure, the pH.
    UpdateTemperatureC(t.stations.temperature[k], units.code[UnitItem::kTemperature],
                       run.temperatureC);
    ApplyH2SRule(c, run.temperatureC);
    const float stationP = t.stations.pressure[k];
    const float surfaceP = s[AE::kPressure];
    v[AE::kPco2] = StationPartialPressure(s[AE::kPco2], units.code[UnitItem::kGasCo2], stationP,
                                          surfaceP);
    v[AE::kPH2S] = StationPartialPressure(s[AE::kPH2S], units.code[UnitItem::kGasH2S], stationP,
                                          surfaceP);
    StationPh(c, run);
    t.phDoseA[k] = t.phDoseB[k] = 0.0f;
    ApplyH2SRule(c, run.temperatureC);

    // Run 1 settles the pH at the station.
    Run(c, balancePass, 1);
    t.analysis[k][AE::kPh] = v[AE::kPh];

    // Run 2 gives the carbonate species at the station.
    const double phosphateMgL = ConvPO4Units(v[AE::kPhosphate], c.units);
    Run(c, balancePass, 0);
    v[AE::kMAlkalinity] = c.out.saturation[27];
    v[AE::kPAlkalinity] = c.out.saturation[29];
    v[AE::kAcidity] = c.out.dissolvedCO2Copy;
    Progress(run, k + 0.5, t.Count());
    c.doseLimits.runningLimitDose = c.doseLimits.presentLimitDose = 0.0f;
    c.phosphateStage = 0;

    // Run 3 gives the station's results; once more when the dose adds phosphate.
    for (;;) {
        c.out.saturation[31] = 0.0f;
        Run(c, kWhatIfPass, 0);
        t.bicarbonate[k] = c.out.saturation[27];
        t.carbonate[k] = c.out.saturation[29];
        if (d.kind == WellKind::kFlash11) {
            v[AE::kMAlkalinity] = c.out.saturation[27];
            v[AE::kPAlkalinity] = c.out.saturation[29];
            v[AE::kAcidity] = c.out.dissolvedCO2Copy;
        }
        Progress(run, k + 1.0, t.Count());
        t.carbonateFigure[k] = c.out.carbonateFigure;
        t.dissolvedCO2[k] = c.out.dissolvedCO2Copy;
        std::memcpy(t.results[k], c.out.saturation, sizeof t.results[k]);
        std::memcpy(t.analysis[k], v, sizeof t.analysis[k]);
        std::memcpy(t.excess[k], c.out.excess, sizeof t.excess[k]);
        WellCorrosionRow(c, t.analysis[k], t.results[k], t.corrosion[k]);

        if (c.status.productSelected == 0) {
            t.doseStatus[k] = 0;
            return;
        }
        FillWellDoseAnalysis(c.doseAnalysis, t.analysis[k], t.results[k], t.excess[k],
                             t.bicarbonate[k], t.carbonate[k]);
        FillWellDoseInputs(run.doseInputs, t.analysis[k], t.results[k], phosphateMgL);
        t.doseStatus[k] =
            DoseWellStation(c, run.doseInputs, v[AE::kTemperature], true, t.dose[k]);
        c.doseLimits.keepLimitDoses = 1;

        const float phosphateDose = run.doseInputs.value[DoseInput::kIngredient1];
        if (c.phosphateStage != 0 || !(phosphateDose > 0.0f)) return;
        float added = 0.0f;
        if (PhosphateAddition(phosphateDose, c.units.reportingMode,
                              units.code[UnitItem::kPhosphate], added))
            v[AE::kPhosphate] = s[AE::kPhosphate] + added;
        c.phosphateStage = 1;
    }
}
