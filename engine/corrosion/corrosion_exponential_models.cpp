// The two exponential models: an Arrhenius-type correlation of temperature,
// calcium, chloride, sulfate, carbonate and pH (CalcCorrRateArrhenius), and a
// correlation of the CO2 and H2S partial pressures in Pa with film terms for the
// protective scales (CalcCorrRateCO2H2S).
#include <algorithm>
#include <cmath>

#include "engine/corrosion/corrosion_models.h"

using namespace corrosion;

namespace {

// The Arrhenius exponent is bounded to +-32 before it is raised: e^32 (about
// 7.9e13 mm/yr) is already far beyond any real rate, and bounding keeps the rate
// continuous where a bare exponent would jump.
constexpr double kExponentBound = 32.0;

// Gas constant in cal/(mol K) of the Arrhenius term, and in J/(mol K) of the
// CO2/H2S correlation.
constexpr double kGasConstantCal = 1.987;
constexpr double kGasConstantJ = 8.31472;

constexpr double kPascalPerBar = 100000.0;

}  // namespace

double CalcCorrRateArrhenius(const CorrosionInputs& in, double temperature, double /*ph*/,
                             double /*pressure*/, double /*pco2*/) {
    const UnitCodes& units = in.units.units;
    const double temperatureK =
        TemperatureCelsius(temperature, units.code[UnitItem::kTemperature]) + kKelvinOffset;
    if (temperatureK == 0.0) return -1.0;

    // Activation energy 14367.757 cal/mol.
    double x = 20.472628 - 14367.757 / (kGasConstantCal * temperatureK);
    const double calciumMgL = in.saturation[6];
    if (calciumMgL > 0.0) x -= 0.31226346 * std::log(calciumMgL);
    const float chloride = in.analysis[AnalysisElement::kChloride];
    if (chloride > 0.0f) {
        const double chlorideMgL = ConvClUnits(chloride, in.units);
        if (chlorideMgL > 0.0) x += 0.31150988 * std::log(chlorideMgL);
    }
    const float sulfate = in.analysis[AnalysisElement::kSulfate];
    if (sulfate > 0.0f) {
        const double sulfateMgL = ConvSO4Units(sulfate, in.units);
        if (sulfateMgL > 0.0) x += 0.65435112 * std::log(sulfateMgL);
    }
    const double carbonateMgL = in.saturation[29];
    if (carbonateMgL > 0.0) x -= 0.7968486 * std::log(carbonateMgL);
    const float ph = in.analysis[AnalysisElement::kPh];
    if (ph > 0.0f) x += 0.41999707 * ph;

    if (std::isnan(x)) return 0.0;
    const double rate = std::exp(std::clamp(x, -kExponentBound, kExponentBound));
    return ToRateUnit(HeldRate(rate), in.units);
}

double CalcCorrRateCO2H2S(const CorrosionInputs& in, double temperature, double ph, double pressure,
                          double pco2, double ph2s) {
    const UnitCodes& units = in.units.units;
    const double temperatureK =
        TemperatureCelsius(temperature, units.code[UnitItem::kTemperature]) + kKelvinOffset;
    const double pressureBar = PressureBar(pressure, units.code[UnitItem::kPressure]);
    const double pco2Bar = PartialPressureBar(pco2, units.code[UnitItem::kGasCo2], pressureBar);
    const double ph2sBar = PartialPressureBar(ph2s, units.code[UnitItem::kGasH2S], pressureBar);
    if (pco2Bar == 0.0 && ph2sBar == 0.0) return 0.0;
    // A negative partial pressure has no logarithm: no rate.
    if (pco2Bar < 0.0 || ph2sBar < 0.0) return 0.0;

    const double co2Pa = pco2Bar * kPascalPerBar;
    const double h2sPa = ph2sBar * kPascalPerBar;
    const double calciteFilm = FilmTerm(in.saturation[IndexCode::kCalcite]);
    const double sulfideFilm = FilmTerm(in.saturation[IndexCode::kMackinawite]);

    double y;
    if (ph2sBar == 0.0) {
        if (!(temperatureK > 0.0)) return 0.0;
        // CO2 alone: activation energy 27548 J/mol.
        y = calciteFilm - 27548.0 / (kGasConstantJ * temperatureK) - 3.06 * ph +
            0.67 * std::log(co2Pa);
    } else {
        const double l = std::log(h2sPa);
        y = 10.0907 * l - 0.5632 * l * l + sulfideFilm;
        if (pco2Bar > 0.0)
            y += -3.1001 * std::log(co2Pa) + calciteFilm +
                 FilmTerm(in.saturation[IndexCode::kSiderite]);
    }
    if (std::isnan(y)) return 0.0;
    return ToRateUnit(HeldRate(std::exp(y)), in.units);
}

double CalcCorrRateArrhenius(double temperature, double ph, double pressure, double pco2) {
    return CalcCorrRateArrhenius(GlobalCorrosionInputs(), temperature, ph, pressure, pco2);
}

double CalcCorrRateCO2H2S(double temperature, double ph, double pressure, double pco2,
                          double ph2s) {
    return CalcCorrRateCO2H2S(GlobalCorrosionInputs(), temperature, ph, pressure, pco2, ph2s);
}
