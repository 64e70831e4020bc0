// tarvex-engine calc WATERFILE [--reference]: one equilibrium calculation of a water
// as the single-water pipeline starts it: a reference pass at 25 C and, unless
// --reference, a results pass at the water's own conditions from the carbonate
// species the reference pass derived. Prints the 64 saturation results, the 38
// momentary-excess entries and the 64 analysis values as the engine stored them.
#include <cstring>

#include "engine/balancing/balancing_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_run.h"

namespace {

void RunReferencePass() {
    balanceAmount = 0.0f;
    calcPassMode = 0;
    cationAdded = 0;
    anionAdded = 0;
    CalcEquilibrium();
}

// A results pass after the reference pass: the carbonate species it derived are
// given, as the pipeline gives them.
void RunResultsPass() {
    float* values = currentAnalysis.values;
    referenceH2CO3 = values[AnalysisElement::kH2CO3];
    referenceHCO3 = values[AnalysisElement::kBicarbonate];
    referenceCO3 = values[AnalysisElement::kCarbonate];
    referenceDissolvedCo2 = referenceOutputs.dissolvedCarbonicAcid;
    values[AnalysisElement::kSpeciesGiven] = 1.0f;
    values[AnalysisElement::kAlkalinityMode] = 3.0f;
    balanceAmount = 0.0f;
    CalcEquilibrium();
}

}  // namespace

int CmdCalc(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    bool referenceOnly = false;
    const char* path = nullptr;
    for (char* arg : args) {
        if (std::strcmp(arg, "--reference") == 0) {
            referenceOnly = true;
        } else if (path == nullptr && arg[0] != '-') {
            path = arg;
        } else {
            std::fprintf(err, "calc: unexpected argument \"%s\"\n", arg);
            return kExitUsage;
        }
    }
    if (path == nullptr) {
        std::fprintf(err, "calc: give one water file\n");
        return kExitUsage;
    }
    const int status = LoadWaterFile(path, err);
    if (status != kExitOk) return status;
    RunReferencePass();
    if (!referenceOnly) RunResultsPass();
    for (int i = 0; i < kSaturationResultCount; ++i)
        std::fprintf(out, "SR %d %.9g\n", i, SaturationResults[i]);
    for (int i = 0; i < kMomentaryExcessCount; ++i)
        std::fprintf(out, "ME %d %.9g\n", i, MomentaryExcess[i]);
    for (int i = 0; i < AnalysisElement::kCount; ++i)
        std::fprintf(out, "AN %d %.9g\n", i, currentAnalysis.values[i]);
    return kExitOk;
}
