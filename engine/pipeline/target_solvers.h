// Carbonate target solvers: for six carbonate minerals, how much of the mineral's
// cation, together with an equal amount of alkalinity (both in mg/L as CaCO3),
// must leave the water (positive) or may still enter it (negative) for the
// mineral to be just saturated. Each solver moves the cation and the total
// alkalinity of the working analysis together, reruns the equilibrium calculation
// and watches the mineral's saturation ratio, stepping by secant steps on the
// logarithms of the ratio and of the product of the two amounts inside the
// bracket its trials have found, then puts the water, the results and the
// carbonate set back. A search that cannot reach saturation answers
// kSolverNotReachable (engine/records.h) and says why in its outcome.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "engine/records.h"

// One cation: where it sits in the analysis and the unit choice that governs it,
// and its conversions between the user's unit and mg/L as CaCO3. Unit codes: 0
// mg/L as the ion (x code0Factor, back / code0BackFactor), 1 as CaCO3 (as is), 2
// x 10, 3 x 17.83, 4 meq/L (x 50.0445), 5 mmol/L (x code5Factor both ways); any
// other code is taken as it is.
struct SolverCation {
    int element;   // AnalysisElement
    int unitItem;  // UnitCodes entry
    double code0Factor;
    double code0BackFactor;
    double code5Factor;
};

extern const SolverCation kSolverCalcium;
extern const SolverCation kSolverIron;
extern const SolverCation kSolverBarium;
extern const SolverCation kSolverStrontium;
extern const SolverCation kSolverMagnesium;

double CationToCaCO3(double value, uint16_t unitCode, const SolverCation& cation);
double CaCO3ToCation(double value, uint16_t unitCode, const SolverCation& cation);

// What a solver reads and writes.
struct SolverRecords {
    WaterAnalysis& analysis;
    float (&saturation)[kSaturationResultCount];
    uint16_t& alkalinityMode;
    uint16_t& carbonateModel;
    // The current carbonate set, mg/L.
    float& currentHCO3;
    float& currentCO3;
    float& currentH2CO3;
    float& currentCO2;
    float& acidDemand;
    // The words a reference pass starts from.
    float& balanceAmount;
    uint16_t& calcPassMode;
    uint16_t& cationAdded;
    uint16_t& anionAdded;
    // The dissolved CO2 (mg/L as H2CO3) that the engine's reference pass leaves.
    const float& engineDissolvedCo2;
    const UnitCodes& units;
    uint16_t reportingMode;
};

// What a solver calls: one equilibrium calculation of the working analysis, and
// the pH of an alkalinity by the user's prediction method (-1 and the pH
// unchanged when it gives none).
struct SolverServices {
    void (*calcEquilibrium)();
    int32_t (*phFromAlk)(float& ph, float alkalinity);
};

SolverRecords GlobalSolverRecords();

// The six solver runs of RunCalculations in their order: the solver's cation, the
// mineral, the SaturationResults slot that receives the answer, and the mineral's
// name.
struct TargetSolverRun {
    const SolverCation* cation;
    uint16_t mineral;
    int answerSlot;
    const char* name;
};
constexpr int kTargetSolverRunCount = 6;
extern const TargetSolverRun kTargetSolverRuns[kTargetSolverRunCount];

// How a solver run ended.
enum class SolverOutcome : uint16_t {
    kReached = 0,   // the ratio is within 0.1 % of the target
    kNoCation,      // no cation to move
    kNoAlkalinity,  // no alkalinity to move
    kNoRatio,       // a trial water gave no saturation ratio
    kStalled,       // the step no longer changes the water
    kTrialCap,      // 500 trials without reaching the target
    kRunaway,       // the amounts grew past any real water
};
// A short reason for the outcome, for the harness and the logs.
const char* SolverOutcomeText(SolverOutcome outcome);

// One solver run for mineral `code` (its slot in SaturationResults) and target
// saturation ratio `target`. `answer` receives the entered cation less the cation
// at which the search ended (positive: remove; negative: add), mg/L as CaCO3, or
// kSolverNotReachable; `phOut` the pH of the last trial.
SolverOutcome SolveCarbonateSaturation(const SolverCation& cation, uint16_t code, float& answer,
                                       float target, float& phOut, SolverRecords& records,
                                       const SolverServices& services);

// The saturation ratio of mineral `code` in the trial water of an answer: the
// solver's start with the answer taken out of the cation and the alkalinity (as a
// solver trial computes it). Leaves the records as a solver run leaves them.
double SaturationAfterAnswer(const SolverCation& cation, uint16_t code, float answer,
                             SolverRecords& records, const SolverServices& services);

// The one record a solver run leaves changed besides its answer: a water with
// practically no bicarbonate (below 1e-5 mg/L) starts its search from an
// alkalinity of 100 mg/L as CaCO3, and `acidDemand` keeps that 100. True for such
// a water.
bool TakeStartAlkalinityDemand(SolverRecords& records);

// The five solvers on the global records and the equilibrium calculation. The
// last argument is not used.
void SolveCalciumSaturation(uint16_t code, float& answer, float target, float& phOut,
                            const void* unused = nullptr);
void SolveIronSaturation(uint16_t code, float& answer, float target, float& phOut,
                         const void* unused = nullptr);
void SolveBariumSaturation(uint16_t code, float& answer, float target, float& phOut,
                           const void* unused = nullptr);
void SolveStrontiumSaturation(uint16_t code, float& answer, float target, float& phOut,
                              const void* unused = nullptr);
void SolveMagnesiumSaturation(uint16_t code, float& answer, float target, float& phOut,
                              const void* unused = nullptr);
