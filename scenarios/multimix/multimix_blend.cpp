// Mixing the multi-mix source waters and setting up the blend's carbonate system.
#include "scenarios/multimix/multimix_blend.h"

#include <cmath>
#include <initializer_list>

#include "engine/carbonate/carbonate_math.h"

namespace {

namespace AE = AnalysisElement;

// The carbonate constants and amounts of a reference pass that mix by weight:
// k1, k2, kw, the two activity coefficients, the water activity, the charge value
// and the alkalinity, then the carbonate, bicarbonate and CO2 masses, the
// hydrogen ion and the alkalinity and acidity as CaCO3. The hydroxide amount is
// not among them.
constexpr float CarbonateState::*kBlendedFields[] = {
    &CarbonateState::k1,
    &CarbonateState::k2,
    &CarbonateState::kw,
    &CarbonateState::gammaH,
    &CarbonateState::gammaOH,
    &CarbonateState::waterActivity,
    &CarbonateState::chargeValue,
    &CarbonateState::alkalinity,
    &CarbonateState::carbonateMass,
    &CarbonateState::bicarbonateMass,
    &CarbonateState::co2Mass,
    &CarbonateState::hMolality,
    &CarbonateState::alkalinityAsCaCO3,
    &CarbonateState::acidityAsCaCO3,
};

bool IsCarbonateSpecies(int element) {
    return element == AE::kBicarbonate || element == AE::kCarbonate || element == AE::kAcidity;
}

// A term a / b that vanishes when b does (a water never calculated has no
// activity coefficients).
double Ratio(double a, double b) {
    return b != 0.0 ? a / b : 0.0;
}

// Molar masses (mg/mol) of hydroxide and hydrogen ion, for molalities at the
// blend's molal factor of about 1000 g of water per litre.
constexpr double kHydroxideMgPerMol = 17007.4;
constexpr double kHydrogenMgPerMol = 1008.0;

}  // namespace

void ClearBlendedCarbonate(CarbonateState& carbonate, float& acidity) {
    for (auto field : kBlendedFields) carbonate.*field = 0.0f;
    acidity = 0.0f;
}

BlendSums BlendWaters(const BlendSources& sources, uint16_t reportingMode,
                      const BlendTargets& out) {
    for (float& v : out.mixed.values) v = 0.0f;
    out.meanResidenceSeconds = 0.0f;
    out.figure = 0.0f;
    BlendSums sums{};
    float* mixed = out.mixed.values;
    float* current = out.current.values;
    for (int j = 0; j < sources.waterCount; ++j) {
        const float weight = sources.weights.percent[j];
        const float f = weight / 100.0f;
        const float* water = sources.state.sourceWaters[j].values;
        const WaterCarbonate& c = sources.carbonate[j];

        for (int i = 1; i < AE::kCount; ++i) current[i] = 0.0f;
        for (int i = 1; i < AE::kCount; ++i)
            if (!IsCarbonateSpecies(i)) mixed[i] += water[i] * weight / 100.0f;
        out.meanResidenceSeconds +=
            sources.state.residenceTime[j][ResidenceForm::kSeconds] * weight / 100.0f;

        // The species as the water's own calculation found them.
        for (int i : {AE::kBicarbonate, AE::kCarbonate, AE::kAcidity}) {
            mixed[i] += f * water[i];
            current[i] = mixed[i];
        }
        mixed[AE::kReportingMode] = current[AE::kReportingMode] = reportingMode;
        out.dissolvedCO2Copy = 0.0f;

        for (auto field : kBlendedFields) out.carbonate.*field += f * (c.constants.*field);
        out.acidity += f * c.acidity;
        sums.gammaH += f * c.constants.gammaH;
        sums.gammaOH += f * c.constants.gammaOH;

        sums.hydrogenActivity += f * std::pow(10.0, -water[AE::kPh]);
        sums.meanPh += f * water[AE::kPh];
        out.figure += f * c.totalCarbonate;
    }
    return sums;
}

void SetBlendCarbonateSystem(const BlendSums& sums, double kw, WaterAnalysis& mixed,
                             WaterAnalysis& current) {
    using namespace carbonate;
    float* m = mixed.values;
    float* c = current.values;
    for (int i = 1; i < AE::kCount; ++i) c[i] = m[i];
    m[AE::kMAlkalinity] = c[AE::kMAlkalinity] = m[AE::kBicarbonate];
    m[AE::kPAlkalinity] = c[AE::kPAlkalinity] = m[AE::kCarbonate];

    const double bicarbonate = m[AE::kBicarbonate];
    const double carbonateMg = m[AE::kCarbonate];
    const double totalCarbonate =
        bicarbonate / kHco3MgPerMol + carbonateMg / kCo3MgPerMol + m[AE::kAcidity] / kH2co3MgPerMol;
    m[AE::kTotalCarbonate] = c[AE::kTotalCarbonate] = static_cast<float>(totalCarbonate);

    // Alkalinity (eq/L) = HCO3- + 2 CO3-- + OH- - H+, the ions at the mean pH.
    const double h = std::pow(10.0, -sums.meanPh);
    const double alkalinity = bicarbonate / kHco3MgPerMol + carbonateMg / kCo3MgPerEq +
                              Ratio(kw, h * sums.gammaOH) - Ratio(h, sums.gammaH);
    m[AE::kAlkalinityEq] = static_cast<float>(alkalinity);
    c[AE::kAlkalinityEq] = 0.0f;

    const double ph = -std::log10(sums.hydrogenActivity);
    m[AE::kPh] = c[AE::kPh] = static_cast<float>(ph);
}

void SetBlendDerivedFigures(const CarbonateState& carbonate, ReferenceCarbonate& reference,
                            ReferenceOutputs& outputs) {
    using namespace carbonate;
    reference.totalCarbonate = (carbonate.carbonateMass / (kCo3MgPerMol / 1000.0) +
                                carbonate.bicarbonateMass / (kHco3MgPerMol / 1000.0) +
                                carbonate.co2Mass / (kH2co3MgPerMol / 1000.0)) /
                               1000.0;
    outputs.hydroxideMass = static_cast<float>(carbonate.ohMolality * kHydroxideMgPerMol);
    outputs.hydrogenMass = static_cast<float>(carbonate.hMolality * kHydrogenMgPerMol);
}
