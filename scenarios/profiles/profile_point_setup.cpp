// Setting up one profile point before its engine passes: the working analysis
// from the surface water, the point's temperature, pH, pressure and partial
// pressures, the carbonate species and constants it starts from, and its pH
// control. Each member of the family sets up its own variable.
#include <cstring>

#include "engine/carbonate/carbonate_species.h"
#include "scenarios/frame/point_steps.h"
#include "scenarios/profiles/profile_family.h"
#include "scenarios/profiles/profiles.h"

namespace {
namespace AE = AnalysisElement;

void ClearDemands(DriverContext& c) {
    c.out.acidDemand = 0.0f;
    c.out.alkaliDemand = 0.0f;
}

void KeepDemands(const DriverContext& c, ProfileTable& t, int k) {
    t.acidDose[k] = c.out.acidDemand;
    t.alkaliDose[k] = c.out.alkaliDemand;
}

void SetEvaluationPressure(DriverContext& c, float* row) {
    if (c.engine.options.wellLogPtSource != 2) return;
    c.current.values[AE::kPressure] = c.settings.pressureEval;
    row[AE::kPressure] = c.settings.pressureEval;
}

// The pass mode of the passes before the main one: a reference pass when the
// pH is to follow the temperature (phBalanceSwitch 1), else a what-if pass.
uint16_t FirstPassMode(const DriverContext& c) {
    return c.engine.phBalanceSwitch == 1 ? PassMode::kReference : PassMode::kWhatIf;
}

// The evaluation pH the temperature profile's points are held at under pH
// control: the surface water's own where the chemicals cannot bring it there.
WhatIfSettings HeldSettings(const DriverContext& c) {
    WhatIfSettings s = c.settings;
    const float own = c.surface.values[AE::kPh];
    if (c.engine.options.forcePhToEvalForPressure != 0 && c.engine.options.useInputPh == 0 &&
        PhTargetOutOfReach(c.control, own, s.phEval))
        s.phEval = own;
    return s;
}

float SetUpTemperaturePoint(ProfileRun& run, int k) {
    DriverContext& c = run.c;
    const WhatIfOptions& o = c.engine.options;
    const WhatIfSettings s = HeldSettings(c);
    const DriverSettingsBackup& b = c.backup;
    float* w = c.current.values;
    const float* sv = c.surface.values;
    float* row = run.table.analysis[k];

    for (int e = 0; e < AE::kCount; ++e)
        if (e != AE::kMAlkalinity && e != AE::kPAlkalinity) w[e] = sv[e];
    w[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);

    float pointPh = sv[AE::kPh];
    if (o.varyPco2 == 0) {
        pointPh = TemperatureProfilePh(o, s, sv[AE::kPh]);
        row[AE::kPh] = w[AE::kPh] = pointPh;
    } else {
        w[AE::kPh] = -1.0f;
        w[AE::kPco2] = TemperatureProfilePco2(o, s, w[AE::kPco2]);
        row[AE::kPco2] = w[AE::kPco2];
    }

    ClearDemands(c);
    w[AE::kPAlkalinity] = w[AE::kCarbonate] = b.currentCO3;
    w[AE::kMAlkalinity] = w[AE::kBicarbonate] = b.currentHCO3;
    w[AE::kAcidity] = b.currentH2CO3;
    // Still the surface temperature: the gas leaves a hot surface water.
    if (DropsHydrogenSulfide(c, w[AE::kTemperature])) w[AE::kH2S] = 0.0f;

    RestoreCarbonate(b, c.engine);
    SetEvaluationPressure(c, row);

    if (o.varyPco2 == 0) {
        if (o.useInputPh != 0) {
            pointPh = sv[AE::kPh];
            c.calls.adjustPhToTarget(pointPh);
            row[AE::kPh] = w[AE::kPh] = pointPh;
        } else if (o.forcePhToEvalForPressure != 0) {
            pointPh = s.phEval;
            c.calls.adjustPhToTarget(pointPh);
            row[AE::kPh] = w[AE::kPh] = pointPh;
        }
    } else {
        // The pH of the point's pCO2 at the point's own temperature, its
        // carbonate pairs counted, as the pH profile finds it: the pCO2 is
        // held and the pH solved, and the row shows what was solved.
        const float surfaceTemperature = w[AE::kTemperature];
        w[AE::kTemperature] = run.axis[k];
        pointPh = PhFromPco2Pass(c, PhPrediction::kLogAlkalinity, FirstPassMode(c), 0);
        w[AE::kTemperature] = surfaceTemperature;
        row[AE::kPh] = pointPh;
        c.calls.adjustPhToTarget(pointPh);
    }

    SetEvaluationPressure(c, row);
    if (c.control.phControlMethod != PhControlMethod::kNone) {
        KeepPhControlFields(w, row);
        row[AE::kPh] = pointPh;
    }

    // Under a CO2 partial pressure the points keep the one the first pass gave
    // the pH from: the water's own unless the evaluation values are forced.
    w[AE::kPco2] = row[AE::kPco2] =
        o.varyPco2 == 0 ? s.pco2Eval : TemperatureProfilePco2(o, s, sv[AE::kPco2]);
    if (c.engine.phBalanceSwitch == 1) {
        row[AE::kPh] = pointPh;
    } else if (o.useInputPh != 0) {
        row[AE::kPh] = w[AE::kPh] = sv[AE::kPh];
    } else if (o.forcePhToEvalForPressure != 0) {
        row[AE::kPh] = w[AE::kPh] = s.phEval;
    }

    KeepDemands(c, run.table, k);
    w[AE::kTemperature] = row[AE::kTemperature] = run.axis[k];
    return pointPh;
}

// The temperature of a pH or pressure point: the evaluation temperature, or the
// surface water's own.
float EvaluationTemperature(const DriverContext& c) {
    return c.engine.options.useInputTemperature != 0 ? c.surface.values[AE::kTemperature]
                                                     : c.settings.temperatureEval;
}

float SetUpPhPoint(ProfileRun& run, int k) {
    DriverContext& c = run.c;
    const WhatIfOptions& o = c.engine.options;
    const WaterCarbonate& snap = c.surfaceCarbonate;
    float* w = c.current.values;
    const float* sv = c.surface.values;
    float* row = run.table.analysis[k];

    CopySurfaceForPoint(c);
    w[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);
    w[AE::kTemperature] = row[AE::kTemperature] = EvaluationTemperature(c);
    float pointPh = run.axis[k];
    if (o.varyPco2 == 0) {
        w[AE::kPh] = pointPh;
        w[AE::kPco2] = sv[AE::kPco2];
    } else {
        w[AE::kPh] = -1.0f;
        w[AE::kPco2] = run.axis[k];
    }
    SetEvaluationPressure(c, row);

    ClearDemands(c);
    w[AE::kBicarbonate] = c.engine.currentHCO3 = snap.hco3;
    w[AE::kCarbonate] = c.engine.currentCO3 = snap.co3;
    w[AE::kAcidity] = c.engine.currentCO2 = snap.dissolvedCo2;
    w[AE::kH2CO3] = c.engine.currentH2CO3;
    if (DropsHydrogenSulfide(c, w[AE::kTemperature])) w[AE::kH2S] = 0.0f;
    RestoreSurfaceConstants(c);

    run.underAxisGas = o.varyPco2 != 0;
    if (run.underAxisGas) {
        // The point's own water under its gas; pH control takes it from the
        // pH the gas gives to the target of the pH-control settings, where
        // its chemical can.
        const float gasPh = PhOfPointGas(c, FirstPassMode(c));
        row[AE::kPh] = gasPh;
        run.gasControl = ControlGasPoint(c, gasPh);
        pointPh = run.gasControl.ph;
    } else {
        c.calls.adjustPhToTarget(pointPh);
    }
    if (run.underAxisGas && !run.gasControl.dosed) {
        w[AE::kPh] = row[AE::kPh] = pointPh;
        row[AE::kPco2] = w[AE::kPco2];
    } else if (c.control.phControlMethod != PhControlMethod::kNone) {
        w[AE::kPh] = row[AE::kPh] = pointPh;
        KeepPhControlFields(w, row);
        row[AE::kPco2] = w[AE::kPco2];
    }
    KeepDemands(c, run.table, k);
    return pointPh;
}

float SetUpPressurePoint(ProfileRun& run, int k) {
    DriverContext& c = run.c;
    const DriverSettingsBackup& b = c.backup;
    float* w = c.current.values;
    const float* sv = c.surface.values;
    float* row = run.table.analysis[k];
    const float pressure = run.axis[k];

    CopySurfaceForPoint(c);
    w[AE::kReportingMode] = static_cast<float>(c.units.reportingMode);
    w[AE::kTemperature] = row[AE::kTemperature] = EvaluationTemperature(c);
    w[AE::kPh] = PressurePointPh(c, PressureProfileFixedPh(c));
    w[AE::kPressure] = row[AE::kPressure] = pressure;
    w[AE::kPco2] = row[AE::kPco2] = PointPco2(c, pressure);
    w[AE::kPH2S] = PointPh2s(c, pressure);

    ClearDemands(c);
    // A point whose pH moves to the water's own alkalinity holds the total
    // carbonate beside it, of the split its balance starts from; a point at a
    // fixed pH holds the carbonate's alkalinity, as the water's own conditions
    // split it (its snapshot): the share a sour water's sulfide takes of its
    // alkalinity is that of its own temperature, not of 25 C.
    const bool phFixed = !HoldsWaterCarbonate(PressureProfileFixedPh(c));
    w[AE::kBicarbonate] = phFixed ? c.surfaceCarbonate.hco3 : b.currentHCO3;
    w[AE::kCarbonate] = phFixed ? c.surfaceCarbonate.co3 : b.currentCO3;
    w[AE::kAcidity] = b.currentCO2;
    // Above atmospheric pressure at the surface the gas is held out of the water.
    const bool pressurised =
        sv[AE::kPH2S] > 0.0f &&
        PressureInBar(sv[AE::kPressure], c.units.units.code[UnitItem::kPressure]) > 1.02;
    if (DropsHydrogenSulfide(c, w[AE::kTemperature]) || pressurised) w[AE::kH2S] = 0.0f;
    RestoreCarbonate(b, c.engine);

    // No pH control: the first calculation gives the point's pH, the water's
    // own at the point's pressure when no option fixes it.
    RunGivenSpeciesPass(c, PassMode::kWhatIf, 1, SolverAnswers::kReplaced);
    const float pointPh = w[AE::kPh];
    KeepPhControlFields(w, row);
    row[AE::kPh] = pointPh;
    run.table.acidDose[k] = 0.0f;
    run.table.alkaliDose[k] = 0.0f;
    return pointPh;
}

}  // namespace

