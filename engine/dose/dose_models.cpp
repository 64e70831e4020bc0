// The dose models of a product component. Kinds 0 to 2 are log-linear in a
// driver value (the value of the component's limit variable) with an
// Arrhenius-type temperature term and two depletion terms; kind 3 is log-linear
// in the dose inputs; kind 99 sums up to six terms of variable codes; kind 101 is
// an induction-time model of the treated scale's supersaturation. Doses are mg/L
// of product.
#include "engine/dose/dose_models.h"

#include <cmath>

namespace dose {

namespace {

constexpr double kGasConstantCal = 1.987;  // cal/(mol K)
constexpr double kLn10 = 2.303;            // the models' rounded ln 10
constexpr double kExponentLimit = 32.0;
constexpr double kDoseCeiling = 9999999.0;

double Coefficient(const ProductRecord& r, int n) {
    return r.c[n - 1];
}  // c1..c12

// The intercept of the log-linear models: c5 + c7 / RT when the intercept is
// stored as is (energyForm -1), else ln c5 + c7 / RT. A stored logarithm form
// needs a positive c5; without one the model has no value.
bool Intercept(const ProductRecord& r, double c5, double c7, double temperatureK, double& base) {
    const double energy = c7 / (kGasConstantCal * temperatureK);
    if (r.energyForm == -1) {
        base = c5 + energy;
        return true;
    }
    if (!(c5 > 0.0)) return false;
    base = std::log(c5) + energy;
    return true;
}

double ScaledDose(const ProductRecord& r, double dose) {
    return r.doseScale > 0.0f ? dose * r.doseScale : dose;
}

// A driver value against its upper limit: at or above it 2, above 90 % of it 1.
int16_t RateDriver(double v, double limit, int16_t status) {
    if (!(limit > 0.0)) return status;
    if (v >= limit) return 2;
    if (v > 0.9 * limit && status == 0) return 1;
    return status;
}

double LogDriverDose(const ComponentInputs& in, int16_t& status) {
    const ProductRecord& r = in.record;
    const double v = in.driver;
    status = RateDriver(v, r.driverLimit, status);
    const bool usable = r.modelKind == DoseModelKind::kLogDriverPlain ? v > 0.0 : v > 1.0;
    if (!usable) return 0.0;

    const double tK = in.temperatureK;
    const double c1 = Coefficient(r, 1), c2 = Coefficient(r, 2);
    // The second coefficient set applies above the driver's threshold c1 e^(c2/RT) + 1.
    const bool set1 = c1 != 0.0 && r.activesPercent != 0.0f &&
                      v > c1 * std::exp(c2 / (kGasConstantCal * tK)) + 1.0;
    const int s = set1 ? 1 : 0;
    const double c5 = Coefficient(r, 5 + s), c7 = Coefficient(r, 7 + s);
    const double c9 = Coefficient(r, 9 + s), c11 = Coefficient(r, 11 + s);

    double x = 0.0;
    if (!Intercept(r, c5, c7, tK, x)) return 0.0;
    if (in.variables.time > 0.0) x += c11 * std::log(in.variables.time);
    x += c9 * std::log(v);
    if (r.modelKind == DoseModelKind::kLogDriverPh)
        x += -kLn10 * in.entry.value[DoseInput::kPh] * r.c14;

    double dose = ScaledDose(r, LimitedExp(x));
    // Depletion: inhibitor consumed by iron (first) and by the second driver
    // above their thresholds, per unit of active concentration.
    const double first =
        (in.firstDriver - r.depletion1Threshold) * 0.001 * r.depletion1Rate / r.activeConc;
    if (first > 0.0) dose += first;
    const double second =
        (in.secondDriver - r.depletion2Threshold) * 0.001 * r.depletion2Rate / r.activeConc;
    if (second > 0.0) dose += second;
    return dose;
}

double LogTermsDose(const ComponentInputs& in) {
    const ProductRecord& r = in.record;
    const float* e = in.entry.value;
    double x = 0.0;
    if (!Intercept(r, Coefficient(r, 5), Coefficient(r, 7), in.temperatureK, x)) return 0.0;
    if (in.variables.time > 0.0) x += Coefficient(r, 11) * std::log(in.variables.time);
    if (e[DoseInput::kResultValue] > 0.0f)
        x += Coefficient(r, 9) * std::log(e[DoseInput::kResultValue]);
    if (e[DoseInput::kCalciteRatio] > 0.0f) x += r.c14 * std::log(e[DoseInput::kCalciteRatio]);
    if (e[DoseInput::kSilica] > 0.0f) x += r.c15 * std::log(e[DoseInput::kSilica]);
    if (r.ingredient1 > 0.0f && e[DoseInput::kCalciumPhosphateRatio] > 0.0f)
        x += r.c17 * std::log(e[DoseInput::kCalciumPhosphateRatio]);
    x -= kLn10 * e[DoseInput::kPh] * r.c16;
    return ScaledDose(r, LimitedExp(x));
}

// The ion ratio of the kinetic model: the scale's cation over its anion in moles
// (calcite Ca/HCO3, calcium sulfates Ca/SO4, code 72 Ba/SO4, magnesite by mass).
// Any other scale, or a missing ion, gives 1.
double KineticIonRatio(int treated, const float* res) {
    double cation = 0.0, anion = 0.0;
    switch (treated) {
        case IndexCode::kCalcite:
            cation = res[6] / 40.08;
            anion = res[13] / 61.0173;
            break;
        case IndexCode::kAnhydrite:
        case IndexCode::kGypsum:
            cation = res[6] / 40.08;
            anion = res[40] / 96.016;
            break;
        case 72:
            cation = res[38] / 137.34;
            anion = res[40] / 96.016;
            break;
        case IndexCode::kMagnesite:
            cation = res[8];
            anion = res[13];
            break;
        default:
            return 1.0;
    }
    return cation == 0.0 || anion == 0.0 ? 1.0 : cation / anion;
}

double KineticDose(const ComponentInputs& in) {
    const ProductRecord& r = in.record;
    const float* res = in.variables.analysis.results;
    // A treated code past the result slots has no saturation ratio: no dose.
    if (r.treatedIndex >= kSaturationResultCount) return 0.0;
    const double ratio = res[r.treatedIndex];
    if (!(ratio > 1.0)) return 0.0;
    double l = std::log10(ratio);
    if (std::fabs(l) < 0.0001) l = 0.01;
    const double tK = in.temperatureK;

    // Induction time: E = e^x.
    double x = Coefficient(r, 9) / ratio + Coefficient(r, 5) + Coefficient(r, 7) / tK +
               Coefficient(r, 11) / (ratio * tK);
    const double c3 = Coefficient(r, 3);
    if (c3 != 0.0) {
        const double ionicStrength =
            in.variables.analysis.analysis[AnalysisElement::kIonicStrength];
        x += ionicStrength > 0.0 ? c3 / (std::sqrt(ionicStrength) + 1.0) : c3;
    }
    double induction = std::exp(x);
    if (!(induction > 0.0)) induction = 1.0;

    double y = l * Coefficient(r, 10) + Coefficient(r, 6) + Coefficient(r, 8) / tK +
               in.entry.value[DoseInput::kPh] * Coefficient(r, 12) +
               Coefficient(r, 1) * std::log10(KineticIonRatio(r.treatedIndex, res));
    const double c4 = Coefficient(r, 4);
    if (c4 != 0.0) y += c4 / (l * tK);

    const double time = in.variables.time;
    if (!(time > 0.0)) return 0.0;
    const double dose = std::log(time / induction) / std::exp(y) / (r.activeConc * 1000.0);
    return std::isfinite(dose) && dose > 0.0 ? dose : 0.0;
}

// The coefficient of kind-99 term t: six f32 from model position 64 on.
double TermCoefficient(const ProductRecord& r, int t) {
    switch (t) {
        case 0:
            return r.c15;
        case 1:
            return r.c16;
        case 2:
            return r.c17;
        case 3:
            return r.termCoefficient4;
        case 4:
            return r.depletion2Rate;
        default:
            return r.depletion2Threshold;
    }
}

int16_t RateTerm(double v, float lower, float upper, int16_t status) {
    if (status == 2) return status;
    const bool lowerSet = lower != kUnsetLimit, upperSet = upper != kUnsetLimit;
    const bool nearUpper = v >= 0.9 * upper && v < upper;
    if (upperSet && !lowerSet) {
        if (status == 0 && nearUpper) return 1;
        if (v > upper) return 2;
    } else if (lowerSet && !upperSet) {
        if (lower != -1.0f && status == 0 && v < lower) return 2;
    } else if (lowerSet && upperSet) {
        if (status == 0 && nearUpper) return 1;
        if (v >= upper) return 2;
    }
    return status;
}

double TermListDose(const ComponentInputs& in, int16_t& status, int& lastTermCode) {
    const ProductRecord& r = in.record;
    double sum = r.c14;
    double previous = 0.0;
    bool noDose = false;
    for (int t = 0; t < kDoseTermCount && r.termTransform[t] != 0; ++t) {
        const int code = r.termCode[t];
        const double v = VariableValue(code, in.variables, previous);
        previous = v;
        lastTermCode = code;
        const double coefficient = TermCoefficient(r, t);
        bool inRange = true;
        switch (r.termTransform[t]) {
            case -1:
                sum += coefficient * v;
                break;
            case 1:
                inRange = v > 0.0;
                if (inRange) sum += coefficient * std::log(v);
                break;
            case 2:
                inRange = v > 1.0;
                if (inRange) sum += coefficient * std::log(v - 1.0);
                break;
            case 3:
                inRange = v > 0.0;
                if (inRange) sum += coefficient / v;
                break;
            case 4:
                inRange = v > 0.0;
                if (inRange) sum += coefficient / (kGasConstantCal * in.temperatureK);
                break;
            default:
                break;  // an unknown transform adds nothing
        }
        if (!inRange && in.doseMode == 0 && code == r.treatedIndex) noDose = true;
        if (r.termLower[t] == -1.0f && v == 0.0) noDose = true;
        status = RateTerm(v, r.termLower[t], r.termUpper[t], status);
    }
    double dose;
    switch (r.resultSwitch) {
        case 0:
        case 1:
        case 2:
            dose = LimitedExp(sum);
            break;
        case 3:
            dose = sum > 0.0 ? 1.0 / sum : 0.0;
            break;
        default:
            dose = sum > 0.0 ? sum : 0.0;
            break;
    }
    return noDose ? 0.0 : ScaledDose(r, dose);
}

}  // namespace

double LimitedExp(double x) {
    if (std::isnan(x)) return 0.0;
    if (x >= kExponentLimit) return kDoseCeiling;
    if (x <= -kExponentLimit) return 0.0;
    return std::exp(x);
}

ComponentDose EvaluateComponent(const ComponentInputs& in) {
    const ProductRecord& r = in.record;
    ComponentDose out{0.0, 0};
    // Every model divides by the active concentration somewhere (the depletion
    // terms, the kinetic dose); a component without one contributes no dose, and
    // a limit status only counts for a component with a dose.
    if (r.activeConc == 0.0f) return out;
    int lastTermCode = -1;
    switch (r.modelKind) {
        case DoseModelKind::kLogDriver:
        case DoseModelKind::kLogDriverPlain:
        case DoseModelKind::kLogDriverPh:
            out.dose = LogDriverDose(in, out.limitStatus);
            break;
        case DoseModelKind::kLogTerms:
            out.dose = LogTermsDose(in);
            break;
        case DoseModelKind::kKinetic:
            out.dose = KineticDose(in);
            break;
        case DoseModelKind::kTermList:
            out.dose = TermListDose(in, out.limitStatus, lastTermCode);
            break;
        default:
            break;  // kind 66 and unknown kinds: no dose
    }
    if (!std::isfinite(out.dose)) out.dose = 0.0;

    // The treated variable against the driver limit, unless a term just rated it.
    if (out.limitStatus <= 1 && r.driverLimit > 0.0f && lastTermCode != r.treatedIndex) {
        const double v = VariableValue(r.treatedIndex, in.variables, 0.0);
        if (v > r.driverLimit)
            out.limitStatus = 2;
        else if (v >= 0.9 * r.driverLimit && out.limitStatus == 0)
            out.limitStatus = 1;
    }
    return out;
}

}  // namespace dose
