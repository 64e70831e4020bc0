// Properties of pure water that the activity model, the ion product and the
// pressure floor of the engine need.
#include "engine/tables/water_properties.h"

#include <bit>
#include <cmath>
#include <cstdint>

double WaterDensityForActivity(double temperatureC) {
    // tau is the distance below the critical temperature, 374.11 C. Past it the fit
    // has no meaning; tau = 0 gives 1 / 3.1975 = 0.313 g/cm3, the critical density.
    double tau = 374.11 - temperatureC;
    if (tau < 0.0) tau = 0.0;
    const double tauCubeRoot = std::cbrt(tau);
    const double tau2 = tau * tau;
    const double numerator = 1.0 + 0.1342489 * tauCubeRoot - 0.003946263 * tau;
    const double denominator =
        3.1975 - 0.3151548 * tauCubeRoot - 0.001203374 * tau + 7.48908e-13 * tau2 * tau2;
    return numerator / denominator;
}

double DielectricConstant(double temperatureC, double temperatureK) {
    if (temperatureK < 373.16) {
        const double t = temperatureC;
        return 87.74 - 0.4008 * t + 0.0009398 * t * t - 0.00000141 * t * t * t;
    }
    const double k = temperatureK;
    return 5321.0 / k + 233.76 - 0.9297 * k + 0.001417 * k * k - 0.0000008292 * k * k * k;
}

void DebyeHuckelFromProperties(double density, double dielectric, double temperatureK,
                               double& a, double& b) {
    const double sqrtDensity = std::sqrt(density);
    const double sqrtEpsT = std::sqrt(dielectric * temperatureK);
    b = 50.29 * sqrtDensity / sqrtEpsT;
    a = 1824600.0 * sqrtDensity / (sqrtEpsT * sqrtEpsT * sqrtEpsT);
}

int CalcDebyeHuckelAB(double temperatureK, double /*unused*/, double& a, double& b) {
    const double t = temperatureK - 273.16;
    DebyeHuckelFromProperties(WaterDensityForActivity(t), DielectricConstant(t, temperatureK),
                              temperatureK, a, b);
    return 0;
}

double WaterDensityForKw(double temperatureC) {
    // Tanaka et al. (2001) form of the density of water at 1 atm, maximum near 3.98 C.
    const double t = temperatureC;
    const double d = t - 3.9863;
    return 1.0 - (t + 288.9414) / (508929.2 * (t + 68.12963)) * d * d;
}

double LogKwMarshallFranck(double temperatureK, double density) {
    const double invT = 1.0 / temperatureK;
    const double invT2 = invT * invT;
    return -4.098 - 3245.2 * invT + 223620.0 * invT2 - 39840000.0 * invT2 * invT +
           (13.957 - 1262.3 * invT + 856410.0 * invT2) * std::log10(density);
}

namespace {

float SatPressureOf(float temperatureK) {
    // IAPWS-IF97, region 4, equations 30 and 31, with the standard's coefficients n1..n10.
    constexpr double n1 = 0.11670521452767e4;
    constexpr double n2 = -0.72421316598320e6;
    constexpr double n3 = -0.17073846940092e2;
    constexpr double n4 = 0.12020824702470e5;
    constexpr double n5 = -0.32325550322333e7;
    constexpr double n6 = 0.14915108613530e2;
    constexpr double n7 = -0.48232657361591e4;
    constexpr double n8 = 0.40511340542057e6;
    constexpr double n9 = -0.23855557567849;
    constexpr double n10 = 0.65017534844798e3;
    constexpr double kCriticalTemperatureK = 647.096;
    constexpr double kCriticalPressureMPa = 22.064;

    const double t = temperatureK;
    if (!(t > 0.0)) return 0.0f;  // also NaN
    if (t >= kCriticalTemperatureK) return static_cast<float>(kCriticalPressureMPa);
    const double theta = t + n9 / (t - n10);
    const double a = theta * theta + n1 * theta + n2;
    const double b = n3 * theta * theta + n4 * theta + n5;
    const double c = n6 * theta * theta + n7 * theta + n8;
    const double ratio = 2.0 * c / (-b + std::pow(b * b - 4.0 * a * c, 0.5));
    return static_cast<float>(std::pow(ratio, 4.0));
}

// The saturation pressures of the last few temperatures, each known by the bits of
// its temperature: a water's passes, and waters or profile points taken in turn,
// meet the same few.
struct KeptSatPressures {
    static constexpr int kSlots = 9;
    uint32_t temperature[kSlots] = {};
    float pressure[kSlots] = {};
    bool held[kSlots] = {};
    int next = 0;
};
KeptSatPressures keptSatPressures;

}  // namespace

float CalcWaterSatPressure(float temperatureK) {
    KeptSatPressures& kept = keptSatPressures;
    const uint32_t bits = std::bit_cast<uint32_t>(temperatureK);
    for (int k = 0; k < KeptSatPressures::kSlots; ++k)
        if (kept.held[k] && kept.temperature[k] == bits) return kept.pressure[k];
    const float pressure = SatPressureOf(temperatureK);
    const int k = kept.next;
    kept.next = k + 1 < KeptSatPressures::kSlots ? k + 1 : 0;
    kept.temperature[k] = bits;
    kept.pressure[k] = pressure;
    kept.held[k] = true;
    return pressure;
}
