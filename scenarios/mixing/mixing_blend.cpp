// Blending two waters and their carbonate systems by volume share.
#include "scenarios/mixing/mixing_blend.h"

#include <cmath>

#include "common/unit_codes.h"
#include "scenarios/frame/blend_basis.h"
#include "scenarios/mixing/mixing_axis.h"

namespace {

// Molar masses in mg/mol, and the equivalent of carbonate (two charges).
constexpr double kBicarbonateMgPerMol = 61017.3;
constexpr double kCarbonateMgPerMol = 60009.4;
constexpr double kCarbonateMgPerEq = 30004.7;
constexpr double kCarbonicAcidMgPerMol = 62025.3;
// The same in g/mol, for amounts in mg/L giving mmol/L.
constexpr double kBicarbonateGPerMol = 61.0173;
constexpr double kCarbonateGPerMol = 60.0094;
constexpr double kCarbonicAcidGPerMol = 62.0253;

// g x formation + f x injection, in single precision.
float Mix(const MixShares& s, float injection, float formation) {
    return s.g * formation + s.f * injection;
}

// Hydrogen-ion activity 10^-pH of a water's stored pH.
double HydrogenActivity(const WaterAnalysis& w) {
    return std::pow(10.0, -static_cast<double>(w.values[AnalysisElement::kPh]));
}

// Hydroxide kw / (10^-pH g(OH)), mol/L.
double Hydroxide(const WaterAnalysis& w, const CarbonateState& k) {
    return static_cast<double>(k.kw) / (HydrogenActivity(w) * k.gammaOH);
}

// CO3/60009.4 + HCO3/61017.3 + H2CO3/62025.3 of a water's species (mol/L).
double SpeciesSum(const WaterAnalysis& w, const WaterCarbonate& kept) {
    const MixedSpecies m = SpeciesOfWater(w.values, kept);
    return m.carbonate / kCarbonateMgPerMol + m.bicarbonate / kBicarbonateMgPerMol +
           m.dissolvedCo2 / kCarbonicAcidMgPerMol;
}

// The charge balance of the carbonate system of a water (eq/L):
// 2 CO3 + HCO3 + OH - H with the snapshot's constants.
double CarbonateAlkalinity(const WaterAnalysis& w, const WaterCarbonate& kept) {
    const MixedSpecies m = SpeciesOfWater(w.values, kept);
    const CarbonateState& k = kept.constants;
    return m.carbonate / kCarbonateMgPerEq + m.bicarbonate / kBicarbonateMgPerMol +
           Hydroxide(w, k) - HydrogenActivity(w) / k.gammaH;
}

}  // namespace

MixShares SharesOf(float axisPercent) {
    const float p = MixBlendPercent(axisPercent);
    return {p, p / 100.0f, (100.0f - p) / 100.0f};
}

MixShares MassShares(const MixSources& waters, const MixShares& s) {
    const double injection = s.f * SpecificGravity(waters.injection.values);
    const double formation = s.g * SpecificGravity(waters.formation.values);
    const double mass = injection + formation;
    if (!(mass > 0.0)) return s;
    return {s.percent, static_cast<float>(injection / mass), static_cast<float>(formation / mass)};
}

void BlendAnalysisValues(const MixSources& waters, const MixShares& s,
                         float (&values)[AnalysisElement::kCount]) {
    const float* inj = waters.injection.values;
    const float* form = waters.formation.values;
    const MixShares m = MassShares(waters, s);
    for (int i = 1; i < AnalysisElement::kCount; ++i) {
        if (BlendsByMass(i, waters.reportingMode))
            values[i] = Mix(m, inj[i], form[i]);
        else
            values[i] = inj[i] * s.percent / 100.0f + form[i] * s.g;
    }
}

