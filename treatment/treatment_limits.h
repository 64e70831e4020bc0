// Rating a water against the current product's limits. Each enabled limit slot
// names a variable (a saturation ratio or index, an analysis value in mg/L, the
// residence time, the corrosion target or a momentary excess) with a lower and an
// upper bound; the rating is 2 outside a bound, 1 within ten percent of one, 0
// otherwise, and the worst rating over the slots is the answer.
//
// The inhibitor dose (engine) ends with this rating, but the engine may not call
// up into treatment: InstallTreatmentHooks puts EvaluateTreatmentLimits into the
// engine's limits hook at start-up (and tests that want the rating install it
// the same way).
#pragma once

#include <cstdint>

#include "engine/dose/inhibitor_dose.h"
#include "treatment/records.h"

struct LimitEvaluationInputs {
    const ProductTable& product;
    const DoseAnalysis& analysis;  // the water's copies, as the dose left them
    UnitContext units;
    float corrosionTarget;  // in the corrosion-rate unit
    int16_t mode;           // the dose's mode value (99 when called by the dose)
};

// Rating of one value against a bound pair (-99.0 unset): 2 outside, 1 within a
// tenth of a bound's magnitude inside it, else 0.
int16_t RateLimit(double value, float lower, float upper);

// Working form: fills `out` (cleared first) with one row per enabled slot and
// returns the worst rating, 0 when no slot is enabled.
int16_t EvaluateTreatmentLimits(const LimitEvaluationInputs& in, const DoseContext& doseInputs,
                                float temperature, const float (&limitInputs)[kLimitInputCount],
                                float residenceTime, TreatmentLimitEvaluation& out);

// The named entry on the global records; fills treatmentLimitEvaluation.
int16_t EvaluateTreatmentLimits(const DoseContext& doseInputs, float temperature,
                                const float (&limitInputs)[kLimitInputCount], float residenceTime);

// Installs the treatment subsystem's hooks into the engine: the limits rating
// of the inhibitor dose and the Choose Graphs dialog of the mixing grids (the
// progress hooks already installed stay).
void InstallTreatmentHooks();
