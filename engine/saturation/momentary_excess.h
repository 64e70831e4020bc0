// Momentary excess: how much of a mineral (mol/kg) must leave the water for it to
// be at equilibrium with that mineral at once (positive, scale can form), or how
// much could still dissolve (negative). Three solvers, one per stoichiometry; each
// returns x x molar mass x F in mg/L, F being the mass factor of the input stage
// (molality x molar mass x F = mg/L).
//
// The amounts are molalities of the free ions and logKc the conditional solubility
// product written in molalities (log10 K less the logs of the activity coefficients
// to their counts and, for hydrates, of the water activity); the 1:1 solver takes
// that product itself, kc, as its closed formula has no use for the logarithm.
#pragma once

// One cation and one anion, each consumed once per formula unit: the smaller root
// of (a - x)(b - x) = kc, a closed formula.
void CalcExcess11(double a, double b, double kc, double molarMass, double F, double& result);

// Two ions consumed na and nb times per formula unit: a search on x. A water whose
// ion product meets the solubility product exactly, to the last bit of
// na log10 a + nb log10 b - logKc, keeps its ions (0).
void CalcExcess21(double a, double b, double na, double nb, double logKc, double molarMass,
                  double F, double& result);

// Three ions, as CalcExcess21.
void CalcExcess3(double a, double b, double c, double na, double nb, double nc, double logKc,
                 double molarMass, double F, double& result);
