// The inhibitor dose and corrosion rates of the well stations, and the pass
// that refreshes only them after a change of product or residence time.
#include "scenarios/wells/well_dose.h"

#include <cstring>

#include "engine/dose/inhibitor_dose.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/frame/point_steps.h"

void WellLimitInputs(const WellContext& c, float temperature, bool skipTermLists,
                     float (&limits)[kLimitInputCount]) {
    const DriverContext& b = c.base;
    const dose::VariableSource src{
        b.doseAnalysis,
        b.units,
        dose::DoseTemperatureK(temperature, b.units.units.code[UnitItem::kTemperature]),
        c.residenceTime,
        c.corrosionTarget,
        c.doseFigure,
    };
    const int count = b.product.componentCount;
    for (int i = 0; i < kLimitInputCount; ++i) {
        limits[i] = 0.0f;
        if (i >= count) continue;
        const ProductRecord& r = b.product.records[i];
        if (skipTermLists && r.modelKind == DoseModelKind::kTermList) continue;
        limits[i] = static_cast<float>(dose::LimitInputValue(r.limitCode, src, true));
    }
}

int16_t DoseWellStation(WellContext& c, DoseContext& inputs, float temperature, bool skipTermLists,
                        float& dose) {
    float limits[kLimitInputCount];
    WellLimitInputs(c, temperature, skipTermLists, limits);
    return c.base.calls.calcInhibitorDosage(&inputs, temperature, limits, c.residenceTime, &dose);
}

void WellCorrosionRow(WellContext& c, const float (&analysis)[kResultRowValues],
                      const float (&results)[kResultRowValues], float (&row)[kCorrosionRowValues]) {
    ComputeCorrosionRow(c.base, analysis, results, row);
    for (int i = 0; i < kCorrosionModelCount; ++i) c.lastRates[i] = row[i];
}

void RunWellDosePass(WellContext& c, const WellDriver& d) {
    const WellTableView& t = d.table;
    DriverContext& b = c.base;
    DoseContext inputs{};  // entries 8 and 9 start at 0 and carry from call to call
    for (int k = 0; k < t.Count(); ++k) {
        // A station not calculated has no water to dose.
        if (PointNotCalculated(t, k)) continue;
        const float(&analysis)[kResultRowValues] = t.analysis[k];
        std::memcpy(b.current.values, analysis, sizeof analysis);
        FillDoseAnalysis(b.doseAnalysis, analysis, t.results[k], t.excess[k], t.bicarbonate[k],
                         t.carbonate[k]);
        FillDoseInputs(inputs, analysis[AnalysisElement::kPh], t.results[k], analysis,
                       PhosphateMgL(b));
        // Each station is dosed at its own temperature, as in the station run.
        const float temperature = analysis[AnalysisElement::kTemperature];
        t.doseStatus[k] = DoseWellStation(c, inputs, temperature, false, t.dose[k]);
        WellCorrosionRow(c, analysis, t.results[k], t.corrosion[k]);
    }
}
