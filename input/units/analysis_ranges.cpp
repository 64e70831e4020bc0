// The ranges of the analysis values (analysis_ranges.h).
#include "input/units/analysis_ranges.h"

#include <algorithm>
#include <cmath>

#include "common/settings_ranges.h"
#include "common/water_analysis.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/inputs/unit_conversions.h"
#include "input/unit_factor_records.h"
#include "input/units/unit_change.h"
#include "input/units/unit_choices.h"
#include "input/waterform/form_text.h"
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

// The values the engine reads as amounts dissolved in the water.
bool Dissolved(int element) {
    switch (element) {
        case E::kChloride:
        case E::kSulfate:
        case E::kSilica:
        case E::kPhosphate:
        case E::kFluoride:
        case E::kCalcium:
        case E::kMagnesium:
        case E::kSodium:
        case E::kAmmonia:
        case E::kIron:
        case E::kAluminum:
        case E::kManganese:
        case E::kPotassium:
        case E::kBoron:
        case E::kH2S:
        case E::kNitrate:
        case E::kZinc:
        case E::kBromine:
        case E::kStrontium:
        case E::kBarium:
        case E::kLithium:
        case E::kLead:
        case E::kPolyphosphate:
        case E::kOxalate:
            return true;
        default:
            return false;
    }
}

// kHighestConcentrationMgL of the element itself, written as a change of
// units writes it in `units` and `mode` (at a specific gravity of 1), so that
// the ceiling of every unit is the same amount and a change of units keeps a
// value within it.
double CeilingIn(int element, const UnitCodes& units, uint16_t mode) {
    if (element < 0) return kHighestConcentrationMgL;
    double values[E::kCount] = {};
    values[element] = kHighestConcentrationMgL;
    values[E::kResultScale] = 1.0;
    const UnitCodes asItself{};
    ConvertValuesOnce(values, UnitBasis{asItself, ReportingMode::kMgPerL, 0},
                      UnitBasis{units, mode, 0});
    return values[element] > 0.0 ? values[element] : kHighestConcentrationMgL;
}

// A stored pressure may have been typed in another unit and converted by a
// change of units (14,700 psia is 1,000.29 atm): it keeps to the widest span
// of any unit's range, written in the user's unit, with the rounding of a
// float.
AnalysisValueRange ConvertedPressureSpan(const UnitCodes& units) {
    constexpr double kFloatRounding = 1e-6;
    const unsigned now = units.code[UnitItem::kPressure];
    double high = -HUGE_VAL;
    for (uint16_t c = 0; c < 4; ++c)
        high = std::max(high, PsiaToPressureUnit(PressureToPsia(PressureUnitOf(c).high, c), now));
    return {true, 0.0, high + kFloatRounding * std::fabs(high), false};
}

}  // namespace

double HighestConcentration(int element, const UnitCodes& units, int reportingMode,
                            uint16_t alkalinityMode) {
    const bool alkalinity =
        element == E::kMAlkalinity || element == E::kPAlkalinity || element == E::kAcidity;
    if (alkalinity && alkalinityMode >= 4 && AlkalinityCaCO3PerUnit(alkalinityMode) > 0.0)
        return kHighestConcentrationMgL / AlkalinityCaCO3PerUnit(alkalinityMode);
    if (reportingMode >= 0) return CeilingIn(element, units, static_cast<uint16_t>(reportingMode));
    return std::max(CeilingIn(element, units, ReportingMode::kMgPerL),
                    CeilingIn(element, units, ReportingMode::kEpm));
}

FieldKind KindOfElement(int element) {
    switch (element) {
        case E::kPh:
            return FieldKind::kPh;
        case E::kTemperature:
            return FieldKind::kTemperature;
        case E::kPressure:
            return FieldKind::kPressure;
        case E::kPco2:
            return FieldKind::kCo2Pressure;
        case E::kPH2S:
            return FieldKind::kH2sPressure;
        case E::kDensity:
            return FieldKind::kDensity;
        case E::kMAlkalinity:
        case E::kPAlkalinity:
        case E::kAcidity:
            return FieldKind::kSigned;
        case E::kBrineFlow:
        case E::kOilFlow:
        case E::kGasFlow:
            return FieldKind::kFlow;
        default:
            return Dissolved(element) ? FieldKind::kConcentration : FieldKind::kAmount;
    }
}

