// The what-if drivers on the global records, reset between cases, with a
// scripted engine that records how each pass was set up, recorders for the
// progress window and the message boxes, and a clock that the test moves.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/index_code.h"
#include "engine/balancing/balancing_records.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/tables/constants_records.h"
#include "engine/dose/dose_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/speciation/ph_solve_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/speciation/speciation_records.h"
#include "engine/dose/treatment_limits_hook.h"
#include "engine/saturation/water_results_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/unit_factor_records.h"
#include "input/unit_factor_table.h"
#include "pages/records.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/frame/engine_port.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/frame/whatif_records.h"
#include "shell/records.h"
#include "tests/engine/engine_world.h"
#include "treatment/records.h"

namespace driver_test {

namespace AE = AnalysisElement;

// One engine pass as the driver set it up.
struct Pass {
    float values[AE::kCount];
    uint16_t calcPassMode;
    uint16_t profileStepFlag;
    uint16_t phPredictionMethod;
    uint32_t phBalanceSwitch;
    bool answersReplaced;  // run through runCalculationsAnswersReplaced
};

struct Dose {
    DoseContext inputs;
    float temperature;
    float drivers[kDosedComponentCount];
    float time;
    float analysisPh;  // element 0 of the dose's analysis copy
    float phosphate;   // element 5 of the working analysis at the call
};

struct Script {
    std::vector<Pass> passes;
    std::vector<float> phTargets;
    std::vector<Dose> doses;
    std::vector<std::pair<int32_t, int32_t>> progress;  // percent, seconds to go
    int shows = 0;
    int closes = 0;
    std::vector<std::string> boxes;
    int answer = 0;         // the button every question gets
    uint32_t clock = 1000;  // whole seconds
    uint32_t secondsPerPass = 0;
    float phFromPco2 = 6.25f;  // the pH the engine gives a water with element 0 = -1
    float phosphateAdded = 0;  // first-ingredient amount each dose reports (mg/L)
    // A pass whose water is hotter than this does not settle: it comes to the
    // T.D.S. (1.0e+16) and conductivity (1.0e+30) of a water no water is.
    float unsettledAbove = 1.0e30f;
    // Above 0: a pass's own CO2 (mg/L) is this much an atmosphere of the
    // pCO2 it is given, as a gas dissolves it.
    float co2PerPco2Atm = 0.0f;
};
inline Script script;

// The scripted engine: results that follow the water's conditions, so that the
// stored rows show which pass they came from.
inline void ScriptedRun() {
    Pass p{};
    std::memcpy(p.values, currentAnalysis.values, sizeof p.values);
    p.calcPassMode = calcPassMode;
    p.profileStepFlag = profileStepFlag;
    p.phPredictionMethod = phControlSettings.phPredictionMethod;
    p.phBalanceSwitch = phBalanceSwitch;
    script.passes.push_back(p);
    script.clock += script.secondsPerPass;

    float* w = currentAnalysis.values;
    if (w[AE::kPh] == -1.0f) w[AE::kPh] = script.phFromPco2;
    const float n = static_cast<float>(script.passes.size());
    SaturationResults[0] = w[AE::kTemperature] / 10.0f;  // calcite follows the temperature
    SaturationResults[27] = 100.0f + n;                  // bicarbonate: the pass number
    SaturationResults[29] = 1.0f + w[AE::kPressure];
    SaturationResults[21] = w[AE::kPhosphate];  // barite stands in for the phosphate
    MomentaryExcess[0] = n;
    dissolvedCO2Copy = 3.0f;  // a copy no pass writes in earnest
    resultsCarbonate.acidityAsCaCO3 = 40.0f;
    resultsCarbonate.equilibriumCarbonicAcid = 200.0f + n;  // the pass's own CO2
    if (script.co2PerPco2Atm > 0.0f)
        resultsCarbonate.equilibriumCarbonicAcid = script.co2PerPco2Atm * w[AE::kPco2];
    resultsCarbonate.pco2Atm = 0.01f * n;
    SaturationResults[35] = 0.0f;
    if (w[AE::kTemperature] > script.unsettledAbove) {
        SaturationResults[35] = 1.0e16f;
        w[AE::kConductivity] = 1.0e30f;
    }
}

// The same pass for a driver that replaces its solver answers by its next pass.
inline void ScriptedRunAnswersReplaced() {
    ScriptedRun();
    script.passes.back().answersReplaced = true;
}

inline void ScriptedAdjust(float target) {
    script.phTargets.push_back(target);
    acidDemand = 2.0f * target;
    alkaliDemand = 0.0f;
}

inline int16_t ScriptedDose(DoseContext* inputs, float temperature, const float* drivers,
                            float time, float* dose) {
    Dose d{};
    d.inputs = *inputs;
    d.temperature = temperature;
    std::memcpy(d.drivers, drivers, sizeof d.drivers);
    d.time = time;
    d.analysisPh = doseAnalysis.analysis[AE::kPh];
    d.phosphate = currentAnalysis.values[AE::kPhosphate];
    script.doses.push_back(d);
    inputs->value[DoseInput::kIngredient1] = script.phosphateAdded;
    *dose = 12.5f;
    return 1;
}

inline int RecordShow() {
    ++script.shows;
    return 1;
}
inline void RecordProgress(int32_t percent, int32_t seconds) {
    script.progress.push_back({percent, seconds});
}
inline void RecordClose() {
    ++script.closes;
}
inline int ScriptedBox(win::HWND, const char* text, const char*, win::UINT style) {
    script.boxes.push_back(text);
    return (style & win::MB_TYPEMASK) == win::MB_YESNO ? script.answer : win::IDOK;
}
inline uint32_t ScriptedClock() {
    return script.clock;
}

// The bytes of every record a driver may write, to show that a refused or
// abandoned run changed none of them.
using WorldBytes = std::vector<uint8_t>;
template <typename T>
void AppendBytes(WorldBytes& out, const T& record) {
    const auto* p = reinterpret_cast<const uint8_t*>(&record);
    out.insert(out.end(), p, p + sizeof record);
}
inline WorldBytes TakeWorldBytes() {
    WorldBytes b;
    AppendBytes(b, whatIfResults);
    AppendBytes(b, driverSettingsBackup);
    AppendBytes(b, residenceTimeAtLastRun);
    AppendBytes(b, pco2ProfileFlagCopy);
    AppendBytes(b, currentAnalysis);
    AppendBytes(b, surfaceWater);
    AppendBytes(b, resultStatus);
    AppendBytes(b, SaturationResults);
    AppendBytes(b, MomentaryExcess);
    AppendBytes(b, carbonateState);
    AppendBytes(b, currentHCO3);
    AppendBytes(b, currentCO3);
    AppendBytes(b, currentH2CO3);
    AppendBytes(b, currentCO2);
    AppendBytes(b, phBalanceSwitch);
    AppendBytes(b, whatIfOptions);
    AppendBytes(b, phControlSettings);
    AppendBytes(b, graphProfileKind);
    AppendBytes(b, productActive);
    AppendBytes(b, doseAnalysis);
    AppendBytes(b, doseLimitState);
    AppendBytes(b, acidDemand);
    AppendBytes(b, alkaliDemand);
    AppendBytes(b, calcPassMode);
    AppendBytes(b, profileStepFlag);
    return b;
}

inline void ResetWorld() {
    test_world::ResetEngineWorld();
    ResetGraphsRecords();
    ResetScenarioRecords();
    ResetServiceHooks();
    ResetDriverServices();
    ResetScenarioEngine();
}

// Calls `run` once for every phosphate unit code 0 to 7 (7 has no row and is
// taken as PO4) in mg/L reporting and again in epm reporting, with those
// choices set in the global records.
template <typename Run>
void ForEachPhosphateUnit(Run run) {
    for (uint16_t mode : {ReportingMode::kMgPerL, ReportingMode::kEpm}) {
        for (uint16_t code = 0; code <= 7; ++code) {
            reportingMode = mode;
            unitCodes.code[UnitItem::kPhosphate] = code;
            SCOPED_TRACE("reporting mode " + std::to_string(mode) + ", phosphate unit " +
                         std::to_string(code));
            run();
        }
    }
    reportingMode = ReportingMode::kMgPerL;
    unitCodes.code[UnitItem::kPhosphate] = 0;
}

class DriverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetWorld();
        script = Script{};
        script.answer = win::IDNO;
        InstallScenarioEngine({ScriptedRun, ScriptedAdjust, ScriptedDose, nullptr, nullptr});
        InstallServiceHooks({RecordShow, RecordProgress, RecordClose, nullptr});
        InstallDriverServices({ScriptedBox, ScriptedClock, nullptr});

