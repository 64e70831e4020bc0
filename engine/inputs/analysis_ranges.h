// The values a water analysis may hold, element by element, in the user's
// units: what the water form accepts when a value is typed and what a file
// that stores an analysis must hold to be read. One table serves both, so a
// value the form refuses is never taken from a file either.
//
// Concentrations, partial pressures and the density lie within 0 to 2,000,000
// (a whole litre of the substance, in mg/L or ppm); flows are 0 or more; the
// pH and the companion pH lie within 0 to 14 or are -1 ("predict it", "none");
// the temperature and pressure lie within the span of the engine's constant
// tables (0 to 300 degrees C; 0 to 20,000 psia, the deepest well the well-log
// specification takes). The alkalinities and the acidity may be negative (a
// water with more acid than base); the engine's own working values have no
// range beyond being finite.
#pragma once

#include "common/unit_codes.h"

struct AnalysisValueRange {
    bool bounded;        // false: any finite value
    double low;          // in the user's unit of the element
    double high;
    bool minusOneMeans;  // -1 is a marker of its own (pH to be predicted, no companion pH)
};

// The range of `element` (an AnalysisElement index) in the units `units` choose.
[[nodiscard]] AnalysisValueRange RangeOfAnalysisValue(int element, const UnitCodes& units);

// True when `value` is finite and within the element's range.
[[nodiscard]] bool AnalysisValueAllowed(int element, float value, const UnitCodes& units);

// Temperature span of the engine's constant tables, degrees C.
inline constexpr double kLowestTemperatureC = 0.0;
inline constexpr double kHighestTemperatureC = 300.0;
// The most a concentration, partial pressure or density may be, in any unit.
inline constexpr double kMostConcentration = 2.0e6;
// Pressure span, psia.
inline constexpr double kHighestPressurePsia = 20000.0;
