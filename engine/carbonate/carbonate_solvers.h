// Carbonate solvers of the equilibrium calculation: the alkalinity a water must
// lose (or gain) for a metal carbonate to be just at equilibrium, and the
// double-precision door to the carbonate charge-balance pH.
#pragma once

#include <cstdint>

#include "engine/carbonate/carbonate_state.h"

// Where the alkalinity search ended.
struct CarbonateAlkSearch {
    int32_t status;  // 0 converged, -1 not (or unusable input)
    double excess;   // mg/L as CaCO3; positive: the water must lose alkalinity
    double pH;       // the last pH tried
    int passes;      // passes run
};

// The terms of the alkalinity search that depend on the pH alone, kept for each pH
// tried by the searches of one water. The searches of the carbonate family share
// the constants, the acidity and the start pH, and their paths pass through many
// of the same pHs; a search that finds its pH here skips the pass's arithmetic. The
// terms hold for the constants and acidity they were worked out with: a search with
// others empties the store first. The hydrogen ion and its reciprocal are kept too,
// for the search to step on from them.
struct CarbonateAlkTerms {
    static constexpr int kSlots = 128;  // a slot is taken only while a quarter stays free
    float k1, k2, kw, gammaH;
    double acidity;
    int used;
    uint64_t key[kSlots];  // bits of the pH; 0 (pH +0, never tried) marks a free slot
    double a[kSlots];      // Q1 P / (Q2 Ac - W)
    double r[kSlots];      // Q2 / P (Ac - W) - W
    double h[kSlots];      // the hydrogen ion at the pH
    double perH[kSlots];   // and its reciprocal
};

// An empty store.
void ClearCarbonateAlkTerms(CarbonateAlkTerms& terms);

// Halving step search on pH, kept between pH 1 and 14, for the state in which
// `metal` (mol/kg) and carbonate are at equilibrium with `ksp` while the acidity
// (eq/kg, 2[H2CO3] + [HCO3] + [H] - [OH]) and twice the metal minus the
// alkalinity (eq/kg) stay as given. Starts at `startPh`; a start outside 1 to 14
// begins at the nearer bound, a start that is not a number at 7. `terms`, when
// given, keeps the pH terms for the next search of the same water.
CarbonateAlkSearch SearchCarbonateAlk(const CarbonateState& constants, double startPh, double ksp,
                                      double metal, double alkalinity, double acidity,
                                      CarbonateAlkTerms* terms = nullptr);

// The two terms of the search at pH `pH` for a water of acidity `acidity`
// (eq/kg): twice the product S = 2 ksp times `a` is twice the metal that a
// water saturated with the carbonate holds at that pH, and `r` is that water's
// total alkalinity (eq/kg). At the water's own pH they say what the search
// takes the water to be.
struct CarbonateAlkStart {
    double a;
    double r;
};
CarbonateAlkStart CarbonateAlkTermsAt(const CarbonateState& constants, double pH,
                                      double acidity);

// The search from the pH of the working analysis, on the last reference pass's
// constants: 0 when it converged, -1 otherwise; `excessOut` always receives a
// number (0 for a metal or alkalinity that is not positive).
int32_t SolveCarbonateAlk(double ksp, double metal, double alkalinity, double acidity,
                          double& excessOut);
// The same, keeping the pH terms in `terms` for the next search of the water.
int32_t SolveCarbonateAlkKeeping(CarbonateAlkTerms& terms, double ksp, double metal,
                                 double alkalinity, double acidity, double& excessOut);
int32_t SolveCarbonateAlkA(double ksp, double metal, double alkalinity, double acidity,
                           double& excessOut);
int32_t SolveCarbonateAlkB(double ksp, double metal, double alkalinity, double acidity,
                           double& excessOut);
int32_t SolveCarbonateAlkC(double ksp, double metal, double alkalinity, double acidity,
                           double& excessOut);
int32_t SolveCarbonateAlkD(double ksp, double metal, double alkalinity, double acidity,
                           double& excessOut);

// SolveCarbonateAlk when `guard` (the alkalinity) is positive; else 0 and -1.
int32_t SolveCarbonateAlkWrap(double guard, double ksp, double metal, double alkalinity,
                              double acidity, double& excessOut);

// The carbonate pH solver on doubles: the carbonate acidity and alkalinity
// (eq/kg) balance at the pH stored back through `pHInOut`. The six numbers in
// between are not read. Returns 0.
int32_t SolvepHFromCarbonateD(const CarbonateState& constants, double acidity, double alkalinity,
                              double, double, double, double, double, double, double& pHInOut);
int32_t SolvepHFromCarbonateD(double acidity, double alkalinity, double unused1, double unused2,
                              double unused3, double unused4, double unused5, double unused6,
                              double& pHInOut);
