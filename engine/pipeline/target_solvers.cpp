// The carbonate target solvers. The working unit is mg/L as CaCO3 (100.0894 g/mol
// of the CaCO3 ion pair): a cation and the alkalinity move together, one
// equivalent of each, as a carbonate mineral precipitates or dissolves.
#include "engine/pipeline/target_solvers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/index_code.h"
#include "engine/balancing/balancing_records.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/carbonate/carbonate_species.h"
#include "engine/inputs/inputs_records.h"
#include "engine/saturation/results_records.h"
#include "engine/saturation/water_results_records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "input/records.h"

namespace {

constexpr double kCaCO3MolarMass = 100.0894;  // g/mol
constexpr double kCaCO3PerMeq = 50.0445;      // mg of CaCO3 per milliequivalent

constexpr int kMaxTrials = 500;
constexpr double kRelativeTolerance = 0.001;  // of the target saturation ratio

// A water with practically no bicarbonate (mg/L) starts the search from a
// nominal alkalinity of 100 mg/L as CaCO3, which is 121 mg/L of bicarbonate
// (100 x 61.0173 / 50.0445 = 121.9; the search only needs a start).
constexpr float kNoBicarbonate = 1e-05f;
constexpr float kStartAlkalinity = 100.0f;
constexpr float kStartBicarbonate = 121.0f;

}  // namespace

const SolverCation kSolverCalcium{AnalysisElement::kCalcium, UnitItem::kCalcium,
                                  kCaCO3MolarMass / 40.08, 2.4972405, kCaCO3MolarMass};
const SolverCation kSolverBarium{AnalysisElement::kBarium, UnitItem::kBarium,
                                 kCaCO3MolarMass / 137.34, 0.72877093, kCaCO3MolarMass};
const SolverCation kSolverStrontium{AnalysisElement::kStrontium, UnitItem::kStrontium,
                                    kCaCO3MolarMass / 87.62, 1.1423123, kCaCO3MolarMass};
const SolverCation kSolverMagnesium{AnalysisElement::kMagnesium, UnitItem::kMagnesium,
                                    kCaCO3MolarMass / 24.312, 4.1168723, kCaCO3MolarMass};
// Iron works in mg/L as CaCO3 like its sisters, both ways: the answer of every
// solver is an amount of alkalinity, and SaturationResults slot 55 holds the
// siderite answer as CaCO3.
const SolverCation kSolverIron{AnalysisElement::kIron, UnitItem::kIron, kCaCO3MolarMass / 55.8452,
                               kCaCO3MolarMass / 55.8452, kCaCO3MolarMass};

double CationToCaCO3(double value, uint16_t unitCode, const SolverCation& cation) {
    switch (unitCode) {
        case 0:
            return value * cation.code0Factor;
        case 2:
            return value * 10.0;
        case 3:
            return value * 17.83;
        case 4:
            return value * kCaCO3PerMeq;
        case 5:
            return value * cation.code5Factor;
        default:  // 1 is already as CaCO3; unknown codes are taken as they are
            return value;
    }
}

double CaCO3ToCation(double value, uint16_t unitCode, const SolverCation& cation) {
    switch (unitCode) {
        case 0:
            return value / cation.code0BackFactor;
        case 2:
            return value / 10.0;
        case 3:
            return value / 17.83;
        case 4:
            return value / kCaCO3PerMeq;
        case 5:
            return value / cation.code5Factor;
        default:
            return value;
    }
}

const TargetSolverRun kTargetSolverRuns[kTargetSolverRunCount] = {
    {&kSolverCalcium, IndexCode::kCalcite, 60, "calcite"},
    {&kSolverCalcium, IndexCode::kAragonite, 58, "aragonite"},
    {&kSolverIron, IndexCode::kSiderite, 55, "siderite"},
    {&kSolverBarium, IndexCode::kWitherite, 57, "witherite"},
    {&kSolverStrontium, IndexCode::kStrontianite, 51, "strontianite"},
    {&kSolverMagnesium, IndexCode::kMagnesite, 53, "magnesite"},
};

