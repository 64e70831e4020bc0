// Unit conversions and correction factors shared by the four corrosion models.
#include <algorithm>
#include <cmath>

#include "engine/corrosion/corrosion_models.h"
#include "engine/tables/power_of_ten.h"

CorrosionInputs GlobalCorrosionInputs() {
    return CorrosionInputs{SaturationResults, currentAnalysis.values, GlobalUnitContext()};
}

namespace corrosion {

double TemperatureCelsius(double temperature, uint16_t unitCode) {
    switch (unitCode) {
        case TemperatureUnit::kFahrenheit:
            return (temperature - 32.0) * 5.0 / 9.0;
        case TemperatureUnit::kKelvin:
            return temperature - kKelvinOffset;
        default:
            return temperature;
    }
}

// Pressures are held as psia, atm and bar that agree: bar = psia x 0.068948 and
// atm = psia x 0.068046, so atm to bar is 0.068948 / 0.068046.
double PressureBar(double pressure, uint16_t unitCode) {
    switch (unitCode) {
        case PressureUnit::kAtm:
            return pressure * 0.068948 / 0.068046;
        case PressureUnit::kPsia:
            return pressure * 0.068948;
        case PressureUnit::kKPa:
            return pressure / 100.0;
        default:
            return pressure;
    }
}

double PartialPressureBar(double partial, uint16_t unitCode, double totalBar) {
    switch (unitCode) {
        case 0:
        case 1:
        case 2:
        case 3:
            return PressureBar(partial, unitCode);
        case 4:
            return partial / 1000000.0 * totalBar;  // ppm of the gas
        case 5:
            return partial * totalBar / 100.0;  // percent of the gas
        default:
            return partial;
    }
}

// de Waard and Milliams' fugacity correction; pressures above 250 bar are taken
// as 250 bar, where the correlation ends.
double FugacityCoefficient(double pressureBar, double temperatureK) {
    return Exp10(std::min(pressureBar, 250.0) * (0.0031 - 1.4 / temperatureK));
}

double ProtectionFactor(double ratio) {
    if (!(ratio > 1.0)) return 1.0;  // undersaturated (or no value): no protective film
    if (ratio < 2.5) return 1.0 - 0.6 * (ratio - 1.0);
    return 0.6;
}

// The correlation's own term is -ln(r - 1) between saturation and r = 2.5 and
// -ln 1.5 at exactly r = 1 and from 2.5 on. Below r = 2, -ln(r - 1) is positive
// and grows without bound as r approaches 1, so a water just past saturation
// would have its rate multiplied by e^G, about 1e7 at r = 1 + 1e-7. A film can
// only slow corrosion, so the term is capped at 0 there; where it is already 0
// or negative (r = 1, 2 <= r) it is kept.
double FilmTerm(double ratio) {
    if (!(ratio >= 1.0)) return 0.0;  // undersaturated (or no value): no film
    if (ratio == 1.0 || ratio >= 2.5) return -std::log(1.5);
    return std::min(0.0, -std::log(ratio - 1.0));
}

double HeldRate(double rateMmPerYear) {
    if (!(rateMmPerYear > 0.0)) return 0.0;
    return std::min(rateMmPerYear, kMaxRateMmPerYear);
}

double ToRateUnit(double rateMmPerYear, const UnitContext& u) {
    return CorrosionRateInMpy(u.units) ? rateMmPerYear / kMmPerMil : rateMmPerYear;
}

}  // namespace corrosion
