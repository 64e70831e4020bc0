// The inhibitor dose ends by rating the product's limits, which belongs to the
// treatment-products subsystem, above the engine. The engine may not call up, so
// the rating goes through this hook: treatment installs EvaluateTreatmentLimits
// at start-up (InstallTreatmentHooks), and until then the default rates nothing
// and answers 0. Tests install recorders.
#pragma once

#include <cstdint>

#include "engine/dose/dose_records.h"

constexpr int kLimitInputCount = 7;  // one per dosed component

// The rating of the product's limits: 0 within them, 1 close to one, 2 outside
// one; a negative answer is ignored.
using TreatmentLimitsHook = int16_t (*)(const DoseContext& doseInputs, float temperature,
                                        const float (&limitInputs)[kLimitInputCount],
                                        float residenceTime);

void InstallTreatmentLimitsHook(TreatmentLimitsHook hook);  // null restores the default
TreatmentLimitsHook CurrentTreatmentLimitsHook();
