// The dose side of a stored water's calculation: the treatment loop that adds the
// chemicals a treatment product delivers (phosphate, polyphosphate, zinc) and
// recomputes the water with them, and the dose refresh of a water whose results
// are still current.
#include <cstring>

#include "engine/corrosion/corrosion_models.h"
#include "engine/dose/dose_records.h"
#include "engine/dose/inhibitor_dose.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/inputs/treatment_inputs.h"
#include "engine/pipeline/water_pipeline.h"
#include "input/records.h"
#include "pages/records.h"
#include "treatment/records.h"

namespace {

void FillDoseAnalysis() {
    std::memcpy(doseAnalysis.analysis, currentAnalysis.values, sizeof doseAnalysis.analysis);
    std::memcpy(doseAnalysis.results, SaturationResults, sizeof doseAnalysis.results);
    std::memcpy(doseAnalysis.excess, MomentaryExcess, sizeof doseAnalysis.excess);
}

// Runs the dose on the water in currentAnalysis with the given dose inputs and
// files its status; the product dose lands in treatmentStage.dose.
void RunDose(PipelineRun& run, DoseContext& inputs, const UnitContext& units) {
    float limitInputs[kLimitInputCount];
    const dose::VariableSource source{doseAnalysis,         units,           0.0,
                                      currentResidenceTime, corrosionTarget, doseFigure};
    BuildLimitInputs(productTable, source, limitInputs);
    const int16_t status =
        CalcInhibitorDosage(&inputs, currentAnalysis.values[AnalysisElement::kTemperature],
                            limitInputs, currentResidenceTime, &treatmentStage.dose);
    corrosionTargetAtLastCalc = corrosionTarget;
    SetDoseDone(run.water);
    if (run.water.limitStatus != nullptr) *run.water.limitStatus = status;
    run.doseComputed = true;
}

void SetSpeciesGiven(float* v) {
    v[AnalysisElement::kSpeciesGiven] = 1.0f;
    v[AnalysisElement::kAlkalinityMode] = 3.0f;
}

}  // namespace

void TakeWaterResidenceTime(const StoredWater& water) {
    if (water.residenceSeconds != nullptr) currentResidenceTime = *water.residenceSeconds;
}

void RecordProductAtLastCalc() {
    // A name that fills the whole field keeps its last character off, so the copy
    // is always terminated.
    const char* name = productTable.records[0].fileName;
    const std::size_t length = strnlen(name, sizeof productAtLastCalc - 1);
    std::memcpy(productAtLastCalc, name, length);
    productAtLastCalc[length] = '\0';
}

void StoreCorrosionRates(float* rates) {
    const float* v = currentAnalysis.values;
    const double t = v[AnalysisElement::kTemperature];
    const double ph = v[AnalysisElement::kPh];
    const double p = v[AnalysisElement::kPressure];
    const double pco2 = v[AnalysisElement::kPco2];
    const double ph2s = v[AnalysisElement::kPH2S];
    const double last[kCorrosionModelCount] = {
        CalcCorrRateCO2Kt(t, ph, p, pco2),
        CalcCorrRateCO2Fug(t, ph, p, ph2s),
        CalcCorrRateArrhenius(t, ph, p, pco2),
        CalcCorrRateCO2H2S(t, ph, p, pco2, ph2s),
    };
    for (int i = 0; i < kCorrosionModelCount; ++i) {
        corrosionRates.last[i] = last[i];
        rates[i] = static_cast<float>(last[i]);
    }
}

void RefreshDose(PipelineRun& run) {
    const StoredWater& water = run.water;
    const bool stale = (!IsDoseDone(water) && run.productSelected) || run.productChanged ||
                       currentResidenceTime != residenceTimeAtSelect;
    if (!stale) return;
    if (run.productSelected) {
        if (water.results != nullptr) {
            std::memcpy(SaturationResults, water.results->saturation, sizeof SaturationResults);
            std::memcpy(MomentaryExcess, water.results->excess, sizeof MomentaryExcess);
        }
        TakeWaterResidenceTime(water);
        const UnitContext units = GlobalUnitContext();
        FillDoseAnalysis();
        DoseContext inputs{};
        BuildDoseInputs(currentAnalysis, SaturationResults, StagesDone{}, units, inputs);
        RunDose(run, inputs, units);
    } else {
        SetDoseDone(water);
        if (water.limitStatus != nullptr) *water.limitStatus = 0;
    }
    RecordProductAtLastCalc();
}

