// tarvex-engine water WATERFILE [--which surface|injection|formation] [--product
// PRODUCTFILE] [--solvers [--check-solvers]]: the full calculation of a stored
// water, as the program runs it when the user has entered the water: the water
// becomes the chosen stored water, CalcWaterAnalysis computes it (reference pass,
// balancing, results, corrosion rates, the dose of the product), and the command
// prints the stored water after balancing (SW lines), the results (SR, ME and AN
// lines as calc prints them), the four corrosion rates (CR lines) and the water's
// dose state. --solvers switches the carbonate target solvers on and adds one
// "solver" line per mineral with its answer (mg/L as CaCO3 to remove; N/A when the
// solver could not reach saturation) and how its search ended; --check-solvers
// also takes each answer out of the cation and the alkalinity of the last water
// the solvers started from and prints the mineral's saturation ratio there.
#include <cstring>
#include <memory>
#include <string>

#include "engine/carbonate/carbonate_species.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/engine_state_copy.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/stored_water.h"
#include "engine/pipeline/target_solvers.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "pages/records.h"
#include "shell/records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/product_file.h"
#include "tools/engine_harness/water_run.h"
#include "treatment/treatment_limits.h"

namespace {

// The residence time of a new workspace, seconds.
constexpr float kDefaultResidenceSeconds = 180.0f;

struct WaterChoice {
    const char* name;
    int32_t selector;
    int residenceIndex;
};
constexpr WaterChoice kWaterChoices[] = {
    {"surface", WaterSelector::kSurface, ResidenceWater::kSurface},
    {"injection", WaterSelector::kInjection, ResidenceWater::kInjection},
    {"formation", WaterSelector::kFormation, ResidenceWater::kFormation},
};

const WaterChoice* FindChoice(const char* name) {
    for (const WaterChoice& c : kWaterChoices)
        if (std::strcmp(name, c.name) == 0) return &c;
    return nullptr;
}

void PrintRow(std::FILE* out, const char* tag, const float* values, int count) {
    for (int i = 0; i < count; ++i)
        std::fprintf(out, "%s %d %.9g\n", tag, i, static_cast<double>(values[i]));
}

// The solver answers of the last RunCalculations, and with `check` the saturation
// ratio of each answer's water. The check runs solver trials on the last water
// the solvers started from and puts the engine back afterwards.
void PrintSolverAnswers(std::FILE* out, bool check) {
    auto state = std::make_unique<EngineStateCopy>();
    SaveEngineState(*state);
    const WaterAnalysis analysis = currentAnalysis;
    float answers[kTargetSolverRunCount];
    for (int i = 0; i < kTargetSolverRunCount; ++i) answers[i] = targetSolverAnswer[i];
    for (int i = 0; i < kTargetSolverRunCount; ++i) {
        const TargetSolverRun& run = kTargetSolverRuns[i];
        const auto outcome = static_cast<SolverOutcome>(targetSolverOutcome[i]);
        if (IsSolverNotReachable(answers[i])) {
            std::fprintf(out, "solver %s answer=N/A reason=\"%s\"\n", run.name,
                         SolverOutcomeText(outcome));
            continue;
        }
        std::fprintf(out, "solver %s answer=%.9g", run.name, static_cast<double>(answers[i]));
        if (check) {
            currentAnalysis = analysis;
            SolverRecords records = GlobalSolverRecords();
            const SolverServices services{CalcEquilibrium, pHFromAlk};
            const double ratio =
                SaturationAfterAnswer(*run.cation, run.mineral, answers[i], records, services);
            std::fprintf(out, " check_ratio=%.9g", ratio);
        }
        std::fputc('\n', out);
    }
    currentAnalysis = analysis;
    RestoreEngineState(*state);
}

}  // namespace

int CmdWater(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    const char* path = nullptr;
    const char* productPath = nullptr;
    const WaterChoice* choice = &kWaterChoices[0];
    bool solvers = false;
    bool checkSolvers = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (std::strcmp(args[i], "--which") == 0 && hasValue) {
            choice = FindChoice(args[++i]);
            if (choice == nullptr) {
                std::fprintf(err, "water: --which takes surface, injection or formation\n");
                return kExitUsage;
            }
        } else if (std::strcmp(args[i], "--solvers") == 0) {
            solvers = true;
        } else if (std::strcmp(args[i], "--check-solvers") == 0) {
            solvers = checkSolvers = true;
        } else if (std::strcmp(args[i], "--product") == 0 && hasValue) {
            productPath = args[++i];
        } else if (path == nullptr && args[i][0] != '-') {
            path = args[i];
        } else {
            std::fprintf(err, "water: unexpected argument \"%s\"\n", args[i]);
            return kExitUsage;
        }
    }
    if (path == nullptr) {
        std::fprintf(err, "water: give one water file\n");
        return kExitUsage;
    }

    // Both files are read before any record changes.
    auto product = std::make_unique<ProductTable>();
    if (productPath != nullptr) {
        const ProductFileStatus read = ReadHarnessProduct(productPath, *product);
        if (!read.ok) {
            std::fprintf(err, "%s%s%s\n", read.line > 0 ? productPath : "",
                         read.line > 0 ? ": " : "", read.message.c_str());
            return kExitBadInput;
        }
    }
    const int status = LoadWaterFile(path, err);
    if (status != kExitOk) return status;
    if (productPath != nullptr) {
        productTable = *product;
        resultStatus.productSelected = 1;
        productLoaded = 1;
        InstallTreatmentHooks();
    }

    // The water as the input form stores it: in the chosen stored record, entered at
    // its own temperature, with the residence time of a new workspace.
    StoredWater water{};
    if (!FindStoredWater(choice->selector, 0, water)) return kExitUsage;
    *water.analysis = currentAnalysis;
    entryTemperature = currentAnalysis.values[AnalysisElement::kTemperature];
    waterResidenceSeconds[choice->residenceIndex] = kDefaultResidenceSeconds;
    currentResidenceTime = kDefaultResidenceSeconds;
    residenceTimeAtSelect = kDefaultResidenceSeconds;
    mainWindowState.currentWater = choice->selector;
    resultStatus.runTargetSolvers = solvers ? 1 : 0;
    CalcWaterAnalysis(0, mainWindowState.mainWindow);

    std::fprintf(out, "water %s\n", choice->name);
    PrintRow(out, "SW", water.analysis->values, AnalysisElement::kCount);
    PrintRow(out, "SR", SaturationResults, kSaturationResultCount);
    PrintRow(out, "ME", MomentaryExcess, kMomentaryExcessCount);
    PrintRow(out, "AN", currentAnalysis.values, AnalysisElement::kCount);
    PrintRow(out, "CR", water.corrosion, kCorrosionModelCount);
    std::fprintf(out, "dose_done %d\n", IsDoseDone(water) ? 1 : 0);
    std::fprintf(out, "dose_status %d\n", *water.limitStatus);
    std::fprintf(out, "dose %.9g\n", static_cast<double>(*water.dose));
    if (solvers) PrintSolverAnswers(out, checkSolvers);
    return kExitOk;
}
