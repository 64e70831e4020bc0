// The two table models: CO2 corrosion after de Waard and Milliams with a
// temperature table of rate constants (CalcCorrRateCO2Kt), and the H2S-driven
// rate with the same fugacity coefficient and pH function (CalcCorrRateCO2Fug).
// Both are reduced by the protective scales the water would lay down: calcite,
// siderite and iron sulfide (mackinawite).
#include <algorithm>
#include <cmath>

#include "engine/corrosion/corrosion_models.h"

using namespace corrosion;

namespace {

double ScaleProtection(const CorrosionInputs& in) {
    return ProtectionFactor(in.saturation[IndexCode::kCalcite]) *
           ProtectionFactor(in.saturation[IndexCode::kMackinawite]) *
           ProtectionFactor(in.saturation[IndexCode::kSiderite]);
}

}  // namespace

double CalcCorrRateCO2Kt(const CorrosionInputs& in, double temperature, double ph, double pressure,
                         double pco2) {
    const UnitCodes& units = in.units.units;
    const double pressureBar = PressureBar(pressure, units.code[UnitItem::kPressure]);
    const double pco2Bar = PartialPressureBar(pco2, units.code[UnitItem::kGasCo2], pressureBar);
    // No CO2, no CO2 corrosion (a negative partial pressure has no meaning either).
    if (!(pco2Bar > 0.0)) return 0.0;
    const double temperatureC = TemperatureCelsius(temperature, units.code[UnitItem::kTemperature]);
    const double temperatureK = temperatureC + kKelvinOffset;

    const double fugacity = FugacityCoefficient(pressureBar, temperatureK) * pco2Bar;
    const double kt = RateConstant(temperatureC);
    const double phFactor = PhFunction(ph, temperatureC);
    // Correction of the rate's pressure dependence for the fugacity (80/19 base).
    const double fugacityCorrection = std::pow(80.0 / 19.0, 0.146 + 0.0324 * std::log10(fugacity));

    double rate;
    if (temperatureC > 20.0)
        rate = kt * std::pow(fugacity, 0.62) * fugacityCorrection * phFactor;
    else if (temperatureC > 5.0)
        rate = kt * std::pow(fugacity, 0.36) * fugacityCorrection * phFactor;
    else
        rate = kt * std::pow(fugacity, 0.36) * phFactor;

    rate = HeldRate(rate) * ScaleProtection(in);
    // This model holds its rate once more in the user's unit (0 to 10000 mpy).
    return HeldRate(ToRateUnit(rate, in.units));
}

double CalcCorrRateCO2Fug(const CorrosionInputs& in, double temperature, double ph, double pressure,
                          double ph2s) {
    if (in.analysis[AnalysisElement::kPH2S] == 0.0f) return 0.0;
    const UnitCodes& units = in.units.units;
    const double pressureBar = PressureBar(pressure, units.code[UnitItem::kPressure]);
    const double ph2sBar = PartialPressureBar(ph2s, units.code[UnitItem::kGasH2S], pressureBar);
    if (!(ph2sBar > 0.0)) return 0.0;
    const double temperatureC = TemperatureCelsius(temperature, units.code[UnitItem::kTemperature]);
    const double temperatureK = temperatureC + kKelvinOffset;

    const double fugacityCoefficient = FugacityCoefficient(pressureBar, temperatureK);
    // Temperature term, its correlation valid from 10 to 330 degrees C.
    const double t = std::clamp(temperatureC, 10.0, 330.0);
    const double s = 0.3993 * std::log(t) + 3477.0 / t - 24.912 + 0.0157 * t;
    const double temperatureTerm = std::exp(0.00198719 * s);

    double rate = std::pow(fugacityCoefficient * ph2sBar, 0.36) * temperatureTerm *
                  PhFunction(ph, temperatureC);
    if (!(rate > 0.0)) rate = 0.0;
    return ToRateUnit(HeldRate(rate * ScaleProtection(in)), in.units);
}

double CalcCorrRateCO2Kt(double temperature, double ph, double pressure, double pco2) {
    return CalcCorrRateCO2Kt(GlobalCorrosionInputs(), temperature, ph, pressure, pco2);
}

double CalcCorrRateCO2Fug(double temperature, double ph, double pressure, double ph2s) {
    return CalcCorrRateCO2Fug(GlobalCorrosionInputs(), temperature, ph, pressure, ph2s);
}
