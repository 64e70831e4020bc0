// Reading a water file into the engine's records and calculating it.
#include "tools/engine_harness/water_run.h"

#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/speciation/calc_equilibrium.h"
#include "input/unit_factor_table.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_file.h"

namespace {
constexpr double kWaterLbsPerGallon = 8.34;
}  // namespace

int LoadWaterFile(const char* path, std::FILE* err) {
    WaterFileData data{};
    const WaterFileStatus status = ReadWaterFile(path, data);
    if (!status.ok) {
        if (status.line > 0)
            std::fprintf(err, "%s: %s\n", path, status.message.c_str());
        else
            std::fprintf(err, "%s\n", status.message.c_str());
        return kExitBadInput;
    }
    InitUnitFactors();
    currentAnalysis = data.analysis;
    unitCodes = data.units;
    reportingMode = data.reportingMode;
    alkalinityMode = data.alkalinityMode;
    float* values = currentAnalysis.values;
    values[AnalysisElement::kReportingMode] = static_cast<float>(data.reportingMode);
    values[AnalysisElement::kAlkalinityMode] = static_cast<float>(data.alkalinityMode);
    values[AnalysisElement::kSpeciesGiven] = data.alkalinityMode == 3 ? 1.0f : 0.0f;
    SetResultScaleFromDensity(values);
    return kExitOk;
}

void SetResultScaleFromDensity(float* values) {
    // A given density scales the mass results, in g/mL, as the water form hands
    // it on (without one the results stay unscaled).
    const float density = values[AnalysisElement::kDensity];
    if (density > 0.0f)
        values[AnalysisElement::kResultScale] =
            unitCodes.code[UnitItem::kDensity] == 1
                ? static_cast<float>(density / kWaterLbsPerGallon)
                : density;
}

int CalculateWaterFile(const char* path, std::FILE* err) {
    const int status = LoadWaterFile(path, err);
    if (status != kExitOk) return status;
    float* values = currentAnalysis.values;
    // A results pass at the water's own temperature and pressure, from its pH.
    calcPassMode = 1;
    referencePh = values[AnalysisElement::kPh];
    CalcEquilibrium();
    return kExitOk;
}

bool HaveSaturationResults() {
    for (float v : SaturationResults)
        if (v != 0.0f) return true;
    return false;
}
