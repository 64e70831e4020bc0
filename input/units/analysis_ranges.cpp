// The ranges of the analysis values (analysis_ranges.h).
#include "input/units/analysis_ranges.h"

#include <cmath>

#include "common/water_analysis.h"
#include "input/whatif/whatif_fields.h"

namespace {

namespace E = AnalysisElement;

// Elements whose negative values say something: the alkalinities of a water
// that holds more acid than base, and the acidity.
bool MayBeNegative(int element) {
    switch (element) {
        case E::kAlkalinity:
        case E::kMAlkalinity:
        case E::kPAlkalinity:
        case E::kAlkalinityEq:
        case E::kAcidity:
            return true;
        default:
            return false;
    }
}

// The engine's working values, written by every calculation, and the spare
// slots that travel with the record.
bool WorkingValue(int element) {
    switch (element) {
        case E::kCarbonateAlkalinity:
        case E::kH2CO3:
        case E::kBicarbonate:
        case E::kCarbonate:
        case E::kIonicStrength:
        case E::kTotalCarbonate:
        case E::kConductivity:
        case E::kResultScale:
            return true;
        default:
            return element > E::kOxalate;
    }
}

}  // namespace

FieldKind KindOfElement(int element) {
    switch (element) {
        case E::kPh:
            return FieldKind::kPh;
        case E::kTemperature:
            return FieldKind::kTemperature;
        case E::kPressure:
            return FieldKind::kPressure;
        case E::kMAlkalinity:
        case E::kPAlkalinity:
        case E::kAcidity:
            return FieldKind::kSigned;
        default:
            return FieldKind::kAmount;
    }
}

AnalysisValueRange RangeOfKind(FieldKind kind, const UnitCodes& units) {
    constexpr double kNoEnd = HUGE_VAL;
    switch (kind) {
        case FieldKind::kAmount:
            return {true, 0.0, kNoEnd, false};
        case FieldKind::kSigned:
            return {false, -kNoEnd, kNoEnd, false};
        case FieldKind::kPh:
            return {true, 0.0, 14.0, true};
        case FieldKind::kTemperature: {
            const TemperatureUnitInfo& t = TemperatureUnitOf(units.code[UnitItem::kTemperature]);
            return {true, t.low, t.high, false};
        }
        case FieldKind::kPressure:
            return {true, 0.0, PressureUnitOf(units.code[UnitItem::kPressure]).high, false};
        case FieldKind::kSampleNumber:
            return {true, -32768.0, 32767.0, false};
    }
    return {false, -kNoEnd, kNoEnd, false};
}

AnalysisValueRange RangeOfAnalysisValue(int element, const UnitCodes& units) {
    constexpr double kNoEnd = HUGE_VAL;
    switch (element) {
        case E::kCompanionPh:
            return RangeOfKind(FieldKind::kPh, units);
        case E::kReportingMode:
            return {true, 0.0, ReportingMode::kEpm, false};
        case E::kSpeciesGiven:
            return {true, 0.0, 1.0, false};
        case E::kAlkalinityMode:
            return {true, 0.0, 7.0, false};
        default:
            break;
    }
    if (element < 0 || element >= E::kCount || MayBeNegative(element) || WorkingValue(element))
        return {false, -kNoEnd, kNoEnd, false};
    return RangeOfKind(KindOfElement(element), units);
}

bool AnalysisValueAllowed(int element, float value, const UnitCodes& units) {
    if (!std::isfinite(value)) return false;
    const AnalysisValueRange r = RangeOfAnalysisValue(element, units);
    if (!r.bounded) return true;
    if (r.negativeMeans && value < 0.0f) return true;
    return value >= r.low && value <= r.high;
}
