// The multi-mix driver: its checks and questions, the choice between a full
// blend, a dose-only pass and nothing, the full blend with its treatment loop,
// and the common end.
#include "scenarios/multimix/multimix.h"

#include <initializer_list>

#include "engine/carbonate/carbonate_records.h"
#include "engine/dose/dose_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/carbonate/ph_adjustment.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciation_records.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/pipeline/water_pipeline.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "scenarios/frame/driver_frame.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/engine_port.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/frame/point_steps.h"
#include "scenarios/mixing/mixing_steps.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/multimix/multimix_blend.h"
#include "scenarios/multimix/multimix_dose.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/multimix/multimix_weights.h"
#include "treatment/records.h"

namespace {

namespace AE = AnalysisElement;

enum class BlendWork { kNothing, kDoseOnly, kFull };

// What the call found before it changed anything.
struct BlendCall {
    int waterCount;
    BlendWeights weights;
    int32_t activeComponent;
    ProductName product;
    bool productUnchanged;
};

// The balancing slot of the results that the results pass fills with the
// Puckorius index; cleared before each results pass.
constexpr int kBalanceSlot = 31;
// Result slots of the blend's bicarbonate and carbonate (mg/L), and the slot of
// the carbonate in a water's stored result row.
constexpr int kBicarbonateSlot = 27;
constexpr int kCarbonateSlot = 29;
constexpr int kStoredCarbonateSlot = 8;

void ShowRefusal(win::HWND owner, const char* text) {
    (void)DriverMessageBox(owner, text, DriverText::kWarningCaption,
                           win::MB_OK | win::MB_ICONINFORMATION);
}

EngineSettings LiveEngineSettings() {
    return {carbonateState, currentCO2,      currentH2CO3,  currentHCO3,
            currentCO3,     phBalanceSwitch, whatIfOptions, phControlSettings};
}

// Step 4 of the rule: nothing when the blend is current and neither the product
// nor its active component changed; the dose alone when only a product without
// an active component replaced another without one; else the whole blend.
BlendWork ChooseWork(const BlendCall& call, const MultiMixState& m, const MultiMixBlend& b) {
    if (m.multiMixDone == 0) return BlendWork::kFull;
    if (call.productUnchanged)
        return call.activeComponent == b.blendActiveComponent ? BlendWork::kNothing
                                                              : BlendWork::kFull;
    if (call.activeComponent != 0 || b.blendActiveComponent != 0) return BlendWork::kFull;
    return BlendWork::kDoseOnly;
}

// 25 degrees C in the user's temperature unit; other unit codes keep `current`.
float ReferenceTemperature(uint16_t unit, float current) {
    switch (unit) {
        case TemperatureUnit::kFahrenheit:
            return 77.0f;
        case TemperatureUnit::kCelsius:
            return 25.0f;
        case TemperatureUnit::kKelvin:
            return 298.16f;
        default:
            return current;
    }
}

void RecordProduct(const BlendCall& call, MultiMixBlend& b) {
    RecordProductName(call.product, b.productFileAtLastMix);
    b.blendRanWithProduct = 1;
    b.blendActiveComponent = call.activeComponent;
}

// Mixes the waters, sets the blend's carbonate system and runs the engine on it
// at the reference temperature; then brings it to the target pH. Returns the
// blend's phosphate (mg/L as PO4) before any dose.
float MakeBlend(const BlendCall& call, MultiMixState& m, MultiMixBlend& b) {
    for (int j = 0; j < call.waterCount; ++j) m.weightPercent[j] = call.weights.percent[j];
    ClearBlendedCarbonate(carbonateState, referenceOutputs.acidity);
    const BlendSources sources{m, CarbonateSnapshot.multiMix, call.weights, call.waterCount};
    const BlendTargets targets{mixedWater,
                               currentAnalysis,
                               carbonateState,
                               referenceOutputs.acidity,
                               b.meanResidenceSeconds,
                               b.blendFigure,
                               dissolvedCO2Copy};
    const BlendSums sums = BlendWaters(sources, reportingMode, targets);
    SetBlendCarbonateSystem(sums, carbonateState.kw, mixedWater, currentAnalysis);
    const float blendPh = mixedWater.values[AE::kPh];

    float* w = currentAnalysis.values;
    const float phosphateMgL = static_cast<float>(ConvPO4Units(mixedWater.values[AE::kPhosphate]));
    w[AE::kAlkalinityMode] = alkalinityMode;
    w[AE::kReportingMode] = reportingMode;
    w[AE::kSpeciesGiven] = 1.0f;
    w[AE::kTemperature] =
        ReferenceTemperature(unitCodes.code[UnitItem::kTemperature], w[AE::kTemperature]);
    SetBlendDerivedFigures(carbonateState, referenceCarbonate, referenceOutputs);

    RunFirstMixPass();
    w[AE::kTemperature] = mixedWater.values[AE::kTemperature];
    mixedWater.values[AE::kPh] = w[AE::kPh];

    // The passes that follow hold the CO2 the waters brought (the reference
    // pass above found the blend's at 25 C), the blend's own pass before pH
    // control among them.
    referenceDissolvedCo2 = mixedWater.values[AE::kAcidity];
    // pH control starts from the blend itself (the working analysis), at the pH
    // the mixed hydrogen ion gave.
    acidDemand = alkaliDemand = 0.0f;
    // A blend the chemicals cannot bring to the target keeps its own pH.
    if (phControlSettings.phControlMethod != PhControlMethod::kNone &&
        !PhTargetOutOfReach(phControlSettings, w[AE::kPh], phControlSettings.targetPh)) {
        constexpr int16_t kWorkingAnalysis = 3;
        const float target = phControlSettings.targetPh;
        // As a mix of the waterflood: the blend's own carbonate at its
        // temperature splits the adjusted water and settles the dose, and its
        // results passes hold the adjusted water's dissolved CO2.
        const bool settles = SettlesPhDoses();
        const SpeciatedCarbonate blend = settles ? MixCarbonate() : SpeciatedCarbonate{};
        float ph = blendPh;
        float alkalinity = 0.0f;
        AdjustpHToTarget(kWorkingAnalysis, 1.0f, target, ph, alkalinity);
        if (settles) SplitAdjustedCarbonate(blend, target);
        mixedWater.values[AE::kPh] = w[AE::kPh] = target;
        HandAdjustedCarbonate();
        if (settles) SettleMixDose(blend, target);
        KeepPhControlFields(w, mixedWater.values);
    }
    b.blendAcidDemand = acidDemand;
    b.blendAlkaliDemand = alkaliDemand;
    return phosphateMgL;
}

// One results pass of the blend and what it files.
void ResultsPass(MultiMixBlend& b) {
    float* w = currentAnalysis.values;
    SaturationResults[kBalanceSlot] = 0.0f;
    w[AE::kSpeciesGiven] = 1.0f;
    w[AE::kAlkalinityMode] = 3.0f;  // bicarbonate and carbonate given as species
    calcPassMode = 1;
    balanceHold = 0;
    heldAlkalinity = MixHeldAlkalinity();
    CurrentScenarioEngine().runCalculations();
    heldAlkalinity = 0.0;
    if (KeepDosedMixPco2()) mixedWater.values[AE::kPco2] = w[AE::kPco2];
    b.blendBufferCapacity = w[AE::kConductivity];
    mixedWater.values[AE::kPh] = w[AE::kPh];
}

void FileResults(MultiMixBlend& b) {
    mixedWater.values[AE::kMAlkalinity] = SaturationResults[kBicarbonateSlot];
    mixedWater.values[AE::kPAlkalinity] = SaturationResults[kCarbonateSlot];
    b.blendWaterResults[kBicarbonateSlot] = SaturationResults[kBicarbonateSlot];
    b.blendWaterResults[kStoredCarbonateSlot] = SaturationResults[kCarbonateSlot];
    for (int i = 0; i < kSaturationResultCount; ++i) b.blendResults[i] = SaturationResults[i];
    for (int i = 0; i < kMomentaryExcessCount; ++i) b.blendExcess[i] = MomentaryExcess[i];
    StoreCorrosionRates(corrosionRates.mixed);  // the blend's own rates
    b.blendDissolvedCO2 = dissolvedCO2Copy;
    for (int i = 0; i < kOrganicAcidCount; ++i) b.blendOrganicAcids[i] = organicAcids[i];
}

// The whole blend: mixing, pH control, then results passes with the dose until
// no phosphate is to be added (at most one addition).
void FullBlend(const BlendCall& call, MultiMixState& m, MultiMixBlend& b) {
    const ProgressClock clock = StartProgress();
    const float phosphateMgL = MakeBlend(call, m, b);

    b.blendDose = 0.0f;
    doseFigure = 0.0f;
    currentAnalysis.values[AE::kPh] = mixedWater.values[AE::kPh];
    bool phosphateAdded = false;
    for (int repeats = 0;; ++repeats) {
        ResultsPass(b);
        // The work is done once the engine has run: the window shows it complete.
        const int p = call.waterCount + repeats;
        StepProgress(clock, 100 * (p + 1) / p, 1.0, 1.0);
        FileResults(b);

        b.mixResidenceTime = b.meanResidenceSeconds;
        const float phosphateDose =
            DoseTheBlend({mixedWater, b, doseAnalysis, phosphateMgL,
                          mixedWater.values[AE::kTemperature], b.meanResidenceSeconds});
        b.lastMixResidenceTime = b.mixResidenceTime;
        if (phosphateAdded || phosphateDose <= 0.0f || ConstantPhosphateOn(constantConcentrations))
            break;
        const float added =
            static_cast<float>(PhosphateDoseInUserUnits(phosphateDose, GlobalUnitContext()));
        mixedWater.values[AE::kPhosphate] += added;
        currentAnalysis.values[AE::kPhosphate] += added;
        phosphateAdded = true;
    }

    if (SameProductName(call.product, b.productFileAtLastMix)) productLoaded = 0;
    RecordProduct(call, b);
    EndProgress();
}

// A new product without an active component: the blend stands, only its dose
// is computed again from the stored results.
void DoseOnly(const BlendCall& call, MultiMixBlend& b) {
    if (ConstantPhosphateOn(constantConcentrations)) {
        const float constant = constantConcentrations.values[0];
        currentAnalysis.values[AE::kPhosphate] = mixedWater.values[AE::kPhosphate] = constant;
    }
    const float phosphateMgL = static_cast<float>(ConvPO4Units(mixedWater.values[AE::kPhosphate]));
    (void)DoseTheBlend({mixedWater, b, doseAnalysis, phosphateMgL,
                        mixedWater.values[AE::kTemperature], b.mixResidenceTime});
    b.lastMixResidenceTime = b.mixResidenceTime;
    productLoaded = 0;  // the product changed: the blend has taken it in
    RecordProduct(call, b);
}

// Every path but a refusal or an abort: the blend's values the pages read from
// the working analysis, the done flag and the page layout.
void Finish(const BlendCall& call, MultiMixState& m, MultiMixBlend& b) {
    float* w = currentAnalysis.values;
    for (int i : {AE::kMAlkalinity, AE::kPAlkalinity, AE::kAlkalinity, AE::kPh, AE::kTemperature})
        w[i] = mixedWater.values[i];
    m.multiMixDone = 1;
    b.mixColumnCount = static_cast<uint16_t>(call.waterCount);
    mixAlkalinityLabels = 1;
    w[AE::kSpeciesGiven] = 1.0f;
    w[AE::kReportingMode] = reportingMode;
    w[AE::kAlkalinityMode] = alkalinityMode;
}

}  // namespace

