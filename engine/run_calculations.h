// The one door into the chemistry engine for a water already in currentAnalysis:
// one equilibrium calculation, with the carbonate target solvers around it when
// the user has switched them on.
#pragma once

// An equilibrium calculation on the global records; CalcEquilibrium in the
// program, a stand-in in tests.
using EngineFunction = void (*)();

// Runs CalcEquilibrium once and, when runTargetSolvers of ResultStatus is set,
// the six solver runs, whose answers go into SaturationResults slots 60
// (calcite), 58 (aragonite), 55 (siderite), 57 (witherite), 51 (strontianite) and
// 53 (magnesite). Everything else is left as the one CalcEquilibrium left it.
void RunCalculations();
void RunCalculationsWith(EngineFunction engine);
