// CalcTempProfile, CalcpHProfile and CalcPressProfile: the frame of the profile
// family. Questions and the empty-water refusal come before any change; the
// re-run rule decides between a whole run, a dose-only pass and nothing; the
// end step puts the surface water back into the working analysis and the
// engine settings back as they were.
#include <cstring>

#include "engine/carbonate/carbonate_species.h"
#include "scenarios/frame/driver_services.h"
#include "graphs/records.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/frame/point_steps.h"
#include "scenarios/frame/driver_end_step.h"
#include "scenarios/profiles/profile_axis.h"
#include "scenarios/profiles/profile_family.h"
#include "scenarios/profiles/profiles.h"

namespace {

ProfileTable& TableOf(WhatIfResults& tables, ProfileVariable v) {
    switch (v) {
        case ProfileVariable::kTemperature:
            return tables.tempProfile;
        case ProfileVariable::kPh:
            return tables.phProfile;
        default:
            return tables.pressureProfile;
    }
}

uint16_t& DoneFlagOf(ResultStatus& status, ProfileVariable v) {
    switch (v) {
        case ProfileVariable::kTemperature:
            return status.tempProfileDone;
        case ProfileVariable::kPh:
            return status.phProfileDone;
        default:
            return status.pressureProfileDone;
    }
}

uint32_t GraphKindOf(ProfileVariable v) {
    switch (v) {
        case ProfileVariable::kTemperature:
            return GraphProfileKind::kTemperature;
        case ProfileVariable::kPh:
            return GraphProfileKind::kPhOrPco2;
        default:
            return GraphProfileKind::kPressure;
    }
}

void BuildAxisOf(const DriverContext& c, ProfileVariable v, float (&axis)[kProfilePoints]) {
    const WhatIfSettings& s = c.settings;
    switch (v) {
        case ProfileVariable::kTemperature:
            BuildProfileAxis(s.temperatureLow, s.temperatureHigh, axis);
            break;
        case ProfileVariable::kPh:
            if (c.engine.options.varyPco2 != 0)
                BuildProfileAxis(s.pco2Low, s.pco2High, axis);
            else
                BuildProfileAxis(s.phLow, s.phHigh, axis);
            break;
        case ProfileVariable::kPressure:
            BuildProfileAxis(s.pressureLow, s.pressureHigh, axis);
            break;
    }
}

// The CO2 and NaHCO3 questions: once on the evaluation pH for the temperature
// profile, on each pH point of a pH axis, never for the pressure profile.
bool AbortedByQuestion(const DriverContext& c, ProfileVariable v,
                       const float (&axis)[kProfilePoints]) {
    if (v == ProfileVariable::kTemperature)
        return AbortForPhControlChemical(c.owner, c.control, c.settings.phEval);
    if (v == ProfileVariable::kPh && c.engine.options.varyPco2 == 0) {
        for (float ph : axis)
            if (AbortForPhControlChemical(c.owner, c.control, ph)) return true;
    }
    return false;
}

// The settings a member holds for the length of its run.
void SetUpMemberSettings(DriverContext& c, ProfileVariable v) {
    switch (v) {
        case ProfileVariable::kTemperature:
            c.engine.phBalanceSwitch = c.engine.options.correctPhForTemperature != 0 ? 1 : 0;
            break;
        case ProfileVariable::kPh:
            c.engine.phBalanceSwitch = 0;
            c.pco2ProfileFlagCopy = c.pco2ProfileFlag;
            break;
        case ProfileVariable::kPressure:
            c.engine.options.varyPco2 = 1;
            c.engine.control.phPredictionMethod = PhPrediction::kProduction;
            c.engine.phBalanceSwitch = HoldsWaterCarbonate(PressureProfileFixedPh(c)) ? 1 : 0;
            break;
    }
}

// The points of a whole run that no water can be are marked as not
// calculated; the user is told once, after the run.
int MarkPointsBeyondAnyWater(const DriverContext& c, ProfileVariable v, ProfileTable& table) {
    const uint16_t* units = c.units.units.code;
    const bool underGas = c.engine.options.varyPco2 != 0;
    const GivenConditions given{v == ProfileVariable::kPh && !underGas, underGas};
    int marked = 0;
    for (int k = 0; k < kProfilePoints; ++k)
        if (MarkProfilePointIfBeyond(table, k, {units[UnitItem::kPressure], units[UnitItem::kGasCo2]},
                                     given))
            ++marked;
    return marked;
}

}  // namespace

void RunProfile(DriverContext& c, ProfileVariable v) {
    ProfileTable& table = TableOf(c.tables, v);
    uint16_t& done = DoneFlagOf(c.status, v);
    float axis[kProfilePoints];
    BuildAxisOf(c, v, axis);

    // Checks. The temperature profile refuses an empty water before it asks.
    if (v == ProfileVariable::kTemperature && RefuseEmptyWater(c.owner, c.surface)) return;
    if (v != ProfileVariable::kTemperature && RefuseSourWater(c.owner)) return;
    if (AbortedByQuestion(c, v, axis)) return;
    ForgetPhTargetOutOfReach();

    // The re-run rule, decided before anything changes so that a refusal
    // below leaves every record as it was.
    const ProductName product = CurrentProductName(c.product);
    const bool selected = c.status.productSelected != 0;
    const bool active = c.productActive != 0 || AnyDosedComponentActive(c.product);
    const bool stale = !SameProductName(product, table.lastProductName) || table.doseDone == 0 ||
                       c.residenceTimeAtSelect != c.residenceTimeAtLastRun;
    const bool dosesDue = selected && (table.doseDone == 0 || stale);
    const RunChoice choice = ChooseRun(done != 0, stale, active, dosesDue);
    if (choice == RunChoice::kWhole && v != ProfileVariable::kTemperature &&
        RefuseEmptyWater(c.owner, c.surface))
        return;

    StartFromSurfaceCalculation(c.owner);
    SaveEngineSettings(c.engine, c.backup);
    SetUpMemberSettings(c, v);
    c.graphProfileKind = GraphKindOf(v);
    std::memcpy(table.axis, axis, sizeof axis);
    if (active) c.productActive = 1;

    ProfileRun run{c, v, table, {}, product, DoseContext{}};
    std::memcpy(run.axis, axis, sizeof axis);
    int marked = 0;
    if (choice == RunChoice::kWhole) {
        RunProfilePoints(run);
        marked = MarkPointsBeyondAnyWater(c, v, table);
        // The pH and pressure profiles refresh the doses once more when they
        // were due before the run.
        if (v != ProfileVariable::kTemperature && dosesDue) RunProfileDosePass(run);
    } else if (choice == RunChoice::kDoseOnly) {
        RunProfileDosePass(run);
    }

    // End step.
    done = 1;
    EndOnSurfaceWater(c);
    if (v == ProfileVariable::kPh) {
        c.engine.phBalanceSwitch = c.engine.options.correctPhForTemperature != 0 ? 1 : 0;
        RestoreSurfaceConstants(c);
    }
    TellPhTargetOutOfReach(c.owner);
    TellPointsNotCalculated(c.owner, marked, kProfilePoints);
}

void CalcTempProfile(win::HWND owner) {
    DriverContext c = BindDriverContext(owner);
    RunProfile(c, ProfileVariable::kTemperature);
}

void CalcpHProfile(win::HWND owner) {
    DriverContext c = BindDriverContext(owner);
    RunProfile(c, ProfileVariable::kPh);
}

void CalcPressProfile(win::HWND owner) {
    DriverContext c = BindDriverContext(owner);
    RunProfile(c, ProfileVariable::kPressure);
}
