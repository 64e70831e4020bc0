// Properties of pure water as functions of temperature (and, for the saturation
// curve, the pressure it implies): density, dielectric constant, the Debye-Hückel
// parameters, the ion product and the saturation pressure.
#pragma once

// Density of water (g/cm3) used by the activity model, from the temperature in
// degrees C; a fit in tau = 374.11 - t (the critical temperature), held at the
// critical density above it.
double WaterDensityForActivity(double temperatureC);

// Dielectric constant of water: a cubic in degrees C below 100 C (373.16 K) and a
// cubic in kelvin with a 1/T term from there on.
double DielectricConstant(double temperatureC, double temperatureK);

// Debye-Hückel A (kg^0.5 mol^-0.5) and B (per angstrom, kg^0.5 mol^-0.5) of water from
// its density and dielectric constant at temperatureK.
void DebyeHuckelFromProperties(double density, double dielectric, double temperatureK,
                               double& a, double& b);

// The same from the temperature alone (the second argument is not used). Returns 0.
int CalcDebyeHuckelAB(double temperatureK, double unused, double& a, double& b);

// Density of water at 1 atm (g/cm3) from degrees C, the fit of the ion product.
double WaterDensityForKw(double temperatureC);

// log10 Kw from temperature (K) and water density (g/cm3): Marshall and Franck (1981),
// J. Phys. Chem. Ref. Data 10, 295.
double LogKwMarshallFranck(double temperatureK, double density);

// Saturation pressure of water (MPa) at temperatureK: the region-4 saturation
// equation of IAPWS-IF97. Above the critical point (647.096 K) there is no saturation
// and the critical pressure, 22.064 MPa, is returned; a temperature at or below 0 K
// gives 0.
float CalcWaterSatPressure(float temperatureK);

// psia per MPa.
constexpr double kPsiaPerMPa = 145.03773773;
