// Records the single-water pipeline keeps per stored water: the copies the
// inhibitor dose reads, the corrosion rates, the dose state and the product the
// last dose used.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/records.h"

constexpr int kMultiMixWaterCount = 12;

// The analysis values, the engine results and the excess results of the water
// being dosed, as they stood when its dose was last computed.
struct DoseAnalysis {
    float analysis[AnalysisElement::kCount];
    float results[kSaturationResultCount];
    float excess[kMomentaryExcessCount];
};
extern DoseAnalysis doseAnalysis;

// The rates of the four corrosion models, in this order: CO2 with the rate-constant
// table, CO2 with fugacity (H2S-driven), Arrhenius-type, combined CO2/H2S.
constexpr int kCorrosionModelCount = 4;
// The rate every page, report, summary and export shows, of a water and of each
// point or station: the first of the four, the CO2 rate of the rate-constant
// table. The combined CO2/H2S model gives rates no steel shows and stays for the
// graph that names it.
constexpr int kShownCorrosionRate = 0;
struct CorrosionRates {
    float surface[kCorrosionModelCount];
    float injection[kCorrosionModelCount];
    float formation[kCorrosionModelCount];
    float multiMix[kMultiMixWaterCount][kCorrosionModelCount];
    float mixed[kCorrosionModelCount];  // the spare set of the mixed water
    double last[kCorrosionModelCount];  // the last four rates computed
};
extern CorrosionRates corrosionRates;

// The dose of the current product per water.
struct WaterDoseState {
    uint16_t doseDone;
    int16_t limitStatus;  // what CalcInhibitorDosage returned
    float dose;           // the product dose
};
struct MultiMixDoseState {
    uint32_t doseDone;
    int16_t limitStatus;
    float dose;
};
struct DoseState {
    WaterDoseState surface;
    WaterDoseState injection;
    WaterDoseState formation;
    MultiMixDoseState multiMix[kMultiMixWaterCount];
};
extern DoseState doseState;

// The product file name and the corrosion target that the last dose calculation used.
constexpr int kProductFileNameChars = 80;
extern char productAtLastCalc[kProductFileNameChars];
extern float corrosionTargetAtLastCalc;

// The residence time (seconds) of the water being calculated, which the dose reads
// as its time.
extern float currentResidenceTime;

// The line through the last predicted water's own pH-alkalinity point, with log
// slope 1.43, and the pH it was made from.
extern AlkCurveCoefficients extrapolatedAlkCurve;
extern float extrapolatedAlkCurvePh;

void ResetPipelineRecords();
