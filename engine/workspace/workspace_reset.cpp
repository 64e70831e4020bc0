// The workspace reset behind the New command, step by step in the order the
// records are written.
#include "engine/workspace/workspace_reset.h"

#include <cstring>
#include <iterator>

#include "engine/carbonate/carbonate_records.h"
#include "engine/pipeline/surface_engine_state.h"
#include "pages/records.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/mainwindow/well_log_records.h"

namespace {

// One seventh-point step of a 0 to 100 percent axis, as the settings store it.
constexpr float kSixthOfHundred = 16.66666f;
// The default residence time of a water, seconds.
constexpr float kDefaultResidenceSeconds = 180.0f;
// Description texts of a water that New blanks (the eighth is kept).
constexpr int kBlankedDescriptionTexts = 7;

// pH-alkalinity curve: the measured pairs, their count and the fitted curve.
void ClearAlkCurve(AlkCurvePoints& points, AlkCurveCoefficients& curve) {
    points = AlkCurvePoints{};
    curve = AlkCurveCoefficients{};
}

// The injection-water percent axis of the mixing profile, 0 to 100 % in sixths,
// in both of its copies.
void ResetMixingAxis(float (&percent)[kMixProfileSlots],
                     float (&pointTable)[kMixPointTableRows][kMixProfileSlots]) {
    for (int k = 0; k < kMixProfilePoints; ++k) {
        const float p = static_cast<float>(k) * kSixthOfHundred;
        percent[k] = p;
        pointTable[0][k] = p;
    }
}

// A text field set to `text`, the rest of the field blanked so that no piece of
// an earlier product name remains behind the terminator.
template <size_t N>
void SetText(char (&field)[N], const char* text) {
    static_assert(N > 0);
    std::memset(field, 0, N);
    std::strncpy(field, text, N - 1);
}

// No product: the texts the pages show for it and the selection word "none".
void ClearProduct(ProductTable& product) {
    ProductRecord& first = product.records[0];
    SetText(first.name, "None");
    SetText(first.fileName, "No File");
    SetText(first.functionText, "No Function");
    product.selection = 0xFFFF;
}

// Defaults that follow the temperature unit: the what-if temperature range and
// the 3D graph temperature range, and the residence time of the selected water.
struct TemperatureDefaults {
    float whatIfLow, whatIfHigh, whatIfEval;
    float graphLow, graphHigh, graphAt;
};
constexpr TemperatureDefaults kTemperatureDefaults[] = {
    {70.0f, 130.0f, 110.0f, 70.0f, 130.0f, 122.0f},    // degrees F
    {21.0f, 54.0f, 43.0f, 21.0f, 54.0f, 50.0f},        // degrees C
    {294.0f, 327.0f, 320.0f, 294.0f, 327.0f, 323.0f},  // K
};
// The dose test conditions by the same unit: three test temperatures, then the
// four further conditions.
constexpr DoseTestConditions kDoseTestDefaults[] = {
    {{70.0f, 90.0f, 140.0f}, {100000.0f, 10000.0f, 0.005f, 5.0f}},   // degrees F
    {{20.0f, 30.0f, 35.0f}, {1000.0f, 10000.0f, 0.005f, 0.01f}},     // degrees C
    {{293.0f, 303.0f, 308.0f}, {1000.0f, 10000.0f, 0.005f, 0.01f}},  // K
};
static_assert(std::size(kDoseTestDefaults) == std::size(kTemperatureDefaults));

void ApplyTemperatureDefaults(uint16_t unit, const WorkspaceRecords& w) {
    if (unit >= std::size(kTemperatureDefaults)) return;  // another unit keeps them
    const TemperatureDefaults& d = kTemperatureDefaults[unit];
    w.doseTest = kDoseTestDefaults[unit];
    w.residenceTimeAtSelect = kDefaultResidenceSeconds;
    w.whatIf.temperatureLow = d.whatIfLow;
    w.whatIf.temperatureHigh = d.whatIfHigh;
    w.whatIf.temperatureEval = d.whatIfEval;
    w.graphRanges.gridTemperatureLow = d.graphLow;
    w.graphRanges.gridTemperatureHigh = d.graphHigh;
    w.graphRanges.gridTemperatureEval = d.graphAt;
}

// pCO2 defaults by the gas-phase CO2 unit: atmospheric CO2 (0.0034 atm) to 1 atm
// for unit 0; 1 to 5 for units 1 and 2; other units keep their values.
void ApplyPco2Defaults(uint16_t unit, WhatIfSettings& whatIf, GraphRangeSettings& graph) {
    float low, high, eval;
    if (unit == 0) {
        low = 0.0034f, high = 1.0f, eval = 0.0034f;
    } else if (unit == 1 || unit == 2) {
        low = 1.0f, high = 5.0f, eval = 1.0f;
    } else {
        return;
    }
    whatIf.pco2Low = low, whatIf.pco2High = high, whatIf.pco2Eval = eval;
    graph.gridPco2Low = low, graph.gridPco2High = high, graph.gridPco2Eval = eval;
}

// Calcite alone: the count 1 with the codes as they were, and the graphs' copy
// {0, none, none, none}.
void ResetGraphSelection(GraphChoice& choice, uint16_t (&codes)[kGraphIndexCodeCount]) {
    choice.leadingWord = 0;
    choice.count = 1;
    codes[0] = 0;
    for (int i = 1; i < kGraphIndexCodeCount; ++i) codes[i] = kNoGraphIndex;
}

// The mixing and pH ranges and the target pH. The mixing grids read their
// percent range and typical percent from the mixing-zone settings, the 3D
// graphs from the graph ranges: both copies get the same values.
void ResetRanges(const WorkspaceRecords& w) {
    w.graphRanges.gridMixLow = w.mixingZone.gridMixLow = 0.0f;
    w.graphRanges.gridMixHigh = w.mixingZone.gridMixHigh = 100.0f;
    w.graphRanges.mixTypicalPercent = w.mixingZone.mixTypicalPercent = kSixthOfHundred;
    w.mixingZone.mixLowPercent = 0.0f;
    w.mixingZone.mixHighPercent = 100.0f;
    w.mixingZone.mixStepPercent = kSixthOfHundred;
    w.graphRanges.gridPhLow = 5.6f;
    w.graphRanges.gridPhHigh = 8.0f;
    w.graphRanges.gridPhEval = 6.5f;
    w.whatIf.phLow = 5.6f;
    w.whatIf.phHigh = 8.0f;
    w.whatIf.phEval = 6.5f;
    w.phControl.targetPh = 7.0f;
}

// Which waters are entered and which results are current: none. The product
// flag and the target solver switch are not among these.
void ClearResultFlags(ResultStatus& s) {
    s.surfaceEntered = s.formationEntered = s.injectionEntered = 0;
    s.mixProfileDone = 0;
    for (uint16_t& f : s.mixGridDone) f = 0;
    s.tempProfileDone = s.phProfileDone = s.pressureProfileDone = 0;
    s.alkCurveEntered = 0;
    s.gridDone = s.gridDone2 = 0;
    for (uint16_t& f : s.wellProfileDone) f = 0;
}

void BlankDescription(SampleDescription& d) {
    for (int t = 0; t < kBlankedDescriptionTexts; ++t) d.text[t][0] = '\0';
}

// Every multi-mix source water emptied: analysis values and dates, weight,
// entered flag, dose state, residence time 180 s in the display unit, acids,
// temperatures, the names and IDs; then the indices and the done flag, and the blend's name.
void ClearMultiMix(MultiMixState& m, DoseState& dose, SampleDescription& mixedDescription) {
    for (int j = 0; j < kMultiMixWaterCount; ++j) {
        dose.multiMix[j].limitStatus = 0;
        dose.multiMix[j].doseDone = 0;
        m.weightPercent[j] = 0.0f;
        m.multiMixEntered[j] = 0;
        m.residenceTime[j][ResidenceForm::kDisplayUnit] = kDefaultResidenceSeconds;
        for (int f = 1; f < ResidenceForm::kCount; ++f) m.residenceTime[j][f] = 0.0f;
        WaterAnalysis& water = m.sourceWaters[j];
        for (float& v : water.values) v = 0.0f;
        for (float& v : sourceValuesAsEntered[j]) v = 0.0f;
        water.reportDate = 0;
        water.sampleDate = 0;
        water.sampleTime = 0;
        BlankDescription(m.descriptions[j]);
        // The eighth text is the source water's ID, typed on the multi-mix
        // form: a new workspace's waters have none.
        m.descriptions[j].text[kBlankedDescriptionTexts][0] = '\0';
        for (float& acid : m.organicAcids[j]) acid = 0.0f;
        m.sourceTemperature[j] = m.sourceTemperatureCopy[j] = 0.0f;
    }
    m.editIndex = 0;
    m.lastWaterIndex = 0;
    m.multiMixDone = 0;
    BlankDescription(mixedDescription);
}

}  // namespace

