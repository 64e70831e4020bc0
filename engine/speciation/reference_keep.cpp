// Writing back and keeping what a water's reference pass derived.
#include "engine/speciation/reference_keep.h"

#include <algorithm>
#include <cmath>

#include "engine/carbonate/carbonate_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/ph_solve_records.h"

namespace {

constexpr double kBicarbonateMass = 61.0173;   // g/mol
constexpr double kCarbonateMass = 60.0094;     // g/mol
constexpr double kCarbonicAcidMass = 62.0253;  // g/mol

// The most a stored water's record holds of any value: a work file holds no
// more there, and the clean-up after a save or a load makes a larger value 0.
// A species the reference pass could not settle comes back at the engine's
// 1e37 (a water of more solids than a litre holds, or the gas of a whole oil
// stream dissolved in a little brine); the stored water keeps it at this bound.
constexpr float kMostInStoredWater = 1.0e30f;

float HeldInStoredWater(float v) {
    if (std::isnan(v)) return kMostInStoredWater;
    return std::clamp(v, -kMostInStoredWater, kMostInStoredWater);
}

}  // namespace

void WriteBackReferenceValues(const StoredWater& water, const WaterAnalysis& working) {
    if (water.analysis == nullptr) return;
    float* stored = water.analysis->values;
    const float* v = working.values;
    stored[AnalysisElement::kConductivity] = HeldInStoredWater(v[AnalysisElement::kConductivity]);
    if (stored[AnalysisElement::kPh] != v[AnalysisElement::kPh])
        stored[AnalysisElement::kPh] = v[AnalysisElement::kPh];
    stored[AnalysisElement::kH2S] = HeldInStoredWater(v[AnalysisElement::kH2S]);
    stored[AnalysisElement::kPH2S] = HeldInStoredWater(v[AnalysisElement::kPH2S]);
    stored[AnalysisElement::kPco2] = HeldInStoredWater(v[AnalysisElement::kPco2]);
    stored[AnalysisElement::kBicarbonate] = HeldInStoredWater(v[AnalysisElement::kBicarbonate]);
    stored[AnalysisElement::kCarbonate] = HeldInStoredWater(v[AnalysisElement::kCarbonate]);
    stored[AnalysisElement::kAcidity] = HeldInStoredWater(referenceOutputs.dissolvedCarbonicAcid);
    if (engineInputs.pressureRaised != 0)
        stored[AnalysisElement::kPressure] = v[AnalysisElement::kPressure];
}

void KeepReferenceCarbonate(const StoredWater& water, const WaterAnalysis& working) {
    const float* v = working.values;
    const float dissolvedCo2 = referenceOutputs.dissolvedCarbonicAcid;

    currentHCO3 = v[AnalysisElement::kBicarbonate];
    currentCO3 = v[AnalysisElement::kCarbonate];
    currentH2CO3 = v[AnalysisElement::kH2CO3];
    currentCO2 = dissolvedCo2;

    // The later passes of this water (results passes on given species) read the
    // carbonate of its reference pass; referencePh and referenceAlkalinity the
    // engine kept itself.
    referenceH2CO3 = v[AnalysisElement::kH2CO3];
    referenceHCO3 = v[AnalysisElement::kBicarbonate];
    referenceCO3 = v[AnalysisElement::kCarbonate];
    referenceDissolvedCo2 = dissolvedCo2;

    // The pressure steps of the surface water's profiles solve the pH from its
    // bicarbonate-bearing carbonate and total alkalinity.
    if (water.isSurface) {
        keptBicarbonate = v[AnalysisElement::kBicarbonate];
        keptAlkalinity = carbonateState.alkalinityAsCaCO3;
    }

    if (water.carbonate != nullptr) {
        WaterCarbonate& c = *water.carbonate;
        c.constants = carbonateState;
        c.h2co3 = v[AnalysisElement::kH2CO3];
        c.hco3 = v[AnalysisElement::kBicarbonate];
        c.co3 = v[AnalysisElement::kCarbonate];
        c.dissolvedCo2 = dissolvedCo2;
        c.alkalinity = referenceOutputs.alkalinity;
        c.acidity = referenceOutputs.acidity;
        if (water.keepsTotalCarbonate) {
            const double molPerL = (carbonateState.bicarbonateMass / kBicarbonateMass +
                                    carbonateState.carbonateMass / kCarbonateMass +
                                    carbonateState.co2Mass / kCarbonicAcidMass) /
                                   1000.0;
            c.totalCarbonate = static_cast<float>(molPerL);
        }
    }
    if (water.savedConstants != nullptr) {
        water.savedConstants->k1 = carbonateState.k1;
        water.savedConstants->k2 = carbonateState.k2;
        water.savedConstants->kw = carbonateState.kw;
        water.savedConstants->gammaH = carbonateState.gammaH;
    }
}

void KeepOwnConditionsCarbonate(const StoredWater& water, float ownCarbonicAcid) {
    if (!water.isSurface || !(ownCarbonicAcid >= 0.0f)) return;
    if (water.carbonate != nullptr) {
        water.carbonate->h2co3 = ownCarbonicAcid;
        water.carbonate->dissolvedCo2 = ownCarbonicAcid;
    }
}

void ShowOwnConditionsCarbonicAcid(const StoredWater& water, float ownCarbonicAcid) {
    if (!(ownCarbonicAcid >= 0.0f)) return;
    if (water.analysis != nullptr)
        water.analysis->values[AnalysisElement::kAcidity] = HeldInStoredWater(ownCarbonicAcid);
    if (water.carbonate != nullptr) {
        water.carbonate->h2co3 = ownCarbonicAcid;
        water.carbonate->dissolvedCo2 = ownCarbonicAcid;
    }
}
