// The precipitation potential of a metal carbonate: how much of it leaves the
// water (positive) or may still dissolve into it (negative) before the water is
// just saturated with it, the carbonate acidity staying what it was.
//
// With the acidity Ac = 2 m(H2CO3) + m(HCO3) + m(H) - m(OH) held, every pH has
// one carbonate state: its total carbonate, its total alkalinity and its
// carbonate ion. A formula unit that leaves takes one carbonate and two
// equivalents of alkalinity with it, which keeps Ac, so the amount that left by
// a pH is half the alkalinity lost, and the metal left is the metal less that
// amount. Above the pH where the metal or the carbonate runs out, the product of
// metal and carbonate ion rises with the pH; the search halves the pH interval
// on which that product crosses the water's solubility product, so that the
// answer never takes more of an ion than the water holds.
#pragma once

#include <span>

// The carbonate constants in concentration terms at the water's temperature,
// pressure and ionic strength: K1' and K2' of carbonic acid, the water
// constant W = m(H) m(OH), and the hydrogen ion's activity coefficient.
struct CarbonateConstants {
    double k1;
    double k2;
    double kw;
    double gammaH;
};

// The carbonate state of acidity `acidity` (eq/kg) at pH `pH`: total carbonate
// (mol/kg), total alkalinity (eq/kg) and carbonate ion (mol/kg). A total
// carbonate below 0 says that no water of that acidity has that pH.
struct CarbonateStateAt {
    double carbonate;
    double alkalinity;
    double carbonateIon;
};
CarbonateStateAt CarbonateStateAtPh(const CarbonateConstants& k, double acidity, double pH);

struct CarbonatePotential {
    bool found;     // false: no pH between 1 and 14 saturates the water
    double amount;  // mol/kg; positive: the amount that leaves the water
};

// The water at pH `pH` with acidity `acidity`, holding `metal` (mol/kg) of the
// carbonate's cation, and `saturation` its saturation ratio there. A water
// without the metal has nothing to form and answers 0; a water whose ratio or
// carbonate ion is not above 0 (or not a number) has no answer.
CarbonatePotential SearchCarbonatePotential(const CarbonateConstants& k, double pH, double acidity,
                                            double metal, double saturation);

// The same for the carbonates of one water, one metal and saturation ratio
// each (the three spans of one length), searched side by side; out[i] is the
// answer for metal[i], as the search of that carbonate alone gives it.
void SearchCarbonatePotentials(const CarbonateConstants& k, double pH, double acidity,
                               std::span<const double> metal, std::span<const double> saturation,
                               std::span<CarbonatePotential> out);
