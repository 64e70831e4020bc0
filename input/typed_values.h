// The one rule for a stored water's values as the user typed them. Every water
// the user enters is kept twice: as stored (the calculation balances it and
// writes what it computes into it, for the pages) and as entered (what was
// typed, blanks left blank). The forms show, read back and copy the values as
// entered; only the pages show the stored ones.
#pragma once

#include "common/water_analysis.h"

// Whether a row of values as entered holds anything (a file written before
// such rows were kept holds none).
[[nodiscard]] bool HoldsEnteredValues(const float* entered);

// The values of a stored water as typed, into `out`: its row as entered when
// the water was entered and the row holds anything, else the stored values. A
// pH left for the calculation (negative as entered) shows the pH it found, and
// the companion pH is the stored one.
void ValuesAsTyped(const float* stored, const float* entered, bool entered_known, float* out);

// A calculation starts from the values as typed: the calculated carbonate
// (elements 29 to 33) is never part of them.
void ClearCalculatedCarbonate(float* values);

// A stored water about to be calculated again takes its values as entered
// (when its row holds any), so that nothing the last calculation balanced or
// computed is read as typed; its calculated carbonate (29 to 33) stays, for
// the calculation to keep or clear.
void StartFromValuesAsEntered(WaterAnalysis& stored, const float* entered);

// The least positive value a stored water keeps: a save cleans anything
// nearer 0 to 0 (its values as entered keep what was typed).
inline constexpr float kSmallestStoredValue = 1.0e-30f;

// The first element on which a stored water and its row of values as entered
// (`entered`, holding values) disagree, among those that every calculation
// keeps as typed: the dissolved amounts other than the balancing ions and H2S
// (calcium, magnesium, barium, strontium, iron, ...), the temperature, the
// density (a row's 0 takes the default) and the flows; -1 when they agree
// within the rounding of a float (a stored 0 agrees with a value as entered
// below kSmallestStoredValue). A change of units converts both alike, so a
// water the program stores never disagrees.
[[nodiscard]] int DisagreeingTypedValue(const float* stored, const float* entered);

// The values of a stored water that may pass what the form types: its pCO2
// and pH2S (the calculation finds them for a water typed without, at any
// amount) and its density, in the order they are checked.
inline constexpr int kStoredConditions[] = {AnalysisElement::kPco2, AnalysisElement::kPH2S,
                                            AnalysisElement::kDensity};

// Whether a stored water's value of `element` (one of kStoredConditions) is
// taken at any amount 0 or more beside its row of values as entered
// (`entered`): only a pCO2 or pH2S the row leaves blank, which the
// calculation found. A value the row holds, and a density however the row
// gives it, keep to the range the form types them with.
[[nodiscard]] bool StoredConditionKept(int element, float stored, const float* entered);
