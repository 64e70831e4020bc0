// The what-if commands' shared start: the surface water, default ranges, and the
// drivers' progress and messages on the complaint stream.
#include "tools/engine_harness/whatif_setup.h"

#include <cstdlib>
#include <cstring>

#include "common/index_code.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "pages/records.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/profiles/profiles.h"
#include "shell/records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_run.h"
#include "treatment/records.h"

namespace {
namespace AE = AnalysisElement;

constexpr float kResidenceSeconds = 180.0f;  // a new workspace's residence time

std::FILE* reportTo = stderr;

int ShowProgress() {
    std::fputs("progress show\n", reportTo);
    return 1;
}
void StepProgress(int32_t percent, int32_t secondsToGo) {
    std::fprintf(reportTo, "progress %d %d\n", percent, secondsToGo);
}
void CloseProgress() {
    std::fputs("progress close\n", reportTo);
}
int ReportMessage(win::HWND, const char* text, const char* caption, win::UINT style) {
    std::fprintf(reportTo, "message %s: %s\n", caption, text);
    return (style & win::MB_TYPEMASK) == win::MB_YESNO ? win::IDNO : win::IDOK;
}

// 100 degrees C above `t` in the user's temperature unit.
float HundredDegreesAbove(float t) {
    return unitCodes.code[UnitItem::kTemperature] == TemperatureUnit::kFahrenheit ? t + 180.0f
                                                                                  : t + 100.0f;
}

}  // namespace

int PrepareSurfaceWater(const char* path, std::FILE* err) {
    const int status = LoadWaterFile(path, err);
    if (status != kExitOk) return status;
    resultStatus = ResultStatus{};
    ResetScenarioRecords();
    ResetTreatmentRecords();
    surfaceWater = currentAnalysis;
    entryTemperature = currentAnalysis.values[AE::kTemperature];
    waterResidenceSeconds[ResidenceWater::kSurface] = kResidenceSeconds;
    currentResidenceTime = residenceTimeAtSelect = kResidenceSeconds;
    mainWindowState.currentWater = WaterSelector::kSurface;
    // A file with nothing but a pH is a water never entered: it is stored without
    // the modes the loader put beside it, for the drivers to refuse.
    bool empty = true;
    for (int e = 1; e < AE::kCount; ++e) {
        const bool mode =
            e == AE::kReportingMode || e == AE::kSpeciesGiven || e == AE::kAlkalinityMode;
        if (!mode && surfaceWater.values[e] != 0.0f) empty = false;
    }
    if (empty) {
        const float ph = surfaceWater.values[AE::kPh];
        surfaceWater = WaterAnalysis{};
        surfaceWater.values[AE::kPh] = ph;
    } else {
        CalcWaterAnalysis(0, mainWindowState.mainWindow);
    }

    const float* v = surfaceWater.values;
    WhatIfSettings& s = whatIfSettings;
    s.phEval = v[AE::kPh];
    s.pco2Eval = v[AE::kPco2];
    s.pressureEval = v[AE::kPressure];
    s.temperatureEval = v[AE::kTemperature];
    s.phLow = 6.0f;
    s.phHigh = 9.0f;
    s.pco2Low = v[AE::kPco2] > 0.0f ? 0.5f * v[AE::kPco2] : 0.01f;
    s.pco2High = v[AE::kPco2] > 0.0f ? 2.0f * v[AE::kPco2] : 1.0f;
    s.pressureLow = v[AE::kPressure] > 0.0f ? v[AE::kPressure] : 1.0f;
    s.pressureHigh = 10.0f * s.pressureLow;
    s.temperatureLow = v[AE::kTemperature];
    s.temperatureHigh = HundredDegreesAbove(v[AE::kTemperature]);
    return kExitOk;
}

void ReportDriverServicesTo(std::FILE* err) {
    reportTo = err;
    InstallServiceHooks({ShowProgress, StepProgress, CloseProgress, nullptr});
    InstallDriverServices({ReportMessage, nullptr, nullptr});
}

void StopReportingDriverServices() {
    ResetServiceHooks();
    ResetDriverServices();
    reportTo = stderr;
}

void PrintPointLine(std::FILE* out, const PointLine& p) {
    const float* r = p.results;
    const float* c = p.corrosion;
    std::fprintf(out,
                 "%s %s ph=%.6g calcite=%.6g barite=%.6g celestite=%.6g gypsum=%.6g "
                 "corrosion=%.6g,%.6g,%.6g,%.6g acid=%.6g alkali=%.6g dose=%.6g status=%d\n",
                 p.label, p.axisText, p.analysis[AE::kPh], r[IndexCode::kCalcite],
                 r[IndexCode::kBarite], r[IndexCode::kCelestite], r[IndexCode::kGypsum], c[0], c[1],
                 c[2], c[3], p.acidDose, p.alkaliDose, p.dose, p.doseStatus);
}

bool ReadRangeOptions(const char* command, std::span<char* const> args, size_t first,
                      WhatIfRange& range, std::FILE* err) {
    const size_t argc = args.size();
    bool haveLow = false, haveHigh = false;
    for (size_t i = first; i < argc; ++i) {
        const bool low = std::strcmp(args[i], "--low") == 0;
        const bool high = std::strcmp(args[i], "--high") == 0;
        char* end = nullptr;
        if ((low || high) && i + 1 < argc) {
            const float value = std::strtof(args[i + 1], &end);
            if (end != args[i + 1] && *end == '\0') {
                (low ? range.low : range.high) = value;
                (low ? haveLow : haveHigh) = true;
                ++i;
                continue;
            }
        }
        std::fprintf(err, "%s: unexpected argument \"%s\"\n", command, args[i]);
        return false;
    }
    if (haveLow != haveHigh) {
        std::fprintf(err, "%s: give both --low and --high\n", command);
        return false;
    }
    range.given = haveLow;
    return true;
}

int RunSurfaceWaterGrid(bool pressure, std::FILE* err) {
    ReportDriverServicesTo(err);
    if (pressure)
        CalcGridPressTemp(0);
    else
        CalcGridpHTemp(0);
    StopReportingDriverServices();
    return (pressure ? resultStatus.gridDone2 : resultStatus.gridDone) == 0 ? kExitBadInput
                                                                            : kExitOk;
}
