// Records of the scale-inhibitor dose: the ten dose inputs and outputs a caller
// passes, and the values the dose keeps across calls.
#pragma once

#include <cstdint>

// Positions in DoseContext::value. Entries 6, 8 and 9 are read on entry as the
// amounts already present; entries 5, 8 and 9 are overwritten with the amounts of
// the product's first, second and third active ingredient.
namespace DoseInput {
enum : int {
    kPh = 0,
    kResultValue = 1,  // a result value of the point (the first logarithmic term)
    kCalciteRatio = 2,
    kSilica = 3,
    kIron = 4,
    kIngredient1 = 5,  // output: the first ingredient (phosphate) dose
    kPhosphate = 6,    // phosphate present
    kCalciumPhosphateRatio = 7,
    kIngredient2 = 8,  // in: polyphosphate present; out: the second ingredient
    kIngredient3 = 9,  // in: zinc present; out: the third ingredient
    kCount = 10,
};
}  // namespace DoseInput

struct DoseContext {
    float value[DoseInput::kCount];
};

// Statuses of CalcInhibitorDosage.
namespace DoseStatus {
enum : int16_t {
    kNone = 0,
    kBorderline = 1,        // a driver value or term within ten percent of its limit
    kOutOfRange = 2,        // a driver value or term at or past its limit
    kCannotCover = 3,       // the dose cannot cover the scale already present
    kOverProductLimit = 4,  // the dose exceeds the product's limit
};
}

// The limit doses a scenario driver may hold across calls, and the mode value
// that the treatment-limit evaluation reads.
struct DoseLimitState {
    float runningLimitDose;   // calcium phosphate group dose
    float presentLimitDose;   // the other scales' dose net of what is present
    uint16_t keepLimitDoses;  // non-zero: the two doses are kept across calls
    int16_t evaluationMode;   // set to 99 just before the treatment limits are rated
};
extern DoseLimitState doseLimitState;

// The mode value the dose passes to the treatment-limit evaluation.
constexpr int16_t kEvaluationFromDose = 99;

// A value the single-water pipeline stores for the dose (variable code 401).
extern float doseFigure;

// Set by WarnLowPredictedpH; the grid drivers clear it before a run.
extern uint16_t lowPhWarned;

// The stored description of a recirculating system that CalcRatioTime reads.
struct RecirculationSystem {
    float volume;         // V
    float lowLevel;       // b
    float highLevel;      // c
    float rate;           // d
    float secondPercent;  // e
    float firstPercent;   // f
    float offset;         // g
};
extern RecirculationSystem recirculationSystem;

void ResetDoseRecords();
