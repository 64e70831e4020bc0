// EvaluateTreatmentLimits: the current values of the product's enabled limit
// slots rated against their bounds.
#include "treatment/treatment_limits.h"

#include <algorithm>
#include <cstring>

#include "engine/dose/dose_records.h"
#include "engine/pipeline/service_hooks.h"
#include "input/records.h"
#include "treatment/graphs/choose_graphs.h"

namespace {

// The current value of a slot's variable. A code that one of the dosed
// components also watches takes the limit input the caller computed for it;
// other codes are read from the water's copies, ions converted to mg/L.
double SlotValue(int code, const LimitEvaluationInputs& in, const DoseContext& doseInputs,
                 float temperature, const float (&limitInputs)[kLimitInputCount],
                 float residenceTime) {
    const int count = std::clamp<int>(in.product.componentCount, 0, kLimitInputCount);
    for (int k = 0; k < count; ++k)
        if (in.product.records[k].limitCode == code) return limitInputs[k];

    if (code >= 0 && code < kSaturationResultCount) return in.analysis.results[code];
    if (code >= 100 && code < 100 + AnalysisElement::kCount) {
        const int element = code - 100;
        const float v = in.analysis.analysis[element];
        const UnitContext& u = in.units;
        switch (element) {
            case AnalysisElement::kPh:
                return doseInputs.value[DoseInput::kPh];
            case AnalysisElement::kTemperature:
                return temperature;
            case AnalysisElement::kAlkalinity:
                return ConvAlkUnits(v, u);
            case AnalysisElement::kChloride:
                return ConvClUnits(v, u);
            case AnalysisElement::kSulfate:
                return ConvSO4Units(v, u);
            case AnalysisElement::kSilica:
                return ConvSiO2Units(v, u);
            case AnalysisElement::kPhosphate:
                return ConvPO4Units(v, u);
            case AnalysisElement::kCalcium:
                return ConvCaUnits(v, u);
            case AnalysisElement::kMagnesium:
                return ConvMgUnits(v, u);
            case AnalysisElement::kAmmonia:
                return ConvNH3Units(v, u);
            case AnalysisElement::kIron:
                return ConvFeUnits(v, u);
            case AnalysisElement::kManganese:
                return ConvMnUnits(v, u);
            case AnalysisElement::kZinc:
                return ConvZnUnits(v, u);
            case AnalysisElement::kStrontium:
                return ConvSrUnits(v, u);
            case AnalysisElement::kBarium:
                return ConvBaUnits(v, u);
            case AnalysisElement::kPolyphosphate:
                return ConvPolyPO4Units(v, u);
            default:
                return v * static_cast<double>(GetIonUnitFactor(element, u));
        }
    }
    if (code == 200) return residenceTime;
    if (code == 301 || code == 302) return CorrosionRateAsMpy(in.corrosionTarget, in.units.units);
    if (code >= 500 && code < 500 + kMomentaryExcessCount) return in.analysis.excess[code - 500];
    return 0.0;
}

}  // namespace

// The ten-percent band of a bound lies inside the bounds: |bound| / 10 below an
// upper bound and above a lower one, for negative bounds too.
int16_t RateLimit(double value, float lower, float upper) {
    const bool lowerSet = lower != kUnsetLimit, upperSet = upper != kUnsetLimit;
    if ((upperSet && value > upper) || (lowerSet && value < lower)) return 2;
    const double nearUpper = upper >= 0.0f ? 0.9 * upper : 1.1 * upper;
    const double nearLower = lower >= 0.0f ? 1.1 * lower : 0.9 * lower;
    if ((upperSet && value > nearUpper) || (lowerSet && value < nearLower)) return 1;
    return 0;
}

int16_t EvaluateTreatmentLimits(const LimitEvaluationInputs& in, const DoseContext& doseInputs,
                                float temperature, const float (&limitInputs)[kLimitInputCount],
                                float residenceTime, TreatmentLimitEvaluation& out) {
    std::memset(&out, 0, sizeof out);
    out.mode = in.mode;
    for (int s = 0; s < kLimitSlotCount; ++s) {
        const LimitSlot& slot = in.product.limits[s];
        if (slot.enabled == 0) continue;
        const double value =
            SlotValue(slot.limitCode, in, doseInputs, temperature, limitInputs, residenceTime);
        const int16_t rating = RateLimit(value, slot.lower, slot.upper);
        const int row = out.rowCount++;
        out.slotIndex[row] = static_cast<int16_t>(s);
        out.value[row] = static_cast<float>(value);
        out.rating[row] = rating;
        out.worstRating = std::max(out.worstRating, rating);
    }
    return out.worstRating;
}

int16_t EvaluateTreatmentLimits(const DoseContext& doseInputs, float temperature,
                                const float (&limitInputs)[kLimitInputCount], float residenceTime) {
    const LimitEvaluationInputs in{productTable, doseAnalysis, GlobalUnitContext(), corrosionTarget,
                                   doseLimitState.evaluationMode};
    return EvaluateTreatmentLimits(in, doseInputs, temperature, limitInputs, residenceTime,
                                   treatmentLimitEvaluation);
}

void InstallTreatmentHooks() {
    InstallTreatmentLimitsHook(EvaluateTreatmentLimits);
    ServiceHooks hooks = CurrentServiceHooks();
    hooks.showChooseGraphs = ShowChooseGraphsDialog;
    InstallServiceHooks(hooks);
}
