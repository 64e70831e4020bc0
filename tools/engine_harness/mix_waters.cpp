// Reading, matching and calculating the injection and formation waters.
#include "tools/engine_harness/mix_waters.h"

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/unit_factor_table.h"
#include "pages/records.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/records.h"
#include "tools/engine_harness/commands.h"
#include "tools/engine_harness/water_file_items.h"
#include "tools/engine_harness/water_run.h"

namespace {

namespace AE = AnalysisElement;

// The residence time of a new workspace, seconds.
constexpr float kDefaultResidenceSeconds = 180.0f;

// Degrees C from the temperature unit (0 F, 1 C, 2 K counted from 273.16).
double ToCelsius(double t, uint16_t unit) {
    switch (unit) {
        case TemperatureUnit::kFahrenheit:
            return (t - 32.0) * 5.0 / 9.0;
        case TemperatureUnit::kKelvin:
            return t - 273.16;
        default:
            return t;
    }
}
double FromCelsius(double c, uint16_t unit) {
    switch (unit) {
        case TemperatureUnit::kFahrenheit:
            return c * 9.0 / 5.0 + 32.0;
        case TemperatureUnit::kKelvin:
            return c + 273.16;
        default:
            return c;
    }
}

// psia from the pressure unit: atm = psia x 0.068046, bar = psia x 0.068948,
// kPa = bar x 100.
double ToPsia(double p, uint16_t unit) {
    switch (unit) {
        case PressureUnit::kAtm:
            return p / 0.068046;
        case PressureUnit::kBar:
            return p / 0.068948;
        case PressureUnit::kKPa:
            return p / 100.0 / 0.068948;
        default:
            return p;
    }
}
double FromPsia(double psia, uint16_t unit) {
    switch (unit) {
        case PressureUnit::kAtm:
            return psia * 0.068046;
        case PressureUnit::kBar:
            return psia * 0.068948;
        case PressureUnit::kKPa:
            return psia * 0.068948 * 100.0;
        default:
            return psia;
    }
}

int Complain(std::FILE* err, const char* path, const WaterFileStatus& s) {
    if (s.line > 0)
        std::fprintf(err, "%s: %s\n", path, s.message.c_str());
    else
        std::fprintf(err, "%s\n", s.message.c_str());
    return kExitBadInput;
}

// Stores the water as the input form does and calculates it in full.
void EnterAndCalculate(const WaterAnalysis& water, int32_t selector, int residenceIndex) {
    WaterAnalysis& stored = selector == WaterSelector::kInjection ? injectionWater : formationWater;
    stored = water;
    SetResultScaleFromDensity(stored.values);
    entryTemperature = water.values[AE::kTemperature];
    waterResidenceSeconds[residenceIndex] = kDefaultResidenceSeconds;
    currentResidenceTime = kDefaultResidenceSeconds;
    residenceTimeAtSelect = kDefaultResidenceSeconds;
    mainWindowState.currentWater = selector;
    CalcWaterAnalysis(0, mainWindowState.mainWindow);
}

}  // namespace

std::string MatchUnits(const WaterFileData& reference, WaterFileData& other) {
    if (other.reportingMode != reference.reportingMode)
        return "the two waters must be reported alike (the same reporting = in both files)";
    if (other.alkalinityMode != reference.alkalinityMode)
        return "the two waters must give their alkalinity alike (the same alkalinity_mode in both "
               "files)";
    WaterFileData matched = other;
    for (const WaterItem& item : WaterItems()) {
        if (item.unitItem < 0) continue;
        const uint16_t from = other.units.code[item.unitItem];
        const uint16_t to = reference.units.code[item.unitItem];
        if (from == to) continue;
        float& v = matched.analysis.values[item.element];
        if (item.element == AE::kTemperature) {
            v = static_cast<float>(FromCelsius(ToCelsius(v, from), to));
        } else if (item.element == AE::kPressure) {
            v = static_cast<float>(FromPsia(ToPsia(v, from), to));
        } else if (other.given[item.element]) {
            return std::string("the two waters give ") + item.name +
                   " in different units; give it in one unit in both files";
        }
    }
    matched.units = reference.units;
    other = matched;
    return "";
}

int LoadWaterflood(const char* injectionPath, const char* formationPath, std::FILE* err) {
    WaterFileData injection{};
    WaterFileData formation{};
    const WaterFileStatus si = ReadWaterFile(injectionPath, injection);
    if (!si.ok) return Complain(err, injectionPath, si);
    const WaterFileStatus sf = ReadWaterFile(formationPath, formation);
    if (!sf.ok) return Complain(err, formationPath, sf);
    const std::string why = MatchUnits(injection, formation);
    if (!why.empty()) {
        std::fprintf(err, "%s\n", why.c_str());
        return kExitBadInput;
    }

    // A fresh waterflood: nothing mixed from earlier waters counts as current.
    resultStatus.mixProfileDone = 0;
    for (uint16_t& done : resultStatus.mixGridDone) done = 0;
    ResetMixingRecords();
    InitUnitFactors();
    unitCodes = injection.units;
    reportingMode = injection.reportingMode;
    alkalinityMode = injection.alkalinityMode;
    EnterAndCalculate(injection.analysis, WaterSelector::kInjection, ResidenceWater::kInjection);
    EnterAndCalculate(formation.analysis, WaterSelector::kFormation, ResidenceWater::kFormation);
    return kExitOk;
}