SolverRecords GlobalSolverRecords() {
    return {currentAnalysis, SaturationResults,
            alkalinityMode,  whatIfOptions.carbonateModel,
            currentHCO3,     currentCO3,
            currentH2CO3,    currentCO2,
            acidDemand,      balanceAmount,
            calcPassMode,    cationAdded,
            anionAdded,      referenceOutputs.dissolvedCarbonicAcid,
            unitCodes,       reportingMode};
}

bool TakeStartAlkalinityDemand(SolverRecords& r) {
    if (!(r.currentHCO3 < kNoBicarbonate)) return false;
    r.acidDemand = kStartAlkalinity;
    return true;
}

namespace {

// What a solver puts back when it ends.
struct SolverSaved {
    WaterAnalysis analysis;
    float saturation[kSaturationResultCount];
    float hco3, co3, h2co3, co2;
};

void SaveForSolver(const SolverRecords& r, SolverSaved& s) {
    s.analysis = r.analysis;
    std::memcpy(s.saturation, r.saturation, sizeof s.saturation);
    s.hco3 = r.currentHCO3;
    s.co3 = r.currentCO3;
    s.h2co3 = r.currentH2CO3;
    s.co2 = r.currentCO2;
}

void RestoreAfterSolver(const SolverSaved& s, SolverRecords& r) {
    r.analysis = s.analysis;
    std::memcpy(r.saturation, s.saturation, sizeof s.saturation);
    r.currentHCO3 = s.hco3;
    r.currentCO3 = s.co3;
    r.currentH2CO3 = s.h2co3;
    r.currentCO2 = s.co2;
}

// Sets up one trial: the water with alkalinity a and cation c (mg/L as CaCO3) at the
// pH of that alkalinity, given as total alkalinity (mode 1) for a reference pass.
void PrepareTrial(const SolverCation& cation, double a, double c, uint16_t unitCode, float& ph,
                  SolverRecords& r, const SolverServices& services) {
    float* v = r.analysis.values;
    v[AnalysisElement::kAlkalinity] = static_cast<float>(a);
    v[cation.element] = static_cast<float>(CaCO3ToCation(c, unitCode, cation));
    v[AnalysisElement::kMAlkalinity] = static_cast<float>(a);
    v[AnalysisElement::kPAlkalinity] = 0.0f;
    services.phFromAlk(ph, static_cast<float>(a));
    v[AnalysisElement::kPh] = ph;
    v[AnalysisElement::kAlkalinityMode] = 1.0f;
    v[AnalysisElement::kReportingMode] = static_cast<float>(r.reportingMode);
    v[AnalysisElement::kSpeciesGiven] = 0.0f;
}

// Runs a prepared trial: a reference pass, which derives the carbonate species,
// then a results pass on those species. Returns the mineral's saturation ratio.
double RunTrial(uint16_t code, SolverRecords& r, const SolverServices& services) {
    float* v = r.analysis.values;
    r.carbonateModel = 0;
    r.balanceAmount = 0.0f;
    r.calcPassMode = 0;
    r.cationAdded = 0;
    r.anionAdded = 0;
    services.calcEquilibrium();

    r.currentHCO3 = v[AnalysisElement::kBicarbonate];
    r.currentCO3 = v[AnalysisElement::kCarbonate];
    r.currentH2CO3 = v[AnalysisElement::kH2CO3];
    // Element 41 carries the trial's dissolved CO2 (mg/L as H2CO3) from here on.
    v[AnalysisElement::kCompanionPh] = r.engineDissolvedCo2;
    r.currentCO2 = r.engineDissolvedCo2;
    v[AnalysisElement::kSpeciesGiven] = 1.0f;
    v[AnalysisElement::kAlkalinityMode] = 3.0f;
    services.calcEquilibrium();
    return r.saturation[code];
}

// The start of a solver run (the first estimate written, the records saved, the
// carbonate set taken into the working analysis) and what its end puts back.
struct SolverStart {
    uint16_t unitCode;
    uint16_t savedAlkalinityMode;
    uint16_t savedCarbonateModel;
    double alkalinity;  // A, mg/L as CaCO3, after the start for a water without bicarbonate
    double cation;      // C as entered, mg/L as CaCO3
    float ph;
    SolverSaved saved;
};

void BeginSolver(const SolverCation& cation, uint16_t code, float target, SolverRecords& r,
                 const SolverServices& services, SolverStart& s) {
    float* v = r.analysis.values;
    s.unitCode = r.units.code[cation.unitItem];
    s.savedAlkalinityMode = r.alkalinityMode;
    s.savedCarbonateModel = r.carbonateModel;
    r.alkalinityMode = 1;

    s.alkalinity = v[AnalysisElement::kAlkalinity];
    s.cation = CationToCaCO3(v[cation.element], s.unitCode, cation);

    // First estimate: the saturation ratio grows with the product of cation and
    // carbonate, so scaling the cation by sqrt(t / SR) is the move of a water in
    // which both ions scale together. It stays in the cation element on return.
    const double sr = r.saturation[code];
    const double scale = sr == 0.0 ? 1.0 : std::fabs(target / sr);
    const double g = s.cation * std::sqrt(scale);
    v[cation.element] = static_cast<float>(CaCO3ToCation(g, s.unitCode, cation));

    SaveForSolver(r, s.saved);

    const float hco3 = r.currentHCO3;
    const float co3 = r.currentCO3;
    v[AnalysisElement::kBicarbonate] = hco3;
    v[AnalysisElement::kCarbonate] = co3;
    v[AnalysisElement::kAlkalinityEq] =
        hco3 / 61017.3f + co3 / 60009.3f + v[AnalysisElement::kCompanionPh] / 62025.3f;
    v[AnalysisElement::kTotalCarbonate] = v[AnalysisElement::kAlkalinityEq] + co3 / 60009.3f;

    s.ph = v[AnalysisElement::kPh];
    if (TakeStartAlkalinityDemand(r)) {
        r.currentCO3 = 0.0f;
        v[AnalysisElement::kAlkalinity] = kStartAlkalinity;
        s.alkalinity = kStartAlkalinity;
        r.currentHCO3 = kStartBicarbonate;
        services.phFromAlk(s.ph, kStartAlkalinity);
    }
}

void EndSolver(const SolverStart& s, SolverRecords& r) {
    r.alkalinityMode = s.savedAlkalinityMode;
    RestoreAfterSolver(s.saved, r);
    // The solver leaves the user's carbonate model as it found it; its trials
    // run the closed model.
    r.carbonateModel = s.savedCarbonateModel;
}

// A search never takes more than all but this share of the cation or the
// alkalinity out of the water. (Taking all of the alkalinity leaves a water whose pH from its
// alkalinity is meaningless, and so is every ratio computed at it.)
constexpr double kEmptied = 1e-6;
// No water holds a million mg/L of anything: a search that climbs past it has
// run away.
constexpr double kRunawayAmount = 1.0e6;

}  // namespace

