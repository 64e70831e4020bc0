// Inputs of the carbonate pH solve that the speciation runs for a water whose pH
// is not given, set by the single-water calculation for a water and by the
// mixing drivers for a blend, and the values the single-water calculation keeps
// from a water's own calculation for the pressure steps of its profiles.
#pragma once

extern float phSolveAlkalinity;  // mg/L as CaCO3
extern float phSolveAcidity;     // mg/L as CaCO3
extern float phSolveCO2;         // dissolved carbon dioxide, mol/kg
extern float phSolveMarker;      // positive: a carbonate-free water takes the pH of its alkalinity

extern float keptBicarbonate;  // bicarbonate-bearing carbonate, mg/L as HCO3
extern float keptAlkalinity;   // alkalinity, mg/L as CaCO3

void ResetPhSolveRecords();
