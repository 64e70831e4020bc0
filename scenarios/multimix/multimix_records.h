// The multi-mix blend: up to twelve stored source waters with their
// descriptions, weight percents, residence times and entered flags (the record
// the multi-mix input fills), and what the blend of them leaves (the blend's
// analysis is mixedWater of the engine records). The single-water pipeline
// computes the source water at editIndex when the current water is a multi-mix
// source water and files its results, carbonate figures, dose and corrosion
// rates in the per-water stores of the engine, one entry per source water.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/dose/dose_records.h"
#include "engine/pipeline/pipeline_records.h"  // kMultiMixWaterCount
#include "engine/records.h"
#include "scenarios/frame/whatif_records.h"  // kProductNameChars

constexpr int kMultiMixAcidCount = 4;  // C2, C3, C4, C5

// The five forms of one residence time, in this order.
namespace ResidenceForm {
enum : int { kDisplayUnit = 0, kDays = 1, kHours = 2, kMinutes = 3, kSeconds = 4, kCount = 5 };
}

struct MultiMixState {
    int32_t lastWaterIndex;  // index of the highest water stored; the water count is this + 1
    int32_t editIndex;       // the water being edited or calculated, 0-based
    WaterAnalysis sourceWaters[kMultiMixWaterCount];
    SampleDescription descriptions[kMultiMixWaterCount];  // text 0 names the water
    float weightPercent[kMultiMixWaterCount];  // share of each water in the blend, percent
    float residenceTime[kMultiMixWaterCount][ResidenceForm::kCount];
    uint32_t multiMixEntered[kMultiMixWaterCount];  // 1 once the water was entered
    uint32_t multiMixDone;                          // 1 once the blend is current
    // The C2, C3, C4 and C5 acids of each water, mg/L.
    float organicAcids[kMultiMixWaterCount][kMultiMixAcidCount];
    // Each water's temperature as the input last calculated it, and its copy.
    float sourceTemperature[kMultiMixWaterCount];
    float sourceTemperatureCopy[kMultiMixWaterCount];
    // The multi-mix input reopens its dialog while this is set; its OK and
    // Recalculate leave it, MIX and Cancel clear it.
    uint32_t reopenMultiMix;
    // Not saved: a water is being added (set when the first water is still
    // empty or NEXT adds one, cleared by Activate and Deactivate), and the
    // input's "Display Result" and "Print Result" toggles.
    uint16_t addingNewWater;
    uint16_t showMultiMixResults;
    uint16_t printMultiMixResults;
};

extern MultiMixState multiMixState;

// Each source water's 64 values as the user entered them, before the
// calculation balanced or computed any of them (the water in sourceWaters is
// the one calculated). Saved in the work file.
extern float sourceValuesAsEntered[kMultiMixWaterCount][AnalysisElement::kCount];

// What MixWaters leaves besides mixedWater. The blend has a result row of its
// own (blendWaterResults): the source waters' result rows are exactly twelve,
// and the blend's row never shares their storage.
struct MultiMixBlend {
    SampleDescription mixedDescription;          // identification texts of the blend
    float meanResidenceSeconds;                  // weighted mean residence time of the sources, s
    float blendResults[kSaturationResultCount];  // SaturationResults of the blend
    float blendExcess[kMomentaryExcessCount];    // MomentaryExcess of the blend
    // The blend's entry beside the source waters' stored results: slot 27 the
    // bicarbonate and slot 8 the carbonate the blend's last engine run left.
    float blendWaterResults[kSaturationResultCount];
    float blendDose;             // product dose for the blend, mg/L of product
    int32_t blendDoseStatus;     // what CalcInhibitorDosage returned for the blend
    float blendAcidDemand;       // acid for the target pH, 0 without pH control
    float blendAlkaliDemand;     // alkali for the target pH, 0 without pH control
    float blendBufferCapacity;   // element 34 after the blend's engine run
    float blendDissolvedCO2;     // dissolved CO2 as H2CO3 after the run, mg/L
    float blendFigure;           // weighted total carbonate of the sources, mol/L
    float blendOrganicAcids[4];  // C2, C3, C4 and C5 acids at the blend, mg/L
    // Skip state: the product the blend was last dosed with.
    char productFileAtLastMix[kProductNameChars];
    uint32_t blendRanWithProduct;  // 1 once a blend or dose pass recorded a product
    int32_t blendActiveComponent;  // 1-based last of the first seven components above 0.01
    float mixResidenceTime;        // the residence time handed to the dose, s
    float lastMixResidenceTime;    // copy of mixResidenceTime after each dose, s
    // The blend's dose inputs; the polyphosphate and zinc entries carry what the
    // previous dose left in them into the next.
    DoseContext blendDoseInputs;
    uint16_t mixColumnCount;  // columns the multi-mix pages show: the water count
};

extern MultiMixBlend multiMixBlend;

// The multi-mix's report date (packed): set by its input and Mix commands,
// taken from the main window's report date by the source-water chemistry page
// while it is 0. The work file has no place for it.
extern int32_t multiMixDate;

// Start-of-run state: every field zero.
void ResetMultiMixRecords();
