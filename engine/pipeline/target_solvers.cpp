// The carbonate target solvers. The working unit is mg/L as CaCO3 (100.0894 g/mol
// of the CaCO3 ion pair): a cation and the alkalinity move together, one
// equivalent of each, as a carbonate mineral precipitates or dissolves.
#include "engine/pipeline/target_solvers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/pipeline/balancing_records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/carbonate/carbonate_species.h"
#include "engine/inputs/inputs_records.h"
#include "engine/saturation/results_records.h"
#include "engine/saturation/water_results_records.h"
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

enum class Move { kNone, kDown, kUp };

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

}  // namespace

void SolveCarbonateSaturation(const SolverCation& cation, uint16_t code, float& answer,
                              float target, float& phOut, SolverRecords& r,
                              const SolverServices& services) {
    float* v = r.analysis.values;
    const uint16_t unitCode = r.units.code[cation.unitItem];
    const uint16_t savedAlkalinityMode = r.alkalinityMode;
    const uint16_t savedCarbonateModel = r.carbonateModel;
    r.alkalinityMode = 1;

    double a = v[AnalysisElement::kAlkalinity];
    double c = CationToCaCO3(v[cation.element], unitCode, cation);
    double step = std::min(c, a) / 3.0;

    // First estimate: the saturation ratio grows with the product of cation and
    // carbonate, so scaling the cation by sqrt(t / SR) is the move of a water in
    // which both ions scale together.
    double sr = r.saturation[code];
    const double scale = sr == 0.0 ? 1.0 : std::fabs(target / sr);
    const double g = c * std::sqrt(scale);
    v[cation.element] = static_cast<float>(CaCO3ToCation(g, unitCode, cation));

    SolverSaved saved;
    SaveForSolver(r, saved);

    const float hco3 = r.currentHCO3;
    const float co3 = r.currentCO3;
    v[AnalysisElement::kBicarbonate] = hco3;
    v[AnalysisElement::kCarbonate] = co3;
    v[AnalysisElement::kAlkalinityEq] =
        hco3 / 61017.3f + co3 / 60009.3f + v[AnalysisElement::kCompanionPh] / 62025.3f;
    v[AnalysisElement::kTotalCarbonate] = v[AnalysisElement::kAlkalinityEq] + co3 / 60009.3f;

    float ph = v[AnalysisElement::kPh];
    if (r.currentHCO3 < kNoBicarbonate) {
        r.currentCO3 = 0.0f;
        r.acidDemand = kStartAlkalinity;
        v[AnalysisElement::kAlkalinity] = kStartAlkalinity;
        a = kStartAlkalinity;
        r.currentHCO3 = kStartBicarbonate;
        services.phFromAlk(ph, kStartAlkalinity);
    }

    Move last = Move::kNone;
    // A search that cannot move (no cation or no alkalinity to step by, or a step
    // too small to change the stored floats) repeats the previous trial's water bit
    // for bit; the engine would leave exactly what it left then, so that is taken
    // without running it.
    WaterAnalysis previousTrial{};
    WaterAnalysis previousResult{};
    bool havePreviousTrial = false;
    for (int trial = 0; trial < kMaxTrials; ++trial) {
        if (std::fabs(target - sr) <= target * kRelativeTolerance) break;
        if (sr >= target) {  // too much mineral: take cation and alkalinity out
            if (last == Move::kUp) step *= 0.5;
            if (step > c) step = c / 3.0;
            if (step > a) step = a / 3.0;
            a -= step;
            c -= step;
            last = Move::kDown;
        } else {  // too little: put them in
            if (last == Move::kDown && trial > 0) step *= 0.5;
            if (trial > 0) {
                if (step > c) step = c / 10.0;
                if (step > a) step = a / 10.0;
            }
            a += step;
            c += step;
            last = Move::kUp;
        }
        PrepareTrial(cation, a, c, unitCode, ph, r, services);
        if (havePreviousTrial &&
            std::memcmp(&previousTrial, &r.analysis, sizeof previousTrial) == 0) {
            r.analysis = previousResult;
            continue;
        }
        previousTrial = r.analysis;
        havePreviousTrial = true;
        sr = RunTrial(code, r, services);
        previousResult = r.analysis;
    }

    answer = static_cast<float>(g - c);
    r.alkalinityMode = savedAlkalinityMode;
    phOut = ph;
    RestoreAfterSolver(saved, r);
    // The solver leaves the user's carbonate model as it found it; its trials
    // run the closed model.
    r.carbonateModel = savedCarbonateModel;
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