const char* SolverOutcomeText(SolverOutcome outcome) {
    switch (outcome) {
        case SolverOutcome::kReached:
            return "saturation reached";
        case SolverOutcome::kNoCation:
            return "no cation to move";
        case SolverOutcome::kNoAlkalinity:
            return "no alkalinity to move";
        case SolverOutcome::kNoRatio:
            return "a trial water has no saturation ratio";
        case SolverOutcome::kStalled:
            return "the step no longer changes the water";
        case SolverOutcome::kTrialCap:
            return "500 trials without reaching saturation";
        case SolverOutcome::kRunaway:
            return "the amounts grew past any real water";
    }
    return "unknown";
}

namespace {

// The product of what is left of the cation and the alkalinity after d (mg/L as
// CaCO3) of both has left the water, and the d that leaves the product p: the
// smaller root of (c - d)(a - d) = p, which never takes all of either.
double AmountProduct(double c, double a, double d) {
    return (c - d) * (a - d);
}
double AmountForProduct(double c, double a, double p) {
    const double gap = a - c;
    return 0.5 * ((a + c) - std::sqrt(gap * gap + 4.0 * p));
}

// The ratio's response to the product in the log-log plane is held to this range
// (the ratio of a carbonate follows the cation and the carbonate ion, which follows
// the alkalinity somewhat faster than in proportion).
constexpr double kMinSlope = 0.2;
constexpr double kMaxSlope = 8.0;
// While no trial has been above the target, a step puts in at most this many
// times the larger of the last amount and the water's own.
constexpr double kMostGrowth = 10.0;

}  // namespace

