// The mass concentrations, alkalinities and buffer intensity that the results of one
// water carry beside the saturation ratios, in their SaturationResults slots.
#pragma once

#include "engine/carbonate/carbonate_shift.h"
#include "engine/speciation/speciated_water.h"

// Writes slots 6 to 9, 13 to 17, 27 to 30 and 38 to 41 (mg/L; alkalinities as
// CaCO3); other slots are untouched.
void CalcConcentrationSlots(const SpeciatedWater& w, double* slots);

// Total alkalinity as CaCO3 (mg/L): bicarbonate, carbonate and hydroxide
// alkalinity less the hydrogen ion (the value of slot 28).
double TotalAlkalinityAsCaCO3(const SpeciatedWater& w);

// The water's carbonate system in the terms of the total alkalinity above, for
// moving it to another pH (AlkalinityMovedTo).
SpeciatedCarbonate CarbonateSystemOf(const SpeciatedWater& w);

// The "P" alkalinity as CaCO3 (mg/L): the acid, in equivalents of alkalinity,
// that takes the water's carbonate system from its pH down to pH 8.3; 0 at or
// below pH 8.3 (the value of slot 30).
double PhenolphthaleinAlkalinityAsCaCO3(const SpeciatedWater& w);

// The carbonate acidity 2 m(CO2) + HCO3T + m(H+) - m(OH-), eq/kg.
double CarbonateAcidity(const SpeciatedWater& w);

// Buffer intensity of the carbonate system (mol/kg per pH unit), with the
// carbonic acid constants conditional on the water's activity coefficients.
double CalcBufferIntensity(const SpeciatedWater& w);

// Conditional carbonic acid constants: K1' = K1 g(CO2) / (g(H) g(HCO3)) and
// K2' = K2 g(HCO3) / (g(H) g(CO3)).
double ConditionalK1(const SpeciatedWater& w);
double ConditionalK2(const SpeciatedWater& w);
// The water constant in molalities: W = a_w Kw / (g(H) g(OH)).
double ConditionalWaterConstant(const SpeciatedWater& w);
