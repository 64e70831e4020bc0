// The pH of the speciation: the pH a water starts from when its analysis gives
// none (predicted from the alkalinity or the carbonate species, or solved from
// the carbonate balance), the two pH-linear constants, and the step of the charge
// balance by pH that passes at changed conditions use.
#include <cmath>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_math.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/speciation/speciation_steps.h"
#include "engine/tables/power_of_ten.h"

namespace {

constexpr double kNeutralPh = 7.0;         // the pH of a method that cannot compute one
constexpr double kEqPerMgCaCO3 = 50.0445;  // mg of CaCO3 per meq
// Reactions of the carbonate system in the reaction table.
constexpr int kCarbonicAcid1 = 35;
constexpr int kCarbonicAcid2 = 68;
constexpr int kWater = 152;

double FiniteOrNeutral(double ph) {
    return std::isfinite(ph) ? ph : kNeutralPh;
}

// Method 4: the bicarbonate-carbonate pair and the second constant of carbonic acid.
double CarbonatePairPh(const SpeciationInputs& in, const SpeciesRecord* s, const double* k) {
    const double mHco3 = s[Sp::kHCO3].molality;
    if (mHco3 <= 0.0) return kNeutralPh;
    const double mCo3 = s[Sp::kCO3].molality;
    if (mCo3 <= 0.0) return MethodZeroPh(in, s, k);
    return -std::log10(k[kCarbonicAcid2]) -
           std::log10(mHco3 * s[Sp::kHCO3].gamma / (mCo3 * s[Sp::kCO3].gamma));
}

}  // namespace

double MethodZeroPh(const SpeciationInputs& in, const SpeciesRecord* s, const double* k) {
    const double mCo2 = s[Sp::kCO2].molality;
    if (mCo2 <= 0.0) return kNeutralPh;
    const double mHco3 = s[Sp::kHCO3].molality;
    double ph;
    if (mHco3 > 0.0) {
        ph = std::log10(mHco3 * s[Sp::kHCO3].gamma / (mCo2 * s[Sp::kCO2].gamma)) -
             std::log10(k[kCarbonicAcid1]);
    } else {
        ph = (in.co2SolubilityLog - std::log10(mCo2)) / 2.0;
    }
    return FiniteOrNeutral(ph);
}

// Empirical pH of production systems from the bicarbonate and the CO2 that the
// gas carries; t in degrees F, P in psia. The second form corrects the CO2
// partial pressure for fugacity and for its share between gas, oil and brine.
double ProductionSystemPh(const SpeciationInputs& in, const SpeciesRecord* s, double ionicStrength,
                          double sqrtI) {
    const double mHco3 = s[Sp::kHCO3].molality;
    if (mHco3 <= 0.0) return kNeutralPh;
    const double t = in.temperatureF;
    const double p = in.pressurePsia;
    const double qw = in.brineFlow * in.brineFactor;
    const double qo = in.oilFlow * in.oilFactor;
    const double qg = in.gasFlow * in.gasFactor;
    double y = 0.000138;
    if ((in.brineFlow > 0.0 || in.oilFlow > 0.0) && in.gasFlow > 0.0 && in.pco2Atm > 0.0 &&
        (in.brineFactor > 0.0 || in.oilFactor > 0.0)) {
        y = (qg * in.pco2Atm / in.pressureAtm) * 0.000138 / (3.04 * qo + qw);
        if (!(y > 0.0)) y = 0.000138;
    }
    double ph;
    if (in.oilFlow == 0.0 || in.gasFlow == 0.0 || in.pressureAtm == 0.0) {
        ph = std::log10(mHco3 / y) + 6.39 - 0.001198 * t + 7.94e-6 * t * t - 3.53e-5 * p -
             1.067 * sqrtI + 1.373 * ionicStrength;
    } else {
        const double tr = t + 460.0;
        const double fugacity = std::exp((0.000284 - 0.255 / tr) * p);
        const double gasCo2 = (qg * in.pco2Atm / in.pressureAtm) /
                              ((5.0 * qw + 10.0 * qo) * fugacity * 1e-5 * p + 1.0) / (qo * tr);
        ph = std::log10(mHco3 / (p * fugacity * gasCo2)) + 8.6 + 0.00531 * t - 2.253e-6 * t * t -
             2.237e-5 * p - 0.99 * sqrtI + 0.658 * ionicStrength;
    }
    return FiniteOrNeutral(ph);
}

double PredictPh(const SpeciationInputs& in, const SpeciesRecord* s, const double* k,
                 double totalAlkalinity) {
    switch (in.phPredictionMethod) {
        case 0:
            return MethodZeroPh(in, s, k);
        case 1: {
            // The user's pH-alkalinity curve. A logarithm of a non-positive
            // alkalinity has no value: such a water takes the neutral pH.
            const double x = totalAlkalinity;
            if (x <= 0.0) return kNeutralPh;
            const PhCurve& c = in.userCurve;
            return FiniteOrNeutral(c.linear * x + c.intercept + c.reciprocal / x +
                                   c.logSlope * std::log10(x));
        }
        case 2: {
            const double sqrtI =
                in.firstIonicStrength > 0.0 ? std::sqrt(in.firstIonicStrength) : 1e-5;
            return ProductionSystemPh(in, s, in.firstIonicStrength, sqrtI);
        }
        case 4:
            return FiniteOrNeutral(CarbonatePairPh(in, s, k));
        case 5: {
            const double x = totalAlkalinity;
            if (x <= 0.0) return kNeutralPh;
            return FiniteOrNeutral(1.43 * std::log10(x) + 4.5);
        }
        default:
            return kNeutralPh;
    }
}

