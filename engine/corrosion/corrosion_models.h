// Corrosion rates of carbon steel in the water just calculated, from four
// correlations: CO2 corrosion with a temperature table of rate constants
// (CalcCorrRateCO2Kt), an H2S-driven rate with the same fugacity coefficient and
// pH function (CalcCorrRateCO2Fug), an Arrhenius-type correlation of
// temperature, ions and pH (CalcCorrRateArrhenius) and an exponential
// correlation of the CO2 and H2S partial pressures (CalcCorrRateCO2H2S).
//
// Inputs are in the user's units (temperature by UnitCodes item 18, total
// pressure by item 22, pCO2 by item 23, pH2S by item 31); results are in mm/yr,
// or in mils per year when the corrosion-rate unit says so (CorrosionRateInMpy).
// The models read the saturation ratios of the last equilibrium run, so they
// run after it.
#pragma once

#include "common/index_code.h"
#include "common/water_analysis.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/records.h"

// What the models read besides their arguments.
struct CorrosionInputs {
    const float (&saturation)[kSaturationResultCount];  // SaturationResults
    const float (&analysis)[AnalysisElement::kCount];   // currentAnalysis values
    UnitContext units;
};

// Binds SaturationResults, currentAnalysis and the unit choices.
CorrosionInputs GlobalCorrosionInputs();

double CalcCorrRateCO2Kt(const CorrosionInputs& in, double temperature, double ph, double pressure,
                         double pco2);
double CalcCorrRateCO2Fug(const CorrosionInputs& in, double temperature, double ph, double pressure,
                          double ph2s);
double CalcCorrRateArrhenius(const CorrosionInputs& in, double temperature, double ph,
                             double pressure, double pco2);
double CalcCorrRateCO2H2S(const CorrosionInputs& in, double temperature, double ph, double pressure,
                          double pco2, double ph2s);

double CalcCorrRateCO2Kt(double temperature, double ph, double pressure, double pco2);
double CalcCorrRateCO2Fug(double temperature, double ph, double pressure, double ph2s);
double CalcCorrRateArrhenius(double temperature, double ph, double pressure, double pco2);
double CalcCorrRateCO2H2S(double temperature, double ph, double pressure, double pco2, double ph2s);

// Shared pieces of the models, exposed for their tests.
namespace corrosion {

// Temperature in degrees C from the user's unit (0 F, 1 C, 2 K; others as is).
double TemperatureCelsius(double temperature, uint16_t unitCode);
// Kelvin as the engine counts it: degrees C + 273.16.
constexpr double kKelvinOffset = 273.16;
// Total pressure in bar from the user's unit (0 atm, 1 bar, 2 psia, 3 kPa).
double PressureBar(double pressure, uint16_t unitCode);
// A partial pressure in bar: codes 0..3 as a total pressure, 4 ppm of the gas,
// 5 percent of the gas (both of the total pressure in bar), others as is.
double PartialPressureBar(double partial, uint16_t unitCode, double totalBar);

// Fugacity coefficient of CO2 (and H2S) in the gas: 10^(min(P, 250) (0.0031 - 1.4 / T)),
// P in bar, T in K.
double FugacityCoefficient(double pressureBar, double temperatureK);

// Protection of a carbonate or sulfide scale of supersaturation ratio r: 1.0 up
// to saturation, falling linearly as 1 - 0.6 (r - 1) below r = 2.5, and 0.6 from
// 2.5 on. The step from about 0.1 back to 0.6 at 2.5 is deliberate.
double ProtectionFactor(double ratio);

// Film term of the CO2/H2S correlation, a logarithmic change of its exponent by a
// scale of supersaturation ratio r; never above 0 and always finite.
double FilmTerm(double ratio);

// The piecewise pH function of the table models at a temperature in degrees C,
// interpolated linearly between its nine temperature nodes.
double PhFunction(double ph, double temperatureC);
// The rate constant Kt of CalcCorrRateCO2Kt at a temperature in degrees C.
double RateConstant(double temperatureC);

// A rate in mm/yr in the user's corrosion-rate unit.
double ToRateUnit(double rateMmPerYear, const UnitContext& u);

// Every model holds its rate to 0 to 10,000 mm/yr before the unit conversion: the
// correlations run far past any rate that steel shows (carbon steel in oilfield
// water corrodes at hundredths to tens of mm/yr) when their inputs leave the range
// they were fitted on. A rate that is no number counts as 0.
constexpr double kMaxRateMmPerYear = 10000.0;
double HeldRate(double rateMmPerYear);

}  // namespace corrosion
