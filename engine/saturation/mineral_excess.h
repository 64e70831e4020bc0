// The momentary excess of each mineral of one water (mg/L): the 22 entries of the
// MomentaryExcess record in their order.
#pragma once

#include "engine/speciation/speciated_water.h"

constexpr int kMineralExcessCount = 22;

// Entry indices of MomentaryExcess.
namespace ExcessEntry {
enum : int {
    kCalcite = 0,
    kAragonite = 1,
    kWitherite = 2,
    kSiderite = 3,
    kMagnesite = 4,
    kAnhydrite = 5,
    kGypsum = 6,
    kBarite = 7,
    kCelestite = 8,
    kCalciumPhosphate = 9,
    kHydroxyapatite = 10,
    kStrengite = 11,
    kBrucite = 12,
    kIronHydroxide = 13,
    kAmorphousSilica = 14,
    kFluorite = 15,
    kStrontianite = 16,
    kMackinawite = 17,
    kThenardite = 18,
    kHalite = 19,
    kCalciumOxalate = 20,
    kMagnesiumSilicate = 21,
};
}  // namespace ExcessEntry

// Conditional solubility product in molalities of a 1:1 mineral: K / (g1 g2).
double PairKc(const SpeciatedWater& w, int reaction, int cation, int anion);

// Fills the 22 excesses. fluoriteRatio is the fluorite saturation ratio of the same
// water: a water exactly saturated with fluorite has no fluorite excess.
void CalcMineralExcesses(const SpeciatedWater& w, double fluoriteRatio,
                         double (&excess)[kMineralExcessCount]);