void RunTreatmentLoop(PipelineRun& run) {
    const StoredWater& water = run.water;
    float* v = currentAnalysis.values;
    productActive = run.productSelected && LaterComponentHasActiveIngredient(productTable) ? 1 : 0;
    treatmentStage = TreatmentStageRecord{};
    doseFigure = 0.0f;
    // The limit inputs of the first pass already read the water's own time.
    TakeWaterResidenceTime(water);
    const UnitContext units = GlobalUnitContext();

    DoseContext inputs{};
    bool finalPass = false;
    for (;;) {
        // A results pass on the carbonate species the reference pass derived.
        balanceAmount = 0.0f;
        SetSpeciesGiven(v);
        RunCalculationsWith(run.engine);
        if (water.analysis != nullptr) {
            float* stored = water.analysis->values;
            stored[AnalysisElement::kConductivity] = v[AnalysisElement::kConductivity];
            stored[AnalysisElement::kPco2] = v[AnalysisElement::kPco2];
            stored[AnalysisElement::kPH2S] = v[AnalysisElement::kPH2S];
        }
        StoreCorrosionRates(water.corrosion);
        if (!run.productSelected) break;

        FillDoseAnalysis();
        if (!finalPass) {
            // The final pass computes no dose, so its inputs keep the last dose's
            // amounts: re-reading the analysis there would take the chemicals
            // already present for a dose still to add.
            const StagesDone done{treatmentStage.phosphateAdded != 0,
                                  treatmentStage.polyphosphateAdded != 0,
                                  treatmentStage.zincAdded != 0};
            BuildDoseInputs(currentAnalysis, SaturationResults, done, units, inputs);
            RunDose(run, inputs, units);
        }
        productActive = run.carriesPhosphate ? 1 : 0;
        treatmentStage.treatmentAdded = 1;

        const float phosphateDose = inputs.value[DoseInput::kIngredient1];
        const float polyphosphateDose = inputs.value[DoseInput::kIngredient2];
        const float zincDose = inputs.value[DoseInput::kIngredient3];
        if (treatmentStage.phosphateAdded == 0 && phosphateDose > 0.0f) {
            // The phosphate goes in the user's phosphate unit, so that the engine
            // and the dose read exactly the dose more.
            v[AnalysisElement::kPhosphate] +=
                static_cast<float>(PhosphateDoseInUserUnits(phosphateDose, units));
            treatmentStage.phosphateAdded = 1;
        } else if (treatmentStage.polyphosphateAdded == 0 && polyphosphateDose > 0.0f) {
            // Polyphosphate is kept in the unit of its own choice (UnitCodes item 36,
            // the item the equilibrium calculation reads it by) with the phosphate
            // factors, as the dose reads it back.
            v[AnalysisElement::kPolyphosphate] +=
                static_cast<float>(PolyphosphateDoseInUserUnits(polyphosphateDose, units));
            treatmentStage.polyphosphateAdded = 1;
        } else if (treatmentStage.zincAdded == 0 && zincDose > 0.0f) {
            v[AnalysisElement::kZinc] +=
                static_cast<float>(ZincDoseInUserUnits(zincDose, units));
            treatmentStage.zincAdded = 1;
        } else if (finalPass) {
            break;
        } else {
            // The final pass sees the base water with the last doses, not the sum
            // of the doses of every pass.
            v[AnalysisElement::kPhosphate] =
                run.basePhosphate +
                static_cast<float>(PhosphateDoseInUserUnits(phosphateDose, units));
            v[AnalysisElement::kZinc] =
                run.baseZinc + static_cast<float>(ZincDoseInUserUnits(zincDose, units));
            finalPass = true;
        }
    }

    if (run.productSelected) {
        SetDoseDone(water);
        RecordProductAtLastCalc();
    }
    if (water.results != nullptr) {
        std::memcpy(water.results->saturation, SaturationResults, sizeof SaturationResults);
        std::memcpy(water.results->excess, MomentaryExcess, sizeof MomentaryExcess);
    }
    v[AnalysisElement::kSpeciesGiven] = 1.0f;
    v[AnalysisElement::kAlkalinityMode] = static_cast<float>(alkalinityMode);
}
