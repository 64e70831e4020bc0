// CalcMixingProfile: seven mixes of the injection and formation waters along
// the injection-water percent range, with pH control, corrosion rates and the
// dose of the current product at each.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "common/index_code.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/plain_store.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/speciation/speciation_records.h"
#include "engine/inputs/unit_conversions.h"
#include "input/records.h"
#include "scenarios/frame/driver_frame.h"
#include "scenarios/frame/engine_port.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_axis.h"
#include "scenarios/mixing/mixing_steps.h"
#include "treatment/records.h"

namespace {

// mg of CaCO3 per equivalent: turns an acidity in eq/L into mg/L as CaCO3.
constexpr double kCaCO3PerEquivalent = 50044.5;

EngineSettings LiveEngineSettings() {
    return {carbonateState, currentCO2,      currentH2CO3,  currentHCO3,
            currentCO3,     phBalanceSwitch, whatIfOptions, phControlSettings};
}

// Steps 1 and 2 of a point: the blend and everything the first engine run is
// given. Returns the point's total acidity (eq/L).
double PreparePoint(int k, const MixShares& s, const MixSources& waters) {
    float* row = mixProfileTables.mixChemistry[k];
    float* cur = currentAnalysis.values;
    BlendAnalysisValues(waters, s, waterfloodMix.values);
    std::copy(waterfloodMix.values + 1, waterfloodMix.values + AnalysisElement::kCount, cur + 1);
    std::copy(waterfloodMix.values + 1, waterfloodMix.values + AnalysisElement::kCount, row + 1);

    cur[AnalysisElement::kReportingMode] = reportingMode;
    mixPointTable[MixPointRow::kResultScale][k] = cur[AnalysisElement::kResultScale];
    mixPointTable[MixPointRow::kPressure][k] = cur[AnalysisElement::kPressure];

    const BlendedCarbonate b = BlendCarbonate(waters, s);
    cur[AnalysisElement::kBicarbonate] = b.bicarbonate;
    cur[AnalysisElement::kCarbonate] = b.carbonate;
    dissolvedCO2Copy = b.dissolvedCo2;
    cur[AnalysisElement::kAcidity] = b.dissolvedCo2;
    waterfloodMix.values[AnalysisElement::kAcidity] = b.dissolvedCo2;
    // Waters whose calculation held a species at the engine's bound blend to
    // amounts no float holds: the blend keeps them at that bound too.
    const float totalCarbonate = PlainToFloat(ProfileTotalCarbonate(waters, s));
    cur[AnalysisElement::kTotalCarbonate] = totalCarbonate;
    waterfloodMix.values[AnalysisElement::kTotalCarbonate] = totalCarbonate;
    const float alkalinity = PlainToFloat(ProfileAlkalinity(waters, s));
    cur[AnalysisElement::kAlkalinityEq] = alkalinity;
    waterfloodMix.values[AnalysisElement::kAlkalinityEq] = alkalinity;
    HandBlendToEngine(b, b.hydrogen);

    for (float* v : {cur, row, waterfloodMix.values}) v[AnalysisElement::kPh] = -1.0f;
    cur[AnalysisElement::kSpeciesGiven] = 1.0f;
    cur[AnalysisElement::kAlkalinityMode] = alkalinityMode;
    cur[AnalysisElement::kReportingMode] = reportingMode;
    // The first run sees the mix at 25 degrees C.
    float reference = 0.0f;
    if (ReferenceTemperature(unitCodes.code[UnitItem::kTemperature], reference))
        cur[AnalysisElement::kTemperature] = reference;
    cur[AnalysisElement::kPh] = static_cast<float>(b.ph);
    // The blend keeps the hydrogen sulfide its waters hold (element 19), as it
    // keeps their carbonate: taken again from the blended pH2S at the 25 C of
    // the first run, it would be another amount at the blend's temperature.
    return s.g * static_cast<double>(waters.formationCarbonate.acidity) +
           s.f * static_cast<double>(waters.injectionCarbonate.acidity);
}

// Progress after an engine pass of point k: the share of the passes done,
// counting the phosphate re-runs so far (total - 7) as done passes.
void StepMixProgress(const ProgressClock& clock, int k, int totalSteps) {
    const int reruns = totalSteps - kMixPoints;
    const int percent = 100 * (k + 1 + reruns) / totalSteps;
    StepProgress(clock, percent, percent, 100.0);
}

// The phosphate a dose adds at point k (mg/L as PO4) goes into the point's
// water, the working analysis and the mix record, in the user's phosphate unit.
void AddDosePhosphate(int k, float addedMgL) {
    const float added = static_cast<float>(PhosphateDoseInUserUnits(addedMgL, GlobalUnitContext()));
    float* row = mixProfileTables.mixChemistry[k];
    row[AnalysisElement::kPhosphate] += added;
    currentAnalysis.values[AnalysisElement::kPhosphate] = row[AnalysisElement::kPhosphate];
    waterfloodMix.values[AnalysisElement::kPhosphate] = row[AnalysisElement::kPhosphate];
}

MixDoseRows PointRows(int k) {
    return {mixProfileTables.mixChemistry[k], mixProfileTables.mixResults[k],
            mixProfileTables.mixExcess[k]};
}

// The phosphate of point k's mix in mg/L as PO4: the dose inputs take it as it
// stood before the dose added any.
float PointPhosphate(int k) {
    return static_cast<float>(
        ConvPO4Units(mixProfileTables.mixChemistry[k][AnalysisElement::kPhosphate]));
}

MixDoseCall PointDoseCall(float phosphate) {
    return {IndexCode::kLarsonSkold, phosphate, {false, true}, std::nullopt};
}

// Sub-steps 7 to 14 of point k: main pass, corrosion, the point's tables and
// the dose, repeated once when the dose adds phosphate.
void FinishPoint(int k, double acidity, const ProgressClock& clock, int& totalSteps) {
    float* row = mixProfileTables.mixChemistry[k];
    const float phosphate = PointPhosphate(k);
    const float* cur = currentAnalysis.values;
    bool phosphateRerun = false;
    for (;;) {
        RunMixMainPass();
        if (KeepDosedMixPco2()) row[AnalysisElement::kPco2] = cur[AnalysisElement::kPco2];
        StoreCorrosionRates(mixProfileTables.mixCorrosion[k]);
        mixProfileTables.mixBufferCapacity[k] = cur[AnalysisElement::kConductivity];
        mixPointTable[MixPointRow::kPco2][k] = cur[AnalysisElement::kPco2];
        row[AnalysisElement::kPh] = cur[AnalysisElement::kPh];
        waterfloodMix.values[AnalysisElement::kPh] = cur[AnalysisElement::kPh];
        StepMixProgress(clock, k, totalSteps);
        // The calculated bicarbonate and carbonate (result slots 27 and 29).
        row[AnalysisElement::kMAlkalinity] = SaturationResults[27];
        row[AnalysisElement::kPAlkalinity] = SaturationResults[29];
        waterfloodMix.values[AnalysisElement::kMAlkalinity] = SaturationResults[27];
        waterfloodMix.values[AnalysisElement::kPAlkalinity] = SaturationResults[29];
        mixProfileTables.mixAcidity[k] = PlainToFloat(acidity * kCaCO3PerEquivalent);
        mixProfileTables.mixDissolvedCO2[k] = dissolvedCO2Copy;
        std::copy(std::begin(organicAcids), std::end(organicAcids),
                  mixProfileTables.mixOrganicAcids[k]);
        std::copy(std::begin(SaturationResults), std::end(SaturationResults),
                  mixProfileTables.mixResults[k]);
        std::copy(std::begin(MomentaryExcess), std::end(MomentaryExcess),
                  mixProfileTables.mixExcess[k]);

        if (resultStatus.productSelected == 0) {
            mixProfileTables.mixInhibitorDose[k] = 0.0f;
            mixProfileTables.mixDoseStatus[k] = 0;
            break;
        }
        DoseContext inputs{};
        mixProfileTables.mixDoseStatus[k] = DoseAtMix(PointRows(k), PointDoseCall(phosphate),
                                                      inputs, mixProfileTables.mixInhibitorDose[k]);
        const float addedPhosphate = inputs.value[DoseInput::kIngredient1];
        if (phosphateRerun || !(addedPhosphate > 0.0f) ||
            ConstantPhosphateInForce(constantConcentrations))
            break;
        AddDosePhosphate(k, addedPhosphate);
        phosphateRerun = true;
        ++totalSteps;
    }
    row[AnalysisElement::kPhosphate] = waterfloodMix.values[AnalysisElement::kPhosphate];
}

void RunWholeProfile(bool hasPhosphate) {
    const MixSources waters = WaterfloodSources();
    int totalSteps = kMixPoints;
    const ProgressClock clock = StartProgress();
    for (int k = 0; k < kMixPoints; ++k) {
        float* row = mixProfileTables.mixChemistry[k];
        const MixShares shares = SharesOf(mixPercent[k]);
        const double acidity = PreparePoint(k, shares, waters);

        RunFirstMixPass();  // at 25 degrees C
        float* cur = currentAnalysis.values;
        cur[AnalysisElement::kTemperature] = row[AnalysisElement::kTemperature];
        row[AnalysisElement::kPh] = cur[AnalysisElement::kPh];
        waterfloodMix.values[AnalysisElement::kPh] = cur[AnalysisElement::kPh];
        acidDemand = 0.0f;
        alkaliDemand = 0.0f;
        // A mix the chemicals cannot bring to the target keeps its own pH.
        if (phControlSettings.phControlMethod != PhControlMethod::kNone &&
            !PhTargetOutOfReach(phControlSettings, cur[AnalysisElement::kPh],
                                phControlSettings.targetPh)) {
            const float target = phControlSettings.targetPh;
            const bool settles = SettlesPhDoses();
            const SpeciatedCarbonate mix = settles ? MixCarbonate() : SpeciatedCarbonate{};
            AdjustMixPh(target);
            if (settles) SplitAdjustedCarbonate(mix, target);
            cur[AnalysisElement::kPh] = target;
            row[AnalysisElement::kPh] = target;
            HandAdjustedCarbonate();
            if (settles) SettleMixDose(mix, target);
            KeepAdjustedElements(cur, row);
        }
        mixProfileTables.mixAcidDose[k] = acidDemand;
        mixProfileTables.mixAlkaliDose[k] = alkaliDemand;
        ClearMixDoseTracking();
        FinishPoint(k, acidity, clock, totalSteps);
    }
    if (resultStatus.productSelected == 0 || ProductIsRecorded(mixDoseProduct))
        mixGridDosesDone = 0;
    RecordProduct(mixDoseProduct);
    mixDosesDone = 1;
    mixPhosphateProduct = hasPhosphate ? 1 : 0;
    EndProgress();
}

// The mixes no water can be are marked as not calculated. Under pH control
// a mix's pH is the target, given.
int MarkMixesBeyondAnyWater() {
    MixProfileTables& m = mixProfileTables;
    const PointUnits units{unitCodes.code[UnitItem::kPressure], unitCodes.code[UnitItem::kGasCo2]};
    const GivenConditions given{phControlSettings.phControlMethod != PhControlMethod::kNone,
                                false};
    int marked = 0;
    for (int k = 0; k < kMixPoints; ++k) {
        float* row = m.mixChemistry[k];
        PointFigures f = FiguresOfPoint(row, m.mixResults[k], m.mixDissolvedCO2[k], units);
        f.conductivity = m.mixBufferCapacity[k];
        if (!BeyondAnyWater(f)) continue;
        ++marked;
        MarkAnalysisNotCalculated(row, given);
        MarkNotCalculated(m.mixResults[k], kMixValueCount);
        MarkNotCalculated(m.mixExcess[k], kMixExcessCount);
        MarkNotCalculated(m.mixCorrosion[k], kMixCorrosionSlots);
        for (float* v : {&m.mixBufferCapacity[k], &m.mixAcidity[k], &m.mixDissolvedCO2[k],
                         &m.mixAcidDose[k], &m.mixAlkaliDose[k], &m.mixInhibitorDose[k]})
            *v = kNotCalculated;
    }
    return marked;
}

void RecomputeDoses(bool hasPhosphate) {
    for (int k = 0; k < kMixPoints; ++k) {
        // A mix not calculated has no water to dose.
        if (IsNotCalculated(mixProfileTables.mixResults[k][35])) continue;
        float* row = mixProfileTables.mixChemistry[k];
        if (ConstantPhosphateInForce(constantConcentrations)) {
            row[AnalysisElement::kPhosphate] = constantConcentrations.values[0];
            currentAnalysis.values[AnalysisElement::kPhosphate] = constantConcentrations.values[0];
        }
        DoseContext inputs{};
        mixProfileTables.mixDoseStatus[k] =
            DoseAtMix(PointRows(k), PointDoseCall(PointPhosphate(k)), inputs,
                      mixProfileTables.mixInhibitorDose[k]);
    }
    if (!ProductIsRecorded(mixDoseProduct)) mixGridDosesDone = 0;
    RecordProduct(mixDoseProduct);
    mixDosesDone = 1;
    mixPhosphateProduct = hasPhosphate ? 1 : 0;
}

void ClearDoses() {
    std::fill(std::begin(mixProfileTables.mixInhibitorDose),
              std::end(mixProfileTables.mixInhibitorDose), 0.0f);
    std::fill(std::begin(mixProfileTables.mixDoseStatus), std::end(mixProfileTables.mixDoseStatus),
              uint16_t{0});
}

// Step 7: the working analysis keeps the last mix with the calculated species,
// alkalinity, pH and the blended temperature, and the engine settings go back.
void FinishProfile(const DriverSettingsBackup& saved) {
    float* cur = currentAnalysis.values;
    for (int e :
         {AnalysisElement::kMAlkalinity, AnalysisElement::kPAlkalinity,
          AnalysisElement::kAlkalinity, AnalysisElement::kPh, AnalysisElement::kTemperature})
        cur[e] = waterfloodMix.values[e];
    resultStatus.mixProfileDone = 1;
    mixAlkalinityLabels = 1;
    cur[AnalysisElement::kReportingMode] = reportingMode;
    cur[AnalysisElement::kSpeciesGiven] = 1.0f;
    cur[AnalysisElement::kAlkalinityMode] = alkalinityMode;
    RestoreEngineSettings(saved, LiveEngineSettings());
}

}  // namespace

