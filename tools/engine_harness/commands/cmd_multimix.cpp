// tarvex-engine multimix WATERFILE:PERCENT ...: the multi-mix blend of up to
// twelve waters. Each water file becomes a multi-mix source water with the given
// weight percent and the default residence time, and is computed as the program
// computes an entered water; MixWaters then blends them, and the command prints
// the weights it used, the blend's analysis (MW lines), results (SR, ME), corrosion
// rates (CR) and its pH control and dose figures. The waters of one workspace
// share one set of units: the files must agree on the reporting and alkalinity
// modes and on the unit of every item that more than one of them gives. A blend the driver refuses
// (no weights and no brine flows to take them from) leaves its message on the complaint stream and
// the exit code 1.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "input/records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/multimix/multimix.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_file.h"
#include "tools/engine_harness/water_file_items.h"
#include "tools/engine_harness/water_run.h"
#include "tools/engine_harness/whatif_setup.h"

namespace {

namespace AE = AnalysisElement;

// The residence time of a new workspace, seconds.
constexpr float kDefaultResidenceSeconds = 180.0f;

// "path:percent", split at the last colon; the percent is a finite number of at
// least 0.
bool ParseSource(const char* arg, std::string& path, float& percent) {
    const char* colon = std::strrchr(arg, ':');
    if (colon == nullptr || colon == arg || colon[1] == '\0') return false;
    char* end = nullptr;
    const double value = std::strtod(colon + 1, &end);
    if (*end != '\0' || !std::isfinite(value) || value < 0.0) return false;
    path.assign(arg, colon);
    percent = static_cast<float>(value);
    return true;
}

// The units of the workspace, gathered from the files: an item takes the unit of
// the first file that gives it. Returns "" or what does not fit.
struct WorkspaceUnits {
    UnitCodes codes{};
    bool claimed[UnitItem::kCount] = {};
    uint16_t reportingMode = 0;
    uint16_t alkalinityMode = 0;
};

std::string MergeUnits(const WaterFileData& data, bool first, WorkspaceUnits& units) {
    if (first) {
        units.reportingMode = data.reportingMode;
        units.alkalinityMode = data.alkalinityMode;
    } else if (data.reportingMode != units.reportingMode ||
               data.alkalinityMode != units.alkalinityMode) {
        return "the reporting or alkalinity mode differs from that of the first water file";
    }
    for (const WaterItem& item : WaterItems()) {
        if (item.unitItem < 0 || !data.given[item.element]) continue;
        const uint16_t code = data.units.code[item.unitItem];
        if (!units.claimed[item.unitItem]) {
            units.claimed[item.unitItem] = true;
            units.codes.code[item.unitItem] = code;
        } else if (units.codes.code[item.unitItem] != code) {
            return std::string(item.name) +
                   " is given in a unit other than in an earlier water file";
        }
    }
    return "";
}

// Stores the loaded water as source water j and computes it.
void EnterSourceWater(int j, float percent) {
    MultiMixState& m = multiMixState;
    m.sourceWaters[j] = currentAnalysis;
    m.weightPercent[j] = percent;
    m.residenceTime[j][ResidenceForm::kDisplayUnit] = kDefaultResidenceSeconds;
    m.residenceTime[j][ResidenceForm::kSeconds] = kDefaultResidenceSeconds;
    m.multiMixEntered[j] = 1;
    m.lastWaterIndex = j;
    m.editIndex = j;
    entryTemperature = currentAnalysis.values[AE::kTemperature];
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    CalcWaterAnalysis(0, mainWindowState.mainWindow);
}

void PrintRow(std::FILE* out, const char* tag, const float* values, int count) {
    for (int i = 0; i < count; ++i)
        std::fprintf(out, "%s %d %.9g\n", tag, i, static_cast<double>(values[i]));
}

void PrintBlend(std::FILE* out, int count) {
    const MultiMixBlend& b = multiMixBlend;
    std::fprintf(out, "multimix %d waters\n", count);
    for (int j = 0; j < count; ++j)
        std::fprintf(out, "weight %d %.9g\n", j + 1,
                     static_cast<double>(multiMixState.weightPercent[j]));
    std::fprintf(out, "ph %.9g\n", static_cast<double>(mixedWater.values[AE::kPh]));
    std::fprintf(out, "mean_residence_seconds %.9g\n", static_cast<double>(b.meanResidenceSeconds));
    std::fprintf(out, "acid_demand %.9g\n", static_cast<double>(b.blendAcidDemand));
    std::fprintf(out, "alkali_demand %.9g\n", static_cast<double>(b.blendAlkaliDemand));
    std::fprintf(out, "buffer_capacity %.9g\n", static_cast<double>(b.blendBufferCapacity));
    std::fprintf(out, "dose %.9g\n", static_cast<double>(b.blendDose));
    std::fprintf(out, "dose_status %d\n", b.blendDoseStatus);
    PrintRow(out, "MW", mixedWater.values, AE::kCount);
    PrintRow(out, "SR", b.blendResults, kSaturationResultCount);
    PrintRow(out, "ME", b.blendExcess, kMomentaryExcessCount);
    PrintRow(out, "CR", corrosionRates.mixed, kCorrosionModelCount);
}

}  // namespace

int CmdMultiMix(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.empty() || args.size() > static_cast<size_t>(kMultiMixWaterCount)) {
        std::fprintf(err, "multimix: give 1 to %d waters as WATERFILE:PERCENT\n",
                     kMultiMixWaterCount);
        return kExitUsage;
    }
    std::string paths[kMultiMixWaterCount];
    float percents[kMultiMixWaterCount] = {};
    WorkspaceUnits units;
    const int count = static_cast<int>(args.size());
    for (int j = 0; j < count; ++j) {
        if (!ParseSource(args[j], paths[j], percents[j])) {
            std::fprintf(err, "multimix: \"%s\" is not WATERFILE:PERCENT with a percent >= 0\n",
                         args[j]);
            return kExitUsage;
        }
        WaterFileData data{};
        if (ReadWaterFile(paths[j], data).ok) {
            if (const std::string misfit = MergeUnits(data, j == 0, units); !misfit.empty()) {
                std::fprintf(err, "%s: %s\n", paths[j].c_str(), misfit.c_str());
                return kExitBadInput;
            }
        }  // a file that cannot be read is reported by the loader below
    }

    ResetMultiMixRecords();
    ResetMixingProfileRecords();
    for (int j = 0; j < count; ++j) {
        const int status = LoadWaterFile(paths[j].c_str(), err);
        if (status != kExitOk) return status;
        unitCodes = units.codes;
        EnterSourceWater(j, percents[j]);
    }

    ReportDriverServicesTo(err);
    MixWaters(1, mainWindowState.mainWindow);
    StopReportingDriverServices();
    if (multiMixState.multiMixDone == 0) return kExitBadInput;  // refused; the message says why
    PrintBlend(out, count);
    return kExitOk;
}
