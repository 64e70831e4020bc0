// The one door into the chemistry engine for a water already in currentAnalysis:
// one equilibrium calculation, with the carbonate target solvers around it when
// the user has switched them on.
#pragma once

// An equilibrium calculation on the global records; CalcEquilibrium in the
// program, a stand-in in tests.
using EngineFunction = void (*)();

// Runs CalcEquilibrium once and, when runTargetSolvers of ResultStatus is set,
// the six solver runs, whose answers go into targetSolverAnswer (calcite,
// aragonite, siderite, witherite, strontianite, magnesite). Everything else is
// left as the one CalcEquilibrium left it: the precipitation potentials of
// SaturationResults are the results pass's own, with the solvers on or off.
void RunCalculations();
void RunCalculationsWith(EngineFunction engine);

// RunCalculationsWith for a run whose solver answers the caller's next run
// replaces before anything reads them (the reference passes of CalcWaterAnalysis,
// which its results pass follows with the solvers on the water they describe):
// the equilibrium calculation once and, with the solvers on, the one record their
// runs leave changed besides the answers (TakeStartAlkalinityDemand). The engine
// then stands as RunCalculationsWith leaves it in every record but the answers
// and the solvers' own working copies.
void RunCalculationsAnswersReplaced(EngineFunction engine);

// Four six-value rows of double results that the equilibrium calculation keeps
// for RunCalculationsAt. No stage of the calculation writes them, so they stay 0.
constexpr int kEngineResultRows = 4;
constexpr int kEngineResultRowValues = 6;

// Stores `zincAmount` and `polyphosphateAmount` where the calculation keeps its
// zinc and polyphosphate amounts (it recomputes both from the analysis before
// reading them, so they have no effect), runs RunCalculations, and copies the
// four result rows out: out1 the fourth row, out2 the third, out3 the second,
// out4 the first.
void RunCalculationsAt(double zincAmount, double polyphosphateAmount, double* out1, double* out2,
                       double* out3, double* out4);
