// tarvex-engine calc WATERFILE [--reference]: one equilibrium calculation of a water
// as the single-water pipeline starts it: a reference pass at 25 C and, unless
// --reference, a results pass at the water's own conditions from the carbonate
// species the reference pass derived. Prints the 64 saturation results, the 38
// momentary-excess entries and the 64 analysis values as the engine stored them.
#include <cstring>

#include "engine/balancing_records.h"
#include "engine/calc_equilibrium.h"
#include "engine/inputs_records.h"
#include "engine/records.h"
#include "engine/results_records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_file.h"

namespace {

// The engine's calling convention for a water as entered.
void PrepareAnalysis(const WaterFileData& data) {
    currentAnalysis = data.analysis;
    unitCodes = data.units;
    reportingMode = data.reportingMode;
    alkalinityMode = data.alkalinityMode;
    float* values = currentAnalysis.values;
    values[AnalysisElement::kReportingMode] = static_cast<float>(data.reportingMode);
    values[AnalysisElement::kAlkalinityMode] = static_cast<float>(data.alkalinityMode);
    values[AnalysisElement::kSpeciesGiven] = data.alkalinityMode == 3 ? 1.0f : 0.0f;
}

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
    WaterFileData data{};
    const WaterFileStatus status = ReadWaterFile(path, data);
    if (!status.ok) {
        if (status.line > 0)
            std::fprintf(err, "%s: %s\n", path, status.message.c_str());
        else
            std::fprintf(err, "%s\n", status.message.c_str());
        return kExitBadInput;
    }
    PrepareAnalysis(data);
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
