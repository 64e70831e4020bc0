// A small world of carbonate records for tests: a working analysis, the stored
// waters, textbook constants at 25 C (K1 = 10^-6.35, K2 = 10^-10.33,
// Kw = 1e-14, activity coefficients 1) and the settings, with the contexts the
// carbonate routines take.
#pragma once

#include <cmath>

#include "engine/carbonate/carbonate_species.h"
#include "engine/carbonate/ph_adjustment.h"

namespace carbonate_test {

inline const double kK1 = std::pow(10.0, -6.35);
inline const double kK2 = std::pow(10.0, -10.33);
constexpr double kKw = 1e-14;

// mg/L of one millimole per litre.
constexpr double kMmolH2co3 = 62.0253;
constexpr double kMmolHco3 = 61.0173;
constexpr double kMmolCo3 = 60.0094;

inline CarbonateState TextbookConstants() {
    CarbonateState s{};
    s.k1 = static_cast<float>(kK1);
    s.k2 = static_cast<float>(kK2);
    s.kw = static_cast<float>(kKw);
    s.gammaH = 1.0f;
    s.gammaOH = 1.0f;
    return s;
}

// Textbook carbonic acid speciation, by the ratios [HCO3]/[H2CO3] = K1/h and
// [CO3]/[HCO3] = K2/h (mol/L), using the float constants the routines see.
struct Molar {
    double h2co3, hco3, co3;
};
inline Molar SpeciateMolar(double totalCarbonate, double pH, const CarbonateState& k) {
    const double h = std::pow(10.0, -pH);
    const double r1 = k.k1 / h;
    const double r2 = k.k2 / h;
    const double h2co3 = totalCarbonate / (1.0 + r1 + r1 * r2);
    return {h2co3, h2co3 * r1, h2co3 * r1 * r2};
}

// Total alkalinity 2[CO3] + [HCO3] + [OH] - [H] (eq/L), activity coefficients 1.
inline double AlkalinityEq(const Molar& m, double pH, const CarbonateState& k) {
    const double h = std::pow(10.0, -pH);
    return 2.0 * m.co3 + m.hco3 + k.kw / h - h;
}

struct CarbonateWorld {
    WaterAnalysis analysis{};
    WaterAnalysis surface{};
    WaterAnalysis injection{};
    WaterAnalysis formation{};
    CarbonateState constants = TextbookConstants();
    PhControlSettings control{7.0f, PhControlMethod::kBoth, 0, AcidChemical::kSulfuric,
                              AlkaliChemical::kCausticSoda};
    UnitCodes units{};
    uint16_t reportingMode = ReportingMode::kMgPerL;
    uint16_t alkalinityMode = 1;
    AlkCurveCoefficients userCurve{};
    AlkCurveCoefficients extrapolatedCurve{};
    SavedCarbonateConstants saved[SavedWater::kCount]{};
    float acidDemand = 0.0f;
    float alkaliDemand = 0.0f;
    float dissolvedCO2 = 0.0f;

    PhAdjustContext Adjust() {
        return {analysis,  constants, control,    units,        reportingMode, surface,
                injection, formation, acidDemand, alkaliDemand, dissolvedCO2};
    }
    CarbonateContext Species() {
        return {analysis,       constants, control,           units, reportingMode,
                alkalinityMode, userCurve, extrapolatedCurve, saved, dissolvedCO2};
    }
    float& Value(int element) { return analysis.values[element]; }

    // Puts the species of `totalCarbonate` (mol/L) at `pH` into elements 29, 30
    // and 43 and the pH into element 0.
    void SetWater(double totalCarbonate, double pH) {
        const Molar m = SpeciateMolar(totalCarbonate, pH, constants);
        Value(AnalysisElement::kPh) = static_cast<float>(pH);
        Value(AnalysisElement::kAcidity) = static_cast<float>(m.h2co3 * 1000.0 * kMmolH2co3);
        Value(AnalysisElement::kBicarbonate) = static_cast<float>(m.hco3 * 1000.0 * kMmolHco3);
        Value(AnalysisElement::kCarbonate) = static_cast<float>(m.co3 * 1000.0 * kMmolCo3);
    }
};

}  // namespace carbonate_test
