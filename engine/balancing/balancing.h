// Electroneutrality balancing of a stored water. The reference pass of the engine
// finds which side of the analysis is short and by how much, in the unit of the
// ion the user chose (balanceAmount, with cationAdded or anionAdded set); the
// single-water pipeline adds that amount once, to the working analysis and to the
// stored water, and recalculates.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "input/records.h"

// The engine words a caller clears before a reference pass.
struct ReferencePassFlags {
    float& balanceAmount;
    uint16_t& calcPassMode;
    uint16_t& cationAdded;
    uint16_t& anionAdded;
};
ReferencePassFlags GlobalReferencePassFlags();

// Sets balanceAmount to 0 and clears calcPassMode, cationAdded and anionAdded, so
// that the next engine run is a reference pass.
void PrepareReferencePass(const ReferencePassFlags& flags);

// The AnalysisElement that the engine's finding names: the chosen anion (0
// sulfate, 1 chloride, 2 nitrate) when anionAdded is set, else the chosen cation
// (0 sodium, 1 potassium) when cationAdded is set; -1 when neither flag is set or
// the choice names no ion.
int BalancingElement(const BalancingSettings& settings, uint16_t cationAdded, uint16_t anionAdded);

// Adds `amount` to the element that BalancingElement names, in the working
// analysis, and copies the new value into the stored water when there is one
// (the mixed water has none). Returns the element changed, or -1.
int ApplyBalancing(const BalancingSettings& settings, uint16_t cationAdded, uint16_t anionAdded,
                   float amount, WaterAnalysis& working, WaterAnalysis* stored);