double CarbonateSolvePh(const SpeciationInputs& in, const SpeciesRecord* s, const double* k,
                        double alkalinityElement, double currentPh) {
    if (in.varyPco2 != 0) return MethodZeroPh(in, s, k);
    const double perEq = in.molalDiv * kEqPerMgCaCO3;
    const double acid = in.phSolveAcidity / perEq;
    const double alk = in.phSolveAlkalinity / perEq;
    const double gammaH = s[Sp::kH].gamma;
    const double kw = k[kWater];
    // Hydrogen ion of a water whose only acid-base pair is water itself and its
    // alkalinity: the positive root of h^2 + Alk h - Kw = 0.
    const double quadraticPh =
        -std::log10((std::sqrt(4.0 * kw / gammaH + alk * alk) - alk) * gammaH / 2.0);
    if (std::fabs(in.phSolveAlkalinity + in.phSolveAcidity) < 1e-14 && in.phSolveMarker > 0.0) {
        return FiniteOrNeutral(quadraticPh);
    }
    double start = currentPh > 0.0 ? currentPh : MethodZeroPh(in, s, k);
    if (acid <= 0.0 || alk <= 0.0) {
        if (alkalinityElement == 0.0 || (acid > 0.0 && alk < 0.0)) {
            start = FiniteOrNeutral(quadraticPh);
        } else if (acid < 0.0) {
            start = alk > 0.0 ? 10.0 : kNeutralPh;
        }
    }
    double ph = start;
    if (in.solvePh != nullptr) {
        (void)in.solvePh(acid, alk, k[kCarbonicAcid1], k[kCarbonicAcid2], kw, gammaH, 0.0, 0.0, ph);
    }
    return FiniteOrNeutral(ph);
}

double SettleStartingPh(const SpeciationInputs& in, SpeciationRecords& rec, double waterActivity) {
    float* values = rec.analysis.values;
    const SpeciesRecord* s = rec.species;
    const double* k = rec.reactionK;
    double ph = values[AnalysisElement::kPh];
    if (in.profileStepFlag == 0 || in.pressureAtm <= 1.0) {
        if (ph > 0.0) return ph;
        values[AnalysisElement::kCompanionPh] = -1.0f;
        if (in.balanceHold == 0 && in.phPredictionMethod != 3) {
            ph = PredictPh(in, s, k,
                           carbonate::CurveAlkalinity(values[AnalysisElement::kAlkalinity],
                                                      in.reportingMode,
                                                      values[AnalysisElement::kResultScale]));
        } else {
            ph = CarbonateSolvePh(in, s, k, values[AnalysisElement::kAlkalinityEq], ph);
        }
        values[AnalysisElement::kPh] = ClampToFloat(ph);
        values[AnalysisElement::kCompanionPh] = -1.0f;
        return ph;
    }
    // A profile step under pressure: a given pH stays; otherwise the production
    // system estimate starts the carbonate solve from the bicarbonate and
    // alkalinity that the water's own calculation kept.
    if (ph >= 0.0) return ph;
    const double sqrtI = in.firstIonicStrength > 0.0 ? std::sqrt(in.firstIonicStrength) : 1e-5;
    ph = ProductionSystemPh(in, s, in.firstIonicStrength, sqrtI);
    const double mH = Exp10(-ph) / s[Sp::kH].gamma;
    const double mOH = waterActivity * k[kWater] * Exp10(ph) / s[Sp::kOH].gamma;
    const double acidity =
        in.keptBicarbonate / (61.0173 * in.molalDiv) + 2.0 * s[Sp::kCO2].molality + mH - mOH;
    const double alkalinity = in.keptAlkalinity / (kEqPerMgCaCO3 * in.molalDiv);
    if (in.solvePh != nullptr) {
        (void)in.solvePh(acidity, alkalinity, k[kCarbonicAcid1], k[kCarbonicAcid2], k[kWater],
                         s[Sp::kH].gamma, 0.0, 0.0, ph);
    }
    ph = FiniteOrNeutral(ph);
    values[AnalysisElement::kPh] = ClampToFloat(ph);
    values[AnalysisElement::kCompanionPh] = -1.0f;
    return ph;
}

void SetPhLinearConstants(double ph, double temperatureK, const ReactionTable& reactions,
                          double* reactionLogK, double* reactionK) {
    constexpr int kFirst = 157;
    constexpr int kSecond = 158;
    double logK1 = 1.68 * ph - 5.7;
    double logK2 = 1.52 * ph - 5.4;
    if (temperatureK > 313.16) {
        // van 't Hoff shift from 312.16 K: deltaH / (R ln 10), R in kcal/(mol K).
        const double span = 1.0 / temperatureK - 1.0 / 312.16;
        logK1 -= reactions.deltaH[kFirst] / 0.00457567406897148 * span;
        logK2 -= reactions.deltaH[kSecond] / 0.00457567406897148 * span;
    }
    reactionLogK[kFirst] = logK1;
    reactionLogK[kSecond] = logK2;
    reactionK[kFirst] = Exp10(logK1);
    reactionK[kSecond] = Exp10(logK2);
}

bool BalanceChargeByPh(double alkalinity, double reference, double& ph, double& step,
                       int32_t& direction, double& enginePh, uint32_t& phBoundUsed) {
    if (!(std::fabs(alkalinity - reference) > 0.0001 * std::fabs(alkalinity))) return false;
    if (enginePh > 0.0) {
        if (ph != enginePh) phBoundUsed = 1;
        if (alkalinity <= reference) {
            if (direction < 0) step *= 0.5;
            direction = 1;
            ph += step;
        } else {
            if (direction > 0) step *= 0.5;
            direction = -1;
            ph -= step;
        }
    } else {
        enginePh = ph;
    }
    return true;
}
