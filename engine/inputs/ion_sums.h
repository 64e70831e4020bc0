// Charge and mass sums over the species of one water: the cation to anion
// equivalent ratio and the total dissolved solids.
#pragma once

#include "engine/speciation/speciated_water.h"

struct IonSums {
    double cationEquivalents;  // eq/kg
    double anionEquivalents;   // eq/kg, the organic acids included
    double tds;                // total dissolved solids x R, mg/L
};

// Sums over every species with a molality above 0, except the records that carry
// totals rather than species (16, 34, 69, 70, 71, 83, 86).
IonSums CalcIonSums(const SpeciatedWater& w);

// Cation over anion equivalents, made positive; 0 when either sum is not above 0.
double CationAnionRatio(const IonSums& sums);