SolverOutcome SolveCarbonateSaturation(const SolverCation& cation, uint16_t code, float& answer,
                                       float target, float& phOut, SolverRecords& r,
                                       const SolverServices& services) {
    SolverStart start;
    BeginSolver(cation, code, target, r, services, start);
    const double a0 = start.alkalinity;
    const double c0 = start.cation;
    double c = c0;
    float ph = start.ph;
    double sr = r.saturation[code];

    // The search runs on d, the amount of cation and alkalinity that leaves the
    // water. The ratio falls as d grows; it is taken to follow a power of the
    // product (c0 - d)(a0 - d), whose exponent the last two trials give (a secant
    // step in the logarithms). The steps stay inside the bracket the trials have
    // found; a step that would leave it halves it instead.
    const double most = std::min(c0, a0) * (1.0 - kEmptied);  // d never takes all
    double lo = -HUGE_VAL;  // the ratio is above the target here: d must grow
    double hi = most;       // ... and below it here: d must shrink
    // Before two trials give it, the exponent of a ratio that follows the cation and
    // the square of the alkalinity (the carbonate ion rises with the pH that the
    // alkalinity brings): 1 where the cation is scarce, 2 where the alkalinity is.
    double slope = (a0 + 2.0 * c0) / (a0 + c0);
    double d = 0.0;
    double dPrev = 0.0, logPrev = 0.0;  // the trial before the last
    bool havePrev = false;

    SolverOutcome outcome = SolverOutcome::kTrialCap;
    WaterAnalysis previousTrial{};
    for (int trial = 0; trial < kMaxTrials; ++trial) {
        if (std::fabs(target - sr) <= target * kRelativeTolerance) {
            outcome = SolverOutcome::kReached;
            break;
        }
        if (trial > 0 && !(sr > 0.0 && std::isfinite(sr))) {
            outcome = SolverOutcome::kNoRatio;
            break;
        }
        if (!(c0 > 0.0 && a0 > 0.0)) {
            outcome = c0 > 0.0 ? SolverOutcome::kNoAlkalinity : SolverOutcome::kNoCation;
            break;
        }
        double next;
        if (trial == 0) {
            // The first trial is the water as the trials see it (its pH from its
            // alkalinity): the ratio of its own results need not be that one.
            next = 0.0;
        } else {  // a trial with a ratio (the test above)
            const double logSr = std::log(sr);
            if (sr > target)
                lo = std::max(lo, d);
            else
                hi = std::min(hi, d);
            if (havePrev) {
                const double measured =
                    (logSr - logPrev) /
                    (std::log(AmountProduct(c0, a0, d)) - std::log(AmountProduct(c0, a0, dPrev)));
                if (std::isfinite(measured)) slope = std::clamp(measured, kMinSlope, kMaxSlope);
            }
            dPrev = d;
            logPrev = logSr;
            havePrev = true;
            // From the last trial, the product that the power law puts at the target.
            const double p =
                AmountProduct(c0, a0, d) * std::exp((std::log(target) - logSr) / slope);
            next = AmountForProduct(c0, a0, p);
        }
        if (trial > 0 && !(next > lo && next < hi)) {
            if (sr > target || !(next < hi)) {
                // Past the most that may leave, or back past a trial that was still
                // above the target: halve the bracket.
                next = 0.5 * ((std::isfinite(lo) ? lo : d) + hi);
            } else if (std::isfinite(lo)) {
                next = 0.5 * (lo + hi);
            } else {
                // Nothing above the target found yet: put in twice as much again.
                next = d - 2.0 * std::max(std::fabs(d), std::min(c0, a0) / 3.0);
            }
        }
        if (trial > 0 && !std::isfinite(lo)) {
            // Nothing above the target found yet: a trial far below it (a ratio
            // many decades short, as where the sulfide of a held pH2S takes the
            // alkalinity) grows by kMostGrowth at most, not by the runaway amount
            // its power law asks.
            next = std::max(next, d - kMostGrowth * std::max(std::fabs(d), std::min(c0, a0)));
        }
        if (trial > 0 && next == d) {
            outcome = SolverOutcome::kStalled;
            break;
        }
        d = next;
        c = c0 - d;
        const double a = a0 - d;
        if (c > kRunawayAmount || a > kRunawayAmount) {
            outcome = SolverOutcome::kRunaway;
            break;
        }
        PrepareTrial(cation, a, c, start.unitCode, ph, r, services);
        // A step too small to change the stored floats repeats the previous trial.
        if (trial > 0 && std::memcmp(&previousTrial, &r.analysis, sizeof previousTrial) == 0) {
            outcome = SolverOutcome::kStalled;
            break;
        }
        previousTrial = r.analysis;
        sr = RunTrial(code, r, services);
    }

    answer = outcome == SolverOutcome::kReached ? static_cast<float>(start.cation - c)
                                                : kSolverNotReachable;
    phOut = ph;
    EndSolver(start, r);
    return outcome;
}