BlendedCarbonate BlendCarbonate(const MixSources& waters, const MixShares& s) {
    const WaterCarbonate& ci = waters.injectionCarbonate;
    const WaterCarbonate& cf = waters.formationCarbonate;
    const CarbonateState& ki = ci.constants;
    const CarbonateState& kf = cf.constants;
    const MixShares a = MassShares(waters, s);
    BlendedCarbonate b{};
    b.bicarbonate = Mix(a, ci.hco3, cf.hco3);
    b.carbonate = Mix(a, ci.co3, cf.co3);
    b.h2co3 = Mix(a, ci.h2co3, cf.h2co3);
    b.dissolvedCo2 = Mix(a, ci.dissolvedCo2, cf.dissolvedCo2);
    b.k1 = Mix(s, ki.k1, kf.k1);
    b.k2 = Mix(s, ki.k2, kf.k2);
    b.kw = Mix(s, ki.kw, kf.kw);
    b.gammaH = Mix(s, ki.gammaH, kf.gammaH);
    b.co3Mass = Mix(a, ki.carbonateMass, kf.carbonateMass);
    b.hco3Mass = Mix(a, ki.bicarbonateMass, kf.bicarbonateMass);
    b.co2Mass = Mix(a, ki.co2Mass, kf.co2Mass);
    b.alkalinityAsCaCO3 = Mix(a, ki.alkalinityAsCaCO3, kf.alkalinityAsCaCO3);
    b.acidityAsCaCO3 = Mix(a, ki.acidityAsCaCO3, kf.acidityAsCaCO3);
    b.chargeValue = Mix(a, ki.chargeValue, kf.chargeValue);
    b.alkalinity = Mix(a, ci.alkalinity, cf.alkalinity);
    b.acidity = Mix(a, ci.acidity, cf.acidity);
    b.totalCarbonate = (b.co3Mass / kCarbonateGPerMol + b.hco3Mass / kBicarbonateGPerMol +
                        b.co2Mass / kCarbonicAcidGPerMol) /
                       1000.0;

    const double f = s.f;
    const double g = s.g;
    const double hInj = HydrogenActivity(waters.injection);
    const double hForm = HydrogenActivity(waters.formation);
    b.hydroxide = f * Hydroxide(waters.injection, ki) + g * Hydroxide(waters.formation, kf);
    b.hydrogen = f * hInj / ki.gammaH + g * hForm / kf.gammaH;
    b.hydrogenActivity = f * hInj + g * hForm;
    b.ph = -std::log10(b.hydrogenActivity);
    return b;
}

double ProfileTotalCarbonate(const MixSources& waters, const MixShares& volume) {
    const MixShares s = MassShares(waters, volume);
    return s.f * SpeciesSum(waters.injection, waters.injectionCarbonate) +
           s.g * SpeciesSum(waters.formation, waters.formationCarbonate);
}

double ProfileAlkalinity(const MixSources& waters, const MixShares& volume) {
    const MixShares s = MassShares(waters, volume);
    return s.f * CarbonateAlkalinity(waters.injection, waters.injectionCarbonate) +
           s.g * CarbonateAlkalinity(waters.formation, waters.formationCarbonate);
}

double GridTotalCarbonate(const MixSources& waters, const MixShares& volume,
                          double carbonateWeight) {
    const MixShares s = MassShares(waters, volume);
    const auto sum = [carbonateWeight](const WaterAnalysis& w) {
        return w.values[AnalysisElement::kBicarbonate] / kBicarbonateMgPerMol +
               w.values[AnalysisElement::kCarbonate] / carbonateWeight;
    };
    return s.f * sum(waters.injection) + s.g * sum(waters.formation);
}

double GridAlkalinity(const MixSources& waters, const MixShares& volume, double carbonateWeight,
                      double totalCarbonate) {
    const MixShares s = MassShares(waters, volume);
    return s.f * waters.injection.values[AnalysisElement::kCarbonate] / carbonateWeight +
           totalCarbonate +
           s.g * waters.formation.values[AnalysisElement::kCarbonate] / carbonateWeight;
}

bool ReferenceTemperature(uint16_t temperatureUnit, float& value) {
    switch (temperatureUnit) {
        case TemperatureUnit::kFahrenheit:
            value = 77.0f;
            return true;
        case TemperatureUnit::kCelsius:
            value = 25.0f;
            return true;
        case TemperatureUnit::kKelvin:
            value = 298.16f;
            return true;
        default:
            return false;
    }
}