AnalysisValueRange RangeOfKind(FieldKind kind, const UnitCodes& units) {
    constexpr double kNoEnd = HUGE_VAL;
    // A partial pressure in a pressure unit (0 atm, 1 bar, 2 psia, 3 kPa) up to
    // that unit's highest pressure; in ppm or mole % of the gas, all of it.
    auto gas = [&units](int item) -> AnalysisValueRange {
        switch (units.code[item]) {
            case 4:
                return {true, 0.0, 1.0e6, false};
            case 5:
                return {true, 0.0, 100.0, false};
            default:
                return {true, 0.0, PressureUnitOf(units.code[item]).high, false};
        }
    };
    switch (kind) {
        case FieldKind::kAmount:
        case FieldKind::kFlow:
            // As an f32 holds it, which is what the clean-up compares, and no
            // more within the rounding RangeHolds allows.
            return {true, 0.0,
                    static_cast<double>(static_cast<float>(kLargestAmount)) / (1.0 + 1e-6), false};
        case FieldKind::kCorrosionTarget: {
            // The one ceiling of the unit that writes it the larger number
            // (mpy), so that a change of units keeps a target within it.
            // In mm/yr, the top in mpy as its float holds it, converted: the
            // rounding RangeHolds allows takes the top of either unit converted
            // into the other.
            if (CorrosionRateInMpy(units)) return RangeOfKind(FieldKind::kAmount, units);
            return {true, 0.0, static_cast<double>(static_cast<float>(kLargestAmount)) * kMmPerMil,
                    false};
        }
        case FieldKind::kConcentration:
            return {true, 0.0, kHighestConcentrationMgL, false};
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
        case FieldKind::kCo2Pressure: {
            // The one pCO2 range of the dialogs.
            const SettingRange& r = SettingRanges::Pco2(units.code[UnitItem::kGasCo2]);
            return {true, r.low, r.high, false};
        }
        case FieldKind::kH2sPressure:
            return gas(UnitItem::kGasH2S);
        case FieldKind::kDensity: {
            // lbs/gal is g/mL times the 8.34 pounds of a gallon of water.
            const double f = units.code[UnitItem::kDensity] == 1 ? 8.34 : 1.0;
            return {true, kLightestDensity * f, kHeaviestDensity * f, false, true};
        }
        case FieldKind::kResidenceTime: {
            const double perUnit = ResidenceSecondsFactor(units.code[UnitItem::kResidenceTime]);
            return {true, 0.0, kLongestResidenceSeconds / perUnit, false};
        }
        case FieldKind::kSampleNumber:
            return {true, -32768.0, 32767.0, false};
    }
    return {false, -kNoEnd, kNoEnd, false};
}

double HighestFlow(int element, const UnitCodes& units) {
    const int item = UnitItem::kBrineFlow + element - E::kBrineFlow;
    double least = HUGE_VAL;
    for (int code = 0; code <= MaxUnitChoice(item); ++code)
        least = std::min(least, FlowUnitFactor(item, static_cast<unsigned>(code)));
    return RangeOfKind(FieldKind::kFlow, units).high * least /
           FlowUnitFactor(item, units.code[item]);
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
    if (element < 0 || element >= E::kCount || WorkingValue(element))
        return {false, -kNoEnd, kNoEnd, false};
    // A stored concentration, alkalinity or acidity keeps to what the form
    // takes, in whichever reporting unit the values are read; a stored partial
    // pressure or density is any amount, as files of older versions hold
    // values the form now refuses; a stored temperature keeps to what the
    // form takes, a pressure to what it takes in any unit.
    const FieldKind kind = KindOfElement(element);
    const double most = HighestConcentration(element, units, -1);
    if (kind == FieldKind::kConcentration) return {true, 0.0, most, false};
    if (kind == FieldKind::kSigned) return {true, -most, most, false};
    if (MayBeNegative(element)) return {false, -kNoEnd, kNoEnd, false};
    switch (kind) {
        case FieldKind::kFlow:
            return {true, 0.0, HighestFlow(element, units), false};
        case FieldKind::kCo2Pressure:
        case FieldKind::kH2sPressure:
        case FieldKind::kDensity:
            return {true, 0.0, kNoEnd, false};
        case FieldKind::kTemperature:
            // What the form takes in the file's unit: a change of units that
            // would carry a temperature past it is refused, so a value beyond
            // it is one the form's unchanged OK would refuse.
            return RangeOfKind(kind, units);
        case FieldKind::kPressure:
            return ConvertedPressureSpan(units);
        default:
            break;
    }
    return RangeOfKind(kind, units);
}

bool BalancingIon(int element) {
    switch (element) {
        case E::kSodium:
        case E::kPotassium:
        case E::kSulfate:
        case E::kChloride:
        case E::kNitrate:
            return true;
        default:
            return false;
    }
}

bool CalculatedInStoredWater(int element) {
    return element == E::kAcidity || element == E::kH2S || element == E::kPressure;
}

bool RangeHolds(const AnalysisValueRange& r, double value) {
    if (!std::isfinite(value)) return false;
    if (!r.bounded) return true;
    if (r.negativeMeans && value < 0.0) return true;
    if (r.zeroMeans && value == 0.0) return true;
    // A bound written in another unit (20.85 lbs/gal for 2.5 g/mL) holds the
    // decimal text of itself, and a value a change of units converted holds
    // the rounding of its float (1,000,000 mg/L of calcium is 2,497,230.5 as
    // CaCO3, of oxalate 1,137,123 against 1,137,122.3).
    constexpr double kFloatRounding = 1e-6;
    return value >= r.low - kFloatRounding * std::fabs(r.low) &&
           value <= r.high + kFloatRounding * std::fabs(r.high);
}

bool AnalysisValueAllowed(int element, float value, const UnitCodes& units) {
    return RangeHolds(RangeOfAnalysisValue(element, units), value);
}

std::string FlowsWithoutBrineText(double brineFlow, double oilFlow, double gasFlow) {
    if (brineFlow > 0.0) return {};
    const bool oil = oilFlow > 0.0;
    const bool gas = gasFlow > 0.0;
    if (!oil && !gas) return {};
    const std::string named = oil && gas ? "Oil Flow and Gas Flow are" : oil ? "Oil Flow is" : "Gas Flow is";
    return named + " given without a Brine Flow";
}
