// CalcGridDosages: the inhibitor dose of every cell of a 7 x 7 grid, for the dose
// graph. Each cell's stored results become the dose's water in turn.
#include <algorithm>
#include <cstring>

#include "engine/dose/inhibitor_dose.h"

void CalcGridDosages(const DoseEnvironment& env, DoseLimitState& limits, DoseAnalysis& scratch,
                     const GraphChoice& choice, int16_t run, int16_t choiceIndex,
                     const GridDoseCells& cells) {
    if (!env.productSelected || run == 0) return;
    if (choiceIndex < 0 || choiceIndex >= 4 || choice.codes[choiceIndex] != GraphCode::kDose)
        return;

    const DoseEnvironment cellEnv{env.product,       env.productSelected, scratch,
                                  env.units,         env.corrosionTarget, env.doseFigure,
                                  env.evaluateLimits};
    for (int c = 0; c < kGridCellCount; ++c) {
        std::memcpy(scratch.results, cells.results[c], sizeof scratch.results);
        std::memcpy(scratch.analysis, cells.analysis[c], sizeof scratch.analysis);
        std::memcpy(scratch.excess, cells.excess[c], sizeof scratch.excess);
        scratch.results[27] = cells.bicarbonate[c];
        scratch.results[8] = cells.carbonate[c];
        scratch.results[29] = cells.carbonate[c];

        const float* a = scratch.analysis;
        const float* r = scratch.results;
        DoseContext inputs{};
        inputs.value[DoseInput::kPh] = a[AnalysisElement::kPh];
        inputs.value[DoseInput::kResultValue] = r[IndexCode::kRyznar];
        inputs.value[DoseInput::kCalciteRatio] = r[IndexCode::kCalcite];
        inputs.value[DoseInput::kSilica] = a[AnalysisElement::kSilica];
        inputs.value[DoseInput::kIron] = a[AnalysisElement::kIron];
        inputs.value[DoseInput::kPhosphate] = a[AnalysisElement::kPhosphate];
        inputs.value[DoseInput::kCalciumPhosphateRatio] = r[IndexCode::kCalciumPhosphate];

        const float temperature = a[AnalysisElement::kTemperature];
        const dose::VariableSource variables{
            scratch,
            env.units,
            dose::DoseTemperatureK(temperature, env.units.units.code[UnitItem::kTemperature]),
            cells.time,
            env.corrosionTarget,
            env.doseFigure};
        float drivers[kLimitInputCount];
        for (int k = 0; k < kLimitInputCount; ++k)
            drivers[k] = static_cast<float>(
                dose::GridDriverValue(env.product.records[k].treatedIndex, variables));

        float cellDose = 0.0f;
        const int16_t status = CalcInhibitorDosage(cellEnv, limits, inputs, temperature, drivers,
                                                   cells.time, cellDose);
        cells.dose[c] = cellDose;
        cells.status[c] = static_cast<uint16_t>(std::max<int16_t>(status, 0));
    }
}
