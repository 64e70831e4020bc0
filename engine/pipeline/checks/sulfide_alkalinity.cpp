#include "engine/pipeline/checks/sulfide_alkalinity.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/balancing/balancing.h"
#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/engine_state_copy.h"
#include "engine/records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "engine/speciation/speciation_records.h"
#include "input/records.h"

namespace {

constexpr uint16_t kSpeciesGivenMode = 3;  // alkalinityMode: calculated species given
// Within the closure's tolerance of each other the two are taken as equal.
constexpr double kTolerance = 1e-3;

}  // namespace

SulfideAlkalinity SulfideAgainstAlkalinity(const float* values) {
    SulfideAlkalinity found;
    // Given species hold their carbonate, not an alkalinity the sulfide shares.
    if (alkalinityMode == kSpeciesGivenMode) return found;
    const bool sour = values[AnalysisElement::kH2S] > 0.0f || values[AnalysisElement::kPH2S] > 0.0f;
    if (!sour || !(values[AnalysisElement::kPh] > 0.0f)) return found;
    // A water typed without any alkalinity holds no carbonate, as typed: its
    // sulfide has nothing to outweigh (a trace of CO2 from its pCO2 aside).
    if (!(values[AnalysisElement::kMAlkalinity] > 0.0f) &&
        !(values[AnalysisElement::kPAlkalinity] > 0.0f))
        return found;

    const auto kept = std::make_unique<EngineStateCopy>();
    SaveEngineState(*kept);
    const float* const outerWater = calculatedWaterValues;
    const float keptDissolvedCo2 = referenceDissolvedCo2;
    const uint16_t keptModel = whatIfOptions.carbonateModel;
    const uint32_t keptSwitch = phBalanceSwitch;
    const uint32_t keptUnconverged = unconvergedSpeciations;

    float* v = currentAnalysis.values;
    std::memcpy(v, values, sizeof currentAnalysis.values);
    calculatedWaterValues = values;
    referenceDissolvedCo2 = 0.0f;
    whatIfOptions.carbonateModel = 0;
    phBalanceSwitch = 0;
    v[AnalysisElement::kAlkalinityMode] = static_cast<float>(alkalinityMode);
    v[AnalysisElement::kReportingMode] = static_cast<float>(reportingMode);
    v[AnalysisElement::kSpeciesGiven] = 0.0f;
    PrepareReferencePass(GlobalReferencePassFlags());
    CalcEquilibrium();
    found.sulfide = 1000.0 * speciation.sulfideAlkalinity;
    found.alkalinity = 1000.0 * speciation.startCarbonateAlkalinity;
    found.ph = speciation.ph;
    found.outweighs = std::isfinite(found.sulfide) && found.alkalinity > 0.0 &&
                      found.sulfide > found.alkalinity * (1.0 + kTolerance);

    RestoreEngineState(*kept);
    calculatedWaterValues = outerWater;
    referenceDissolvedCo2 = keptDissolvedCo2;
    whatIfOptions.carbonateModel = keptModel;
    phBalanceSwitch = keptSwitch;
    unconvergedSpeciations = keptUnconverged;
    return found;
}

SulfideAlkalinity SulfideAgainstAlkalinity(const float* stored, const float* typed) {
    float values[AnalysisElement::kCount];
    std::memcpy(values, stored, sizeof values);
    bool entered = false;
    for (int e = 0; typed != nullptr && e < AnalysisElement::kCount; ++e)
        entered = entered || typed[e] != 0.0f;
    if (entered) {
        values[AnalysisElement::kH2S] = typed[AnalysisElement::kH2S];
        values[AnalysisElement::kPH2S] = typed[AnalysisElement::kPH2S];
    }
    return SulfideAgainstAlkalinity(values);
}

std::string SulfideAlkalinityText(const SulfideAlkalinity& s, const std::string& water) {
    if (!s.outweighs) return "";
    char text[512];
    std::snprintf(text, sizeof text,
                  "The H2S of %s carries %.3g meq/kg of alkalinity at pH %.2f, more than the "
                  "%.3g meq/kg of its bicarbonate and carbonate (its whole alkalinity). No "
                  "water holds both: please check the alkalinity, the H2S or pH2S, and the pH.",
                  water.empty() ? "this water" : water.c_str(), s.sulfide, s.ph, s.alkalinity);
    return text;
}
