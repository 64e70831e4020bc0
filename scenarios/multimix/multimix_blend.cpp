// Mixing the multi-mix source waters and setting up the blend's carbonate system.
#include "scenarios/multimix/multimix_blend.h"

#include <cmath>
#include <initializer_list>

#include "engine/carbonate/carbonate_math.h"
#include "engine/saturation/plain_store.h"
#include "scenarios/frame/blend_basis.h"

namespace {

namespace AE = AnalysisElement;

// The carbonate constants and amounts of a reference pass that mix by weight:
// k1, k2, kw, the two activity coefficients, the water activity and the
// hydrogen ion by volume; the charge value, the alkalinity, the carbonate,
// bicarbonate and CO2 masses and the alkalinity and acidity as CaCO3, held per
// kilogram, by the water's share of the blend's mass. The hydroxide amount is not among
// them.
struct BlendedField {
    float CarbonateState::*field;
    bool amount;
};
constexpr BlendedField kBlendedFields[] = {
    {&CarbonateState::k1, false},
    {&CarbonateState::k2, false},
    {&CarbonateState::kw, false},
    {&CarbonateState::gammaH, false},
    {&CarbonateState::gammaOH, false},
    {&CarbonateState::waterActivity, false},
    {&CarbonateState::chargeValue, true},
    {&CarbonateState::alkalinity, true},
    {&CarbonateState::carbonateMass, true},
    {&CarbonateState::bicarbonateMass, true},
    {&CarbonateState::co2Mass, true},
    {&CarbonateState::hMolality, false},
    {&CarbonateState::alkalinityAsCaCO3, true},
    {&CarbonateState::acidityAsCaCO3, true},
};

// Each water's share of the blend's mass, for what it holds per kilogram
// (blend_basis.h).
void MassShares(const BlendSources& sources, float (&shares)[kMultiMixWaterCount]) {
    double mass = 0.0;
    for (int j = 0; j < sources.waterCount; ++j) {
        shares[j] = sources.weights.percent[j] / 100.0f;
        mass += shares[j] * SpecificGravity(sources.state.sourceWaters[j].values);
    }
    if (!(mass > 0.0)) return;
    for (int j = 0; j < sources.waterCount; ++j)
        shares[j] = static_cast<float>(
            shares[j] * SpecificGravity(sources.state.sourceWaters[j].values) / mass);
}

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
    for (const BlendedField& b : kBlendedFields) carbonate.*(b.field) = 0.0f;
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
    float shares[kMultiMixWaterCount] = {};
    MassShares(sources, shares);
    for (int j = 0; j < sources.waterCount; ++j) {
        const float weight = sources.weights.percent[j];
        const float f = weight / 100.0f;
        const float a = shares[j];
        const float* water = sources.state.sourceWaters[j].values;
        const WaterCarbonate& c = sources.carbonate[j];

        for (int i = 1; i < AE::kCount; ++i) current[i] = 0.0f;
        for (int i = 1; i < AE::kCount; ++i) {
            if (IsCarbonateSpecies(i)) continue;
            mixed[i] += BlendsByMass(i, reportingMode) ? a * water[i] : water[i] * weight / 100.0f;
        }
        out.meanResidenceSeconds +=
            sources.state.residenceTime[j][ResidenceForm::kSeconds] * weight / 100.0f;

        // The species as the water's own calculation kept them.
        const MixedSpecies species = SpeciesOfWater(water, c);
        const std::pair<int, float> amounts[] = {{AE::kBicarbonate, species.bicarbonate},
                                                 {AE::kCarbonate, species.carbonate},
                                                 {AE::kAcidity, species.dissolvedCo2}};
        for (const auto& [i, amount] : amounts) {
            mixed[i] += a * amount;
            current[i] = mixed[i];
        }
        mixed[AE::kReportingMode] = current[AE::kReportingMode] = reportingMode;
        out.dissolvedCO2Copy = 0.0f;

        for (const BlendedField& b : kBlendedFields)
            out.carbonate.*(b.field) += (b.amount ? a : f) * (c.constants.*(b.field));
        out.acidity += a * c.acidity;
        sums.gammaH += f * c.constants.gammaH;
        sums.gammaOH += f * c.constants.gammaOH;

        sums.hydrogenActivity += f * std::pow(10.0, -water[AE::kPh]);
        sums.meanPh += f * water[AE::kPh];
        out.figure += a * c.totalCarbonate;
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
    // Waters whose calculation held a species at the engine's bound blend to
    // amounts no float holds: the blend keeps them at that bound too.
    m[AE::kTotalCarbonate] = c[AE::kTotalCarbonate] = PlainToFloat(totalCarbonate);

    // Alkalinity (eq/L) = HCO3- + 2 CO3-- + OH- - H+, the ions at the mean pH.
    const double h = std::pow(10.0, -sums.meanPh);
    const double alkalinity = bicarbonate / kHco3MgPerMol + carbonateMg / kCo3MgPerEq +
                              Ratio(kw, h * sums.gammaOH) - Ratio(h, sums.gammaH);
    m[AE::kAlkalinityEq] = PlainToFloat(alkalinity);
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
    outputs.hydroxideMass = PlainToFloat(carbonate.ohMolality * kHydroxideMgPerMol);
    outputs.hydrogenMass = PlainToFloat(carbonate.hMolality * kHydrogenMgPerMol);
}