void MixWaters(uint16_t /*mode*/, win::HWND owner) {
    MultiMixState& m = multiMixState;
    MultiMixBlend& b = multiMixBlend;

    // Checks and questions before anything changes.
    if (m.lastWaterIndex < 0 || m.lastWaterIndex >= kMultiMixWaterCount) {
        ShowRefusal(owner, MultiMixText::kNoWaters);
        return;
    }
    BlendCall call{};
    call.waterCount = m.lastWaterIndex + 1;
    call.weights = ResolveBlendWeights(m, call.waterCount);
    if (!WeightsMakeABlend(call.weights, call.waterCount)) {
        ShowRefusal(owner, MultiMixText::kNoWeights);
        return;
    }
    if (AbortForPhControlChemical(owner, phControlSettings, phControlSettings.targetPh)) return;
    ForgetPhTargetOutOfReach();

    DriverSettingsBackup saved{};
    const EngineSettings live = LiveEngineSettings();
    SaveEngineSettings(live, saved);
    phBalanceSwitch = 0;

    mixPointCount = static_cast<uint16_t>(call.waterCount);
    call.activeComponent = ActiveComponent(productTable);
    call.product = CurrentProductName(productTable);
    call.productUnchanged =
        b.blendRanWithProduct != 0 && SameProductName(call.product, b.productFileAtLastMix);

    bool blended = false;
    switch (ChooseWork(call, m, b)) {
        case BlendWork::kFull:
            FullBlend(call, m, b);
            blended = true;
            break;
        case BlendWork::kDoseOnly:
            DoseOnly(call, b);
            break;
        case BlendWork::kNothing:
            break;
    }
    Finish(call, m, b);
    RestoreEngineSettings(saved, live);
    TellPhTargetOutOfReach(owner);
    // A blend that came to figures no water holds is shown as not calculated.
    if (blended)
        (void)TellWaterIfNotCalculated(owner, "The multi-mix blend", mixedWater.values,
                                       b.blendResults);
}
