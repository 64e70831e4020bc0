// The equilibrium calculation of the working analysis: inputs and constants at the
// water's temperature and pressure, then the speciation and the result records.
#pragma once

// Runs one calculation on currentAnalysis with the user's units and the engine's
// switches; every input and output is a global record.
void CalcEquilibrium();