        test_world::UseMgPerLitre();
        float* s = surfaceWater.values;
        s[AE::kPh] = 7.4f;
        s[AE::kTemperature] = 30.0f;
        s[AE::kPressure] = 2.0f;
        s[AE::kPco2] = 0.1f;
        s[AE::kCalcium] = 400.0f;
        s[AE::kChloride] = 700.0f;
        s[AE::kPhosphate] = 1.0f;
        s[AE::kMAlkalinity] = 180.0f;
        whatIfSettings.temperatureLow = 60.0f;
        whatIfSettings.temperatureHigh = 200.0f;
        whatIfSettings.phLow = 6.0f;
        whatIfSettings.phHigh = 9.0f;
        whatIfSettings.pco2Low = 0.1f;
        whatIfSettings.pco2High = 0.7f;
        whatIfSettings.pressureLow = 1.0f;
        whatIfSettings.pressureHigh = 13.0f;
        whatIfSettings.phEval = 7.0f;
        whatIfSettings.pco2Eval = 0.2f;
        whatIfSettings.pressureEval = 5.0f;
        whatIfSettings.temperatureEval = 50.0f;
        residenceTimeAtSelect = 180.0f;
        waterResidenceSeconds[ResidenceWater::kSurface] = 240.0f;
        std::strcpy(productTable.records[0].fileName, "No File");
    }
    void TearDown() override { ResetWorld(); }

    // A product of one component treating calcite, as a loaded product file
    // leaves it.
    static void SelectProduct(const char* fileName) {
        std::strcpy(productTable.records[0].fileName, fileName);
        productTable.componentCount = 1;
        productTable.records[0].treatedIndex = IndexCode::kCalcite;
        resultStatus.productSelected = 1;
    }

    static int EnginePasses() { return static_cast<int>(script.passes.size()); }
    static int Doses() { return static_cast<int>(script.doses.size()); }
    static void ClearScript() {
        script.passes.clear();
        script.doses.clear();
        script.phTargets.clear();
        script.progress.clear();
        script.boxes.clear();
        script.shows = script.closes = 0;
    }
};

}  // namespace driver_test
