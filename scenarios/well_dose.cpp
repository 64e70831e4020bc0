// The inhibitor dose and corrosion rates of the well stations, and the pass
// that refreshes only them after a change of product or residence time.
#include "scenarios/well_dose.h"

#include <cstring>

#include "common/index_code.h"
#include "engine/corrosion_models.h"
#include "engine/inhibitor_dose.h"

void FillWellDoseAnalysis(DoseAnalysis& dose, const float (&analysis)[kResultRowValues],
                          const float (&results)[kResultRowValues],
                          const float (&excess)[kIndicatorRowValues], float bicarbonate,
                          float carbonate) {
    static_assert(sizeof dose.analysis == sizeof analysis);
    static_assert(sizeof dose.results == sizeof results);
    static_assert(sizeof dose.excess == sizeof excess);
    std::memcpy(dose.analysis, analysis, sizeof analysis);
    std::memcpy(dose.results, results, sizeof results);
    std::memcpy(dose.excess, excess, sizeof excess);
    dose.results[27] = bicarbonate;
    dose.results[29] = carbonate;
}

void FillWellDoseInputs(DoseContext& inputs, const float (&analysis)[kResultRowValues],
                        const float (&results)[kResultRowValues], double phosphateMgL) {
    float* v = inputs.value;
    v[DoseInput::kPh] = analysis[AnalysisElement::kPh];
    v[DoseInput::kResultValue] = results[18];
    v[DoseInput::kCalciteRatio] = results[IndexCode::kCalcite];
    v[DoseInput::kSilica] = analysis[AnalysisElement::kSilica];
    v[DoseInput::kIron] = analysis[AnalysisElement::kIron];
    v[DoseInput::kIngredient1] = 0.0f;
    v[DoseInput::kPhosphate] = static_cast<float>(phosphateMgL);
    v[DoseInput::kCalciumPhosphateRatio] = results[IndexCode::kCalciumPhosphate];
}

void WellLimitInputs(const WellContext& c, float temperature, bool skipTermLists,
                     float (&limits)[kLimitInputCount]) {
    const dose::VariableSource src{
        c.doseAnalysis,
        c.units,
        dose::DoseTemperatureK(temperature, c.units.units.code[UnitItem::kTemperature]),
        c.residenceTime,
        c.corrosionTarget,
        c.doseFigure,
    };
    const int count = c.product.componentCount;
    for (int i = 0; i < kLimitInputCount; ++i) {
        limits[i] = 0.0f;
        if (i >= count) continue;
        const ProductRecord& r = c.product.records[i];
        if (skipTermLists && r.modelKind == DoseModelKind::kTermList) continue;
        limits[i] = static_cast<float>(dose::LimitInputValue(r.limitCode, src, true));
    }
}

void WellCorrosionRow(WellContext& c, const float (&analysis)[kResultRowValues],
                      const float (&results)[kResultRowValues],
                      float (&row)[kCorrosionRowValues]) {
    const CorrosionInputs in{results, analysis, c.units};
    const double t = analysis[AnalysisElement::kTemperature];
    const double ph = analysis[AnalysisElement::kPh];
    const double p = analysis[AnalysisElement::kPressure];
    const double pco2 = analysis[AnalysisElement::kPco2];
    const double ph2s = analysis[AnalysisElement::kPH2S];
    const double rates[kCorrosionModelCount] = {
        CalcCorrRateCO2Kt(in, t, ph, p, pco2),
        CalcCorrRateCO2Fug(in, t, ph, p, ph2s),
        CalcCorrRateArrhenius(in, t, ph, p, pco2),
        CalcCorrRateCO2H2S(in, t, ph, p, pco2, ph2s),
    };
    for (int i = 0; i < kCorrosionModelCount; ++i) {
        c.lastRates[i] = rates[i];
        row[i] = static_cast<float>(rates[i]);
    }
}

int16_t DoseWellStation(WellContext& c, DoseContext& inputs, float temperature,
                        bool skipTermLists, float& dose) {
    float limits[kLimitInputCount];
    WellLimitInputs(c, temperature, skipTermLists, limits);
    return c.calls.calcInhibitorDosage(&inputs, temperature, limits, c.residenceTime, &dose);
}

void RunWellDosePass(WellContext& c, const WellDriver& d) {
    const WellTableView& t = d.table;
    DoseContext inputs{};  // entries 8 and 9 start at 0 and carry from call to call
    for (int k = 0; k < t.Count(); ++k) {
        float(&analysis)[kResultRowValues] = t.analysis[k];
        std::memcpy(c.current.values, analysis, sizeof analysis);
        FillWellDoseAnalysis(c.doseAnalysis, analysis, t.results[k], t.excess[k],
                             t.bicarbonate[k], t.carbonate[k]);
        const double phosphate = ConvPO4Units(analysis[AnalysisElement::kPhosphate], c.units);
        FillWellDoseInputs(inputs, analysis, c.doseAnalysis.results, phosphate);
        // Each station is dosed at its own temperature, as in the station run.
        const float temperature = analysis[AnalysisElement::kTemperature];
        t.doseStatus[k] = DoseWellStation(c, inputs, temperature, false, t.dose[k]);
        WellCorrosionRow(c, analysis, t.results[k], t.corrosion[k]);
    }
}