WorkspaceRecords GlobalWorkspaceRecords() {
    return WorkspaceRecords{
        alkCurvePoints,
        userAlkCurve,
        mixPercent,
        mixPointTable,
        wellLogSpecsEntered,
        productTable,
        doseTestConditions,
        residenceTimeAtSelect,
        waterResidenceSeconds,
        whatIfSettings,
        graphRangeSettings,
        phControlSettings,
        resultStatus,
        graphChoice,
        graphIndexCodes,
        gridCellWords,
        mixingZoneSettings,
        mixGridDosesDone,
        constantConcentrations,
        multiMixState,
        multiMixBlend.mixedDescription,
        doseState,
        wellProfiles.flash11.doseStatus,
        wellProfiles.flash48.doseStatus,
        currentHCO3,
        currentCO3,
        currentH2CO3,
        currentCO2,
        profileGraphIndices,
        waterPco2Copies,
        waterPh2sCopies,
        whatIfSwitches,
        waterTemperatures,
    };
}

void ResetWorkspace(const WorkspaceRecords& w, const UnitCodes& units) {
    ClearAlkCurve(w.alkCurvePoints, w.userAlkCurve);
    ResetMixingAxis(w.mixPercent, w.mixPointTable);
    w.wellLogSpecsEntered = 0;
    ClearProduct(w.product);
    for (float& t : w.waterResidenceSeconds) t = kDefaultResidenceSeconds;
    ApplyTemperatureDefaults(units.code[UnitItem::kTemperature], w);
    ApplyPco2Defaults(units.code[UnitItem::kGasCo2], w.whatIf, w.graphRanges);
    w.phControl.phPredictionMethod = 4;  // pH from the carbonate species
    w.status.productSelected = 0;
    ResetGraphSelection(w.graphChoice, w.graphIndexCodes);
    w.gridCellWords = GridCellWords{};
    ResetRanges(w);
    ClearResultFlags(w.status);
    w.mixGridDosesDone = 0;
    w.constants = ConstantConcentrations{};
    ClearMultiMix(w.multiMix, w.doseState, w.mixedDescription);
    for (int32_t& s : w.flash11DoseStatus) s = 0;
    for (int32_t& s : w.flash48DoseStatus) s = 0;
    w.currentHCO3 = w.currentCO3 = w.currentH2CO3 = w.currentCO2 = 0.0f;
    for (auto& profile : w.profileGraphIndices)
        for (uint16_t& index : profile) index = 0;
    for (float& p : w.waterPco2Copies) p = 0.0f;
    for (float& p : w.waterPh2sCopies) p = 0.0f;
    for (uint32_t& s : w.whatIfSwitches) s = 1;
    for (auto& pair : w.waterTemperatures) pair[0] = pair[1] = kStartTemperatureK;
}

void ResetWorkspace() {
    ResetWorkspace(GlobalWorkspaceRecords(), unitCodes);
    ForgetSurfaceEngineState();
}
