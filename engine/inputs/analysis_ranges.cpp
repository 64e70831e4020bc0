// The ranges of the analysis values (analysis_ranges.h).
#include "engine/inputs/analysis_ranges.h"

#include <cmath>

#include "common/water_analysis.h"

namespace {

// Elements whose negative values say something: the alkalinities of a water
// that holds more acid than base, and the acidity.
bool MayBeNegative(int element) {
    switch (element) {
        case AnalysisElement::kAlkalinity:
        case AnalysisElement::kMAlkalinity:
        case AnalysisElement::kPAlkalinity:
        case AnalysisElement::kAlkalinityEq:
        case AnalysisElement::kAcidity:
            return true;
        default:
            return false;
    }
}

// The engine's working values, written by every calculation and read back by
// none of the user's fields, and the spare slots that travel with the record.
bool WorkingValue(int element) {
    switch (element) {
        case AnalysisElement::kCarbonateAlkalinity:
        case AnalysisElement::kH2CO3:
        case AnalysisElement::kBicarbonate:
        case AnalysisElement::kCarbonate:
        case AnalysisElement::kIonicStrength:
        case AnalysisElement::kTotalCarbonate:
        case AnalysisElement::kConductivity:
        case AnalysisElement::kResultScale:
            return true;
        default:
            return element > AnalysisElement::kOxalate;
    }
}

// The brine, oil and gas flows of a well, which have no natural top.
bool Flow(int element) {
    return element == AnalysisElement::kBrineFlow || element == AnalysisElement::kOilFlow ||
           element == AnalysisElement::kGasFlow;
}

// 0 to 300 degrees C in the temperature unit (the engine takes K as C + 273.16).
AnalysisValueRange TemperatureRange(uint16_t unit) {
    switch (unit) {
        case TemperatureUnit::kCelsius:
            return {true, kLowestTemperatureC, kHighestTemperatureC, false};
        case TemperatureUnit::kKelvin:
            return {true, kLowestTemperatureC + 273.16, kHighestTemperatureC + 273.16, false};
        default:
            return {true, kLowestTemperatureC * 1.8 + 32.0, kHighestTemperatureC * 1.8 + 32.0,
                    false};
    }
}

// 0 to 20,000 psia in the pressure unit, by the engine's conversions
// (atm = psia x 0.068046, bar = psia x 0.068948, kPa = bar x 100).
AnalysisValueRange PressureRange(uint16_t unit) {
    double high = kHighestPressurePsia;
    switch (unit) {
        case PressureUnit::kAtm:
            high *= 0.068046;
            break;
        case PressureUnit::kBar:
            high *= 0.068948;
            break;
        case PressureUnit::kKPa:
            high *= 0.068948 * 100.0;
            break;
        default:
            break;
    }
    return {true, 0.0, high, false};
}

}  // namespace

AnalysisValueRange RangeOfAnalysisValue(int element, const UnitCodes& units) {
    constexpr double kNoTop = HUGE_VAL;
    switch (element) {
        case AnalysisElement::kPh:
        case AnalysisElement::kCompanionPh:
            return {true, 0.0, 14.0, true};
        case AnalysisElement::kTemperature:
            return TemperatureRange(units.code[UnitItem::kTemperature]);
        case AnalysisElement::kPressure:
            return PressureRange(units.code[UnitItem::kPressure]);
        case AnalysisElement::kReportingMode:
            return {true, 0.0, ReportingMode::kEpm, false};
        case AnalysisElement::kSpeciesGiven:
            return {true, 0.0, 1.0, false};
        case AnalysisElement::kAlkalinityMode:
            return {true, 0.0, 7.0, false};
        default:
            break;
    }
    if (element < 0 || element >= AnalysisElement::kCount || MayBeNegative(element) ||
        WorkingValue(element))
        return {false, -kNoTop, kNoTop, false};
    if (Flow(element)) return {true, 0.0, kNoTop, false};
    return {true, 0.0, kMostConcentration, false};
}

bool AnalysisValueAllowed(int element, float value, const UnitCodes& units) {
    if (!std::isfinite(value)) return false;
    const AnalysisValueRange r = RangeOfAnalysisValue(element, units);
    if (!r.bounded) return true;
    if (r.minusOneMeans && value == -1.0f) return true;
    return value >= r.low && value <= r.high;
}