void CalcMixingProfile(win::HWND owner) {
    if (AbortForPhControlChemical(owner, phControlSettings, phControlSettings.targetPh)) return;
    ForgetPhTargetOutOfReach();

    DriverSettingsBackup saved{};
    SaveEngineSettings(LiveEngineSettings(), saved);
    phBalanceSwitch = 0;

    mixingZoneSettings.mixStepPercent = BuildMixRatioAxis(
        mixingZoneSettings.mixLowPercent, mixingZoneSettings.mixHighPercent, mixPercent);
    std::copy(std::begin(mixPercent), std::end(mixPercent), mixPointTable[MixPointRow::kPercent]);
    mixPointCount = kMixPoints;

    const bool hasPhosphate = ProductCarriesPhosphate(productTable);
    const MixProductState state{
        resultStatus.mixProfileDone != 0,  hasPhosphate,
        mixPhosphateProduct != 0,          mixDosesDone != 0,
        ProductIsRecorded(mixDoseProduct), resultStatus.productSelected != 0};
    int marked = 0;
    switch (ChooseMixProfileWork(state)) {
        case MixProfileWork::kFullRun:
            RunWholeProfile(hasPhosphate);
            marked = MarkMixesBeyondAnyWater();
            break;
        case MixProfileWork::kClearDoses:
            ClearDoses();
            break;
        case MixProfileWork::kNothing:
            break;
        case MixProfileWork::kDosesOnly:
            RecomputeDoses(hasPhosphate);
            break;
    }
    FinishProfile(saved);
    TellPhTargetOutOfReach(owner);
    TellPointsNotCalculated(owner, marked, kMixPoints);
}
