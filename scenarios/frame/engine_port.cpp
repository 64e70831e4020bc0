// The engine operations of the what-if drivers and their defaults.
#include "scenarios/frame/engine_port.h"

#include "common/hook_table.h"
#include "engine/carbonate/ph_adjustment.h"
#include "engine/dose/inhibitor_dose.h"
#include "engine/pipeline/run_calculations.h"
#include "engine/speciation/calc_equilibrium.h"

namespace {

void EngineAdjustPh(float targetPh) {
    float ph = 0.0f;
    float alkalinity = 0.0f;
    AdjustpHToTarget(0, 1.0f, targetPh, ph, alkalinity);
}

int16_t EngineDose(DoseContext* doseInputs, float temperature, const float* driverValues,
                   float time, float* productDose) {
    return CalcInhibitorDosage(doseInputs, temperature, driverValues, time, productDose);
}

void EngineRunAnswersReplaced() {
    RunCalculationsAnswersReplaced(CalcEquilibrium);
}

void EngineSettlePhDose(float startPh, float targetPh) {
    (void)SettlepHDemandFromPh(startPh, targetPh);
}

void NoSettling(float /*startPh*/, float /*targetPh*/) {}

constexpr ScenarioEngine kEngine{RunCalculations, EngineAdjustPh, EngineDose,
                                 EngineRunAnswersReplaced, EngineSettlePhDose};
ScenarioEngine installed = kEngine;

}  // namespace

void InstallScenarioEngine(const ScenarioEngine& engine) {
    hooktable::InstallOverDefaults<&ScenarioEngine::runCalculations,
                                   &ScenarioEngine::adjustPhToTarget,
                                   &ScenarioEngine::calcInhibitorDosage>(installed, engine,
                                                                         kEngine);
    if (engine.runCalculationsAnswersReplaced != nullptr)
        installed.runCalculationsAnswersReplaced = engine.runCalculationsAnswersReplaced;
    else if (engine.runCalculations != nullptr)
        installed.runCalculationsAnswersReplaced = engine.runCalculations;
    else
        installed.runCalculationsAnswersReplaced = kEngine.runCalculationsAnswersReplaced;
    if (engine.settlePhDose != nullptr)
        installed.settlePhDose = engine.settlePhDose;
    else if (engine.runCalculations != nullptr)
        installed.settlePhDose = NoSettling;
    else
        installed.settlePhDose = kEngine.settlePhDose;
}

bool SettlesPhDoses() {
    return installed.settlePhDose != NoSettling;
}

void ResetScenarioEngine() {
    installed = kEngine;
}

const ScenarioEngine& CurrentScenarioEngine() {
    return installed;
}

const ScenarioEngine& DefaultScenarioEngine() {
    return kEngine;
}