float PressureProfileFixedPh(const DriverContext& c) {
    const WhatIfOptions& o = c.engine.options;
    if (o.useInputPh != 0) return c.surface.values[AE::kPh];
    return o.forcePhToEvalForPressure != 0 ? c.settings.phEval : -1.0f;
}

float TemperatureProfilePh(const WhatIfOptions& options, const WhatIfSettings& settings,
                           float surfacePh) {
    const bool forced = options.useInputPh == 0 && options.forcePhToEvalForPressure != 0;
    return forced ? settings.phEval : surfacePh;
}

float TemperatureProfilePco2(const WhatIfOptions& options, const WhatIfSettings& settings,
                             float surfacePco2) {
    return options.forcePhToEvalForPressure != 0 ? settings.pco2Eval : surfacePco2;
}

float SetUpProfilePoint(ProfileRun& run, int k) {
    switch (run.variable) {
        case ProfileVariable::kTemperature:
            return SetUpTemperaturePoint(run, k);
        case ProfileVariable::kPh:
            return SetUpPhPoint(run, k);
        default:
            return SetUpPressurePoint(run, k);
    }
}

float ProfilePointPco2(const ProfileRun& run, int k) {
    switch (run.variable) {
        case ProfileVariable::kTemperature:
            return TemperatureProfilePco2(run.c.engine.options, run.c.settings,
                                          run.c.surface.values[AE::kPco2]);
        case ProfileVariable::kPh:
            return run.axis[k];
        default:
            return PointPco2(run.c, run.axis[k]);
    }
}