double SaturationAfterAnswer(const SolverCation& cation, uint16_t code, float answer,
                             SolverRecords& r, const SolverServices& services) {
    SolverStart start;
    BeginSolver(cation, code, 1.0f, r, services, start);
    float ph = start.ph;
    PrepareTrial(cation, start.alkalinity - answer, start.cation - answer, start.unitCode, ph, r,
                 services);
    const double sr = RunTrial(code, r, services);
    EndSolver(start, r);
    return sr;
}

namespace {

void SolveOnGlobals(const SolverCation& cation, uint16_t code, float& answer, float target,
                    float& phOut) {
    SolverRecords records = GlobalSolverRecords();
    const SolverServices services{CalcEquilibrium, pHFromAlk};
    SolveCarbonateSaturation(cation, code, answer, target, phOut, records, services);
}

}  // namespace

void SolveCalciumSaturation(uint16_t code, float& answer, float target, float& phOut, const void*) {
    SolveOnGlobals(kSolverCalcium, code, answer, target, phOut);
}
void SolveIronSaturation(uint16_t code, float& answer, float target, float& phOut, const void*) {
    SolveOnGlobals(kSolverIron, code, answer, target, phOut);
}
void SolveBariumSaturation(uint16_t code, float& answer, float target, float& phOut, const void*) {
    SolveOnGlobals(kSolverBarium, code, answer, target, phOut);
}
void SolveStrontiumSaturation(uint16_t code, float& answer, float target, float& phOut,
                              const void*) {
    SolveOnGlobals(kSolverStrontium, code, answer, target, phOut);
}
void SolveMagnesiumSaturation(uint16_t code, float& answer, float target, float& phOut,
                              const void*) {
    SolveOnGlobals(kSolverMagnesium, code, answer, target, phOut);
}
