// The variable codes of the dose models: a code names a value of the water being
// dosed (a result slot, an analysis element in mg/L, the time, the corrosion
// target) that a kind-99 term or a driver check reads.
#include <cstdint>

#include "engine/dose/inhibitor_dose.h"

namespace dose {

namespace {

// Result slots that a code below 100 reads instead of its own: the carbonate
// values kept in the upper result slots.
int RemappedResultSlot(int code) {
    switch (code) {
        case 50:
            return 58;  // aragonite, carbonate-solver value
        case 66:
            return 57;  // witherite, carbonate-solver value
        case 67:
            return 55;  // siderite, carbonate-solver value
        case 69:
            return 51;  // strontianite, carbonate-solver value
        case 70:
            return 52;  // magnesite excess from totals
        case 71:
            return 53;  // magnesite, carbonate-solver value
        default:
            return code;
    }
}

double ResultSlot(const DoseAnalysis& a, int slot) {
    return slot >= 0 && slot < kSaturationResultCount ? a.results[slot] : 0.0;
}

double CorrosionTargetValue(const VariableSource& src) {
    return CorrosionRateAsMpy(src.corrosionTarget, src.units.units);
}

// An analysis element in mg/L, for the elements the models read converted.
bool ConvertedElement(int element, const VariableSource& src, double& value) {
    const float v = src.analysis.analysis[element];
    switch (element) {
        case AnalysisElement::kChloride:
            value = ConvClUnits(v, src.units);
            return true;
        case AnalysisElement::kSulfate:
            value = ConvSO4Units(v, src.units);
            return true;
        case AnalysisElement::kSilica:
            value = ConvSiO2Units(v, src.units);
            return true;
        case AnalysisElement::kPhosphate:
            value = ConvPO4Units(v, src.units);
            return true;
        case AnalysisElement::kMagnesium:
            value = ConvMgUnits(v, src.units);
            return true;
        default:
            return false;
    }
}

}  // namespace

double DoseTemperatureK(double temperature, uint16_t unitCode) {
    switch (unitCode) {
        case TemperatureUnit::kFahrenheit:
            return (temperature - 32.0) * 0.5555555555555556 + 273.16;
        case TemperatureUnit::kCelsius:
            return temperature + 273.16;
        default:
            return temperature;
    }
}

double VariableValue(int code, const VariableSource& src, double previous) {
    if (code >= 0 && code < 100) return ResultSlot(src.analysis, RemappedResultSlot(code));
    if (code >= 100 && code < 200) {
        const int element = code - 100;
        if (element >= AnalysisElement::kCount) return 0.0;
        double value = 0.0;
        if (ConvertedElement(element, src, value)) return value;
        const float v = src.analysis.analysis[element];
        switch (element) {
            case AnalysisElement::kIron:
                return ConvFeUnits(v, src.units);
            case AnalysisElement::kTemperature:
                return src.temperatureK;
            case AnalysisElement::kPh:
            case AnalysisElement::kAlkalinity:
            case AnalysisElement::kZinc:
                return v;
            default:
                return v * static_cast<double>(GetIonUnitFactor(element, src.units));
        }
    }
    if (code == 200) return src.time;
    if (code == 301 || code == 302) return CorrosionTargetValue(src);
    if (code == 401) return src.doseFigure;
    return previous;
}

double LimitInputValue(int code, const VariableSource& src, bool readsExcess) {
    if (code >= 0 && code < 100) return ResultSlot(src.analysis, code);
    if (code >= 100 && code < 200) {
        const int element = code - 100;
        if (element >= AnalysisElement::kCount) return 0.0;
        double value = 0.0;
        if (ConvertedElement(element, src, value)) return value;
        return src.analysis.analysis[element];
    }
    if (code == 200) return src.time;
    if (code == 301 || code == 302) return CorrosionTargetValue(src);
    if (readsExcess && code >= 500 && code < 500 + kMomentaryExcessCount)
        return src.analysis.excess[code - 500];
    // 201..300, 303..399, 400..499 and the rest name no value.
    return 0.0;
}

double GridDriverValue(int code, const VariableSource& src) {
    return LimitInputValue(code, src, false);
}

}  // namespace dose
