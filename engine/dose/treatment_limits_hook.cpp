// The hook through which the inhibitor dose rates the product's limits.
#include "engine/dose/treatment_limits_hook.h"

namespace {

int16_t RateNothing(const DoseContext&, float, const float (&)[kLimitInputCount], float) {
    return 0;
}

TreatmentLimitsHook installedHook = RateNothing;

}  // namespace

void InstallTreatmentLimitsHook(TreatmentLimitsHook hook) {
    installedHook = hook != nullptr ? hook : RateNothing;
}

TreatmentLimitsHook CurrentTreatmentLimitsHook() {
    return installedHook;
}
