// The values a water analysis may hold, element by element, in the user's
// units: what the water form accepts when a value is typed and what a file
// that stores an entered water must hold to be read. One table serves both, so
// a value the form takes always reads back from a file, and a value it refuses
// is never taken from one.
//
// Concentrations, flows and the corrosion target are 0 or more (the
// corrosion target and a weight up to 1e30, beyond which the clean-up of the
// stored analyses would make them 0; a flow up to the one flow ceiling, 1e30
// in the unit of the flow that writes it the largest number, converted to the
// user's unit, so that any unit takes a flow at the top of another; a
// concentration, and an alkalinity or acidity either side of 0, stays below
// what no water can hold, 1,000,000 mg/L in the user's unit of the element;
// a stored one in the larger of its readings as mg/L and as meq/l); the typed
// partial pressures reach the highest pressure of their unit (1,000,000 ppm or
// 100 mole % of the gas) and the typed density lies within what a water can
// weigh, 0.5 to 2.5 g/mL in the user's unit, 0 taking the form's default (a
// stored partial pressure or density is any amount 0 or more, as older files
// hold); the residence time is at most a year (kLongestResidenceSeconds); the
// pH and the companion pH are at most 14, a negative one asking for the pH to
// be predicted (or, for the companion pH, saying there is none); the
// temperature lies within the span of the engine's constants that the what-if
// ranges use (30 to 572 degrees F, -2 to 300 degrees C, 270 to 578 K) and the
// pressure within 0 and the what-if ranges' highest of its unit. The
// alkalinities and the acidity may be negative (a water with more acid than
// base); the modes and the species flag keep to their codes; the engine's own
// working values have no range beyond being finite.
#pragma once

#include <cstdint>
#include <string>

#include "common/unit_codes.h"

// What a number the user types for an analysis may be.
enum class FieldKind {
    kAmount,           // a weight: 0 up to kLargestAmount
    kCorrosionTarget,  // 0 up to kLargestAmount mpy, in the user's corrosion-rate unit
    kFlow,             // a brine, oil or gas flow: 0 up to HighestFlow
    kConcentration,    // 0 up to 1,000,000 mg/L in the user's unit
    kSigned,           // alkalinities and acidity, whose sign the calculation reads
    kPh,               // up to 14; a negative pH asks for the pH to be predicted
    kTemperature,      // the temperatures the engine's constants cover, in the user's unit
    kPressure,         // 0 up to the highest pressure of the user's unit
    kCo2Pressure,      // pCO2: 0 up to the highest pressure of its own unit
    kH2sPressure,      // pH2S: likewise
    kDensity,          // 0.5 to 2.5 g/mL in the user's unit; 0 takes the default
    kResidenceTime,    // 0 up to a year, in the user's unit
    kSampleNumber,     // the "ID#", an integer an i16 holds
};

// The kind of an analysis element's field.
[[nodiscard]] FieldKind KindOfElement(int element);

struct AnalysisValueRange {
    bool bounded;  // false: any finite value
    double low;    // in the user's unit of the element
    double high;
    bool negativeMeans;  // a negative value is a marker (pH to be predicted, no companion pH)
    bool zeroMeans = false;  // 0 is a marker (the density: the form's default)
};

// Whether `value` lies within `range` (its markers included); false for NaN.
[[nodiscard]] bool RangeHolds(const AnalysisValueRange& range, double value);

// The range of a kind of field in the units `units` choose (a concentration
// in mg/L itself, a flow in the unit that writes its ceiling as
// kLargestAmount).
[[nodiscard]] AnalysisValueRange RangeOfKind(FieldKind kind, const UnitCodes& units);

// The most a flow (AnalysisElement::kBrineFlow, kOilFlow or kGasFlow) may be,
// in the unit `units` choose for it: kLargestAmount in the unit of that flow
// that writes the largest number of it, converted as a change of units
// converts the flow.
[[nodiscard]] double HighestFlow(int element, const UnitCodes& units);

// The most of anything a litre of water can hold, in mg/L.
inline constexpr double kHighestConcentrationMgL = 1.0e6;
// The most the corrosion target or a multi-mix weight may be, and a flow in
// the unit that writes it the largest number: the clean-up of the stored
// analyses after a save or a load makes a larger value 0, so a work file
// holding one is refused.
inline constexpr double kLargestAmount = 1.0e30;
// The longest residence time a water is given, a year, in seconds.
inline constexpr double kLongestResidenceSeconds = 365.0 * 86400.0;
// What a water can weigh, in g/mL.
inline constexpr double kLightestDensity = 0.5;
inline constexpr double kHeaviestDensity = 2.5;

// Values an analysis record holds beside its elements, as the analysis forms
// and the clipboard name them (AnalysisElement numbers are 0 or more).
namespace StoredField {
enum : int {
    kResidenceSeconds = -1,  // the residence time, in seconds
    kCorrosionTarget = -2,   // in the user's corrosion-rate unit
    kC2 = -3,                // the C2 to C5 acids (-3 to -6), in mg/L
    kC5 = -6,
};
}  // namespace StoredField

// kHighestConcentrationMgL in the unit the user reads `element` (an
// AnalysisElement; -1 for a value always in mg/L, such as the organic acids)
// with reporting mode `reportingMode` (ReportingMode). A mode below 0 (values
// that may be in either) takes the larger of the two readings.
// The alkalinities and the acidity in the alkalinity modes that count them in
// a unit of their own (ml N/30 acid, meq/l, French or German degrees, modes 4
// to 7 of `alkalinityMode`) take the 1,000,000 mg/L as CaCO3 in that unit.
[[nodiscard]] double HighestConcentration(int element, const UnitCodes& units, int reportingMode,
                                          uint16_t alkalinityMode = 0);

// The range of `element` (an AnalysisElement index) in the units `units` choose,
// as a stored record may hold it: that of its field's kind (a concentration,
// partial pressure or density any amount 0 or more), the codes of the modes and
// the species flag, and no range for the values the engine computes. A value
// held to the ranges the form types with goes through StoredValueRefusal
// (input/waterform/form_checks.h); StoredConditionKept (input/typed_values.h)
// says when a stored partial pressure or density is held so.
[[nodiscard]] AnalysisValueRange RangeOfAnalysisValue(int element, const UnitCodes& units);

// True when `value` is finite and within the element's range.
[[nodiscard]] bool AnalysisValueAllowed(int element, float value, const UnitCodes& units);

// Whether the balancing may add `element` (an AnalysisElement) to make a water
// neutral: sodium or potassium, sulfate, chloride or nitrate. A stored water's
// amount of one may pass what anyone types when the water's values as typed
// are kept beside it.
[[nodiscard]] bool BalancingIon(int element);

// Whether the calculation writes `element` (an AnalysisElement) into a stored
// water from the values typed: the acidity (the dissolved CO2), the hydrogen
// sulfide and the pressure, raised to hold the gases, which a pCO2 or pH2S
// within the form's range may carry past what anyone types. A stored water
// whose values as typed are kept beside it may hold any amount of one that
// the clean-up of the stored analyses keeps.
[[nodiscard]] bool CalculatedInStoredWater(int element);

// Oil and gas flows are carried by a brine flow: the three-phase sums put the
// gas's and the oil's carbon dioxide and hydrogen sulfide into the brine. An
// oil or gas flow above 0 without a brine flow above 0 is refused. The text
// that says so ("Oil Flow and Gas Flow are given without a Brine Flow"), or
// empty when the flows can be taken.
[[nodiscard]] std::string FlowsWithoutBrineText(double brineFlow, double oilFlow, double gasFlow);
