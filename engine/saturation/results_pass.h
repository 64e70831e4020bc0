// The results pass that ends every calculation after a water's reference pass:
// the saturation ratios and indices, the momentary excesses, the zinc and
// pyrophosphate minerals and the carbonate values, stored in their records.
#pragma once

#include "common/water_analysis.h"
#include "engine/inputs/ion_sums.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciated_water.h"

// The six carbonate minerals that the second carbonate family rates, in the order
// calcite, aragonite, witherite, siderite, magnesite, strontianite.
constexpr int kFamilyCarbonateCount = 6;

// The precipitation potential of the six carbonates: mg/L of the mineral that
// leaves the water (positive) or may still dissolve (negative) before the water
// is just saturated with it; kSolverNotReachable where no saturated state exists.
struct CarbonateSolverValues {
    double potential[kFamilyCarbonateCount];
};

// One carbonate of the family: its IndexCode slots, cation, constant and mass.
struct FamilyCarbonate {
    int solverSlot;  // SaturationResults slot of the solver value
    int excessSlot;  // SaturationResults slot of the excess from totals
    int cation;      // species of the free cation (for its activity coefficient)
    int reaction;    // solubility product
    double molarMass;
    double SpeciatedWater::*total;  // the cation's analytical total
};
extern const FamilyCarbonate kFamilyCarbonates[kFamilyCarbonateCount];

// The carbonate's solubility product conditional on the free cation's and the
// carbonate ion's activity coefficients.
double FamilyKc(const SpeciatedWater& w, const FamilyCarbonate& c);

// Where the results pass writes.
struct ResultsPassRecords {
    WaterAnalysis& analysis;
    float (&saturation)[64];
    float (&excess)[38];
    ZincPhosphateResults& zinc;
    float& calciumSilicate;
    float& calciumSilicateCopy;
    OxalateResults& oxalate;
    float& waterActivity;
    ResultsCarbonate& carbonate;
};

// `sums` are the water's charge and mass sums, CalcIonSums of w.
void RunResultsPass(const SpeciatedWater& w, const CarbonateSolverValues& solvers,
                    const IonSums& sums, ResultsPassRecords& out);
