// Applying the engine's balancing finding to a water: one ion, once per full
// calculation, in the unit the user keeps that ion in.
#include "engine/balancing/balancing.h"

#include "engine/inputs/inputs_records.h"
#include "engine/balancing/balancing_records.h"
#include "engine/saturation/results_records.h"

ReferencePassFlags GlobalReferencePassFlags() {
    return {balanceAmount, calcPassMode, cationAdded, anionAdded};
}

void PrepareReferencePass(const ReferencePassFlags& flags) {
    flags.balanceAmount = 0.0f;
    flags.calcPassMode = 0;
    flags.cationAdded = 0;
    flags.anionAdded = 0;
}

int BalancingElement(const BalancingSettings& settings, uint16_t cationAdded, uint16_t anionAdded) {
    // The anion side is read first: when both flags are set (a water with no ions
    // at all) the anion choice decides.
    if (anionAdded != 0) {
        switch (settings.anionBalanceIon) {
            case BalanceAnion::kSulfate:
                return AnalysisElement::kSulfate;
            case BalanceAnion::kChloride:
                return AnalysisElement::kChloride;
            case BalanceAnion::kNitrate:
                return AnalysisElement::kNitrate;
            default:
                return -1;
        }
    }
    if (cationAdded != 0) {
        switch (settings.cationBalanceIon) {
            case BalanceCation::kSodium:
                return AnalysisElement::kSodium;
            case BalanceCation::kPotassium:
                return AnalysisElement::kPotassium;
            default:
                return -1;
        }
    }
    return -1;
}

int ApplyBalancing(const BalancingSettings& settings, uint16_t cationAdded, uint16_t anionAdded,
                   float amount, WaterAnalysis& working, WaterAnalysis* stored) {
    const int element = BalancingElement(settings, cationAdded, anionAdded);
    if (element < 0) return -1;
    working.values[element] += amount;
    if (stored != nullptr) stored->values[element] = working.values[element];
    return element;
}
