// Moving the carbonate system of a water to another pH at constant total
// carbonate or at constant dissolved CO2, and the CO2 that lowers the pH.
#include "engine/carbonate/carbonate_shift.h"

#include <cmath>

#include "engine/carbonate/carbonate_math.h"
#include "engine/tables/power_of_ten.h"

namespace {

using namespace carbonate;

// Hydrogen and hydroxide ion (mol/L) and the carbonate fractions at one pH.
struct PhPoint {
    double h;
    double oh;
    Fractions f;
};

bool Positive(double x) {
    return x > 0.0 && std::isfinite(x);
}

// A target pH a few float steps from the start pH is the start pH: an axis
// built by adding its step lands on the water's own pH only to about 1e-6,
// and a hot alkaline water's hydroxide moves by thousands of mg/L a pH, which
// would dose a pH the page cannot show apart from the water's own.
double TargetPh(double startPh, double targetPh) {
    return std::fabs(targetPh - startPh) < kSamePh ? startPh : targetPh;
}

std::optional<PhPoint> PointAt(const CarbonateState& c, double pH) {
    const double h = HydrogenConc(pH, c.gammaH);
    const double oh = HydroxideConc(pH, c.kw, c.gammaOH);
    if (!Positive(h) || !Positive(oh)) return std::nullopt;
    return PhPoint{h, oh, FractionsAt(h, c.k1, c.k2)};
}

CarbonateSpecies SpeciesOf(double totalCarbonate, const Fractions& f) {
    return {f.a0 * kH2co3MgPerMol * totalCarbonate, f.a1 * kHco3MgPerMol * totalCarbonate,
            f.a2 * kCo3MgPerMol * totalCarbonate};
}

// Carbonate alkalinity plus OH- minus H+, eq/L.
double AlkalinityEq(const CarbonateSpecies& s, const PhPoint& p) {
    return s.carbonate / kCo3MgPerEq + s.bicarbonate / kHco3MgPerMol + p.oh - p.h;
}

}  // namespace

double TotalAlkalinityAsCaCO3(const CarbonateState& constants, double carbonateMg,
                              double bicarbonateMg, double pH) {
    const double h = HydrogenConc(pH, constants.gammaH);
    const double oh = HydroxideConc(pH, constants.kw, constants.gammaOH);
    return (carbonateMg / kCo3MgPerEq + bicarbonateMg / kHco3MgPerMol) * kCaCO3MgPerEq +
           oh * kCaCO3MgPerEq - h * kCaCO3MgPerEq;
}

std::optional<ClosedSystemShift> ShiftClosedSystem(const CarbonateState& constants,
                                                   const CarbonateSpecies& given, double startPh,
                                                   double typedTargetPh) {
    if (!UsableConstants(constants)) return std::nullopt;
    const double targetPh = TargetPh(startPh, typedTargetPh);
    const auto start = PointAt(constants, startPh);
    const auto target = PointAt(constants, targetPh);
    if (!start || !target) return std::nullopt;

    ClosedSystemShift out{};
    out.totalCarbonate = TotalCarbonate(given.carbonate, given.bicarbonate, given.h2co3);
    const double ct = out.totalCarbonate;
    out.startAlkalinity =
        TotalAlkalinityAsCaCO3(constants, given.carbonate, given.bicarbonate, startPh);
    // The alkalinity the water loses on its way to the target: bicarbonate and
    // carbonate turned into H2CO3, hydroxide neutralised, hydrogen ion added.
    out.demand = ((start->f.a1 - target->f.a1) * ct + 2.0 * (start->f.a2 - target->f.a2) * ct +
                  (start->oh - target->oh) - (start->h - target->h)) *
                 kCaCO3MgPerEq;
    out.target = SpeciesOf(ct, target->f);
    out.targetAlkalinity =
        TotalAlkalinityAsCaCO3(constants, out.target.carbonate, out.target.bicarbonate, targetPh);
    return out;
}

std::optional<OpenSystemShift> ShiftOpenSystem(const CarbonateState& constants,
                                               const CarbonateSpecies& given, double startPh,
                                               double typedTargetPh) {
    if (!UsableConstants(constants)) return std::nullopt;
    const double targetPh = TargetPh(startPh, typedTargetPh);
    const auto start = PointAt(constants, startPh);
    const auto target = PointAt(constants, targetPh);
    if (!start || !target || !Positive(target->f.a0)) return std::nullopt;

    OpenSystemShift out{};
    out.startTotalCarbonate = TotalCarbonate(given.carbonate, given.bicarbonate, given.h2co3);
    out.start = SpeciesOf(out.startTotalCarbonate, start->f);
    out.startAlkalinity = AlkalinityEq(out.start, *start);
    // H2CO3 is held by the gas phase, so total carbonate follows a0.
    out.targetTotalCarbonate = out.startTotalCarbonate * start->f.a0 / target->f.a0;
    out.target = SpeciesOf(out.targetTotalCarbonate, target->f);
    out.targetAlkalinity = AlkalinityEq(out.target, *target);
    out.demand = (out.startAlkalinity - out.targetAlkalinity) * kCaCO3MgPerEq;
    return out;
}

std::optional<CarbonateShares> SharesMovedTo(const SpeciatedCarbonate& pass, double pH) {
    const double ct = pass.co2 + pass.bicarbonate + pass.carbonate;
    if (!Positive(ct) || !std::isfinite(pass.ph) || !std::isfinite(pH)) return std::nullopt;
    // r = aH at pH over aH at the pass's pH.
    const double r = Exp10(pass.ph - pH);
    const double weights = pass.co2 * r + pass.bicarbonate + pass.carbonate / r;
    if (!Positive(weights)) return std::nullopt;
    return CarbonateShares{pass.co2 * r / weights, pass.bicarbonate / weights,
                           pass.carbonate / r / weights};
}

std::optional<double> AlkalinityMovedTo(const SpeciatedCarbonate& pass, double pH) {
    const auto shares = SharesMovedTo(pass, pH);
    if (!shares || !Positive(pass.perLitre)) return std::nullopt;
    const double r = Exp10(pass.ph - pH);
    const double ct = pass.co2 + pass.bicarbonate + pass.carbonate;
    const double eq = ct * (shares->bicarbonate + 2.0 * shares->carbonate) +
                      pass.hydroxide / r - pass.hydrogen * r;
    const double alkalinity = eq * pass.perLitre;
    if (!std::isfinite(alkalinity)) return std::nullopt;
    return alkalinity;
}

double CO2DoseMolPerL(const CarbonateState& constants, double targetPh, double alkalinity,
                      double startPh) {
    const double k1 = constants.k1;
    const double k2 = constants.k2;
    const double kw = constants.kw;
    const double a = alkalinity / 50000.0;
    auto balance = [&](double h) {
        const double r = (h / k1 + 1.0) / (k2 / h + 1.0);
        return (h - kw / h) * (r + 1.0) + r * a;
    };
    return balance(Exp10(-targetPh)) - balance(Exp10(-startPh));
}
