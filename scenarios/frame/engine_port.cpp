// The engine operations of the what-if drivers and their defaults.
#include "scenarios/frame/engine_port.h"

#include "common/hook_table.h"
#include "engine/carbonate/ph_adjustment.h"
#include "engine/dose/inhibitor_dose.h"
#include "engine/pipeline/run_calculations.h"
#include "engine/records.h"
#include "engine/speciation/calc_equilibrium.h"

namespace {

void EngineAdjustPh(float targetPh) {
    // The dose starts where the demand does, at the surface water's pH: a dose
    // of carbon dioxide is then the CO2 the water takes, as in the mixes, not
    // the alkalinity that CO2 moves.
    float ph = surfaceWater.values[AnalysisElement::kPh];
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

void EngineAdjustPhFrom(float startPh, float targetPh) {
    // The working analysis's own pH is where the dose starts (water 3).
    currentAnalysis.values[AnalysisElement::kPh] = startPh;
    float ph = startPh;
    float alkalinity = 0.0f;
    AdjustpHToTarget(3, 1.0f, targetPh, ph, alkalinity);
}

void StandInAdjustPhFrom(float startPh, float targetPh);

constexpr ScenarioEngine kEngine{RunCalculations, EngineAdjustPh, EngineDose,
                                 EngineRunAnswersReplaced, EngineSettlePhDose,
                                 EngineAdjustPhFrom};
ScenarioEngine installed = kEngine;

void StandInAdjustPhFrom(float /*startPh*/, float targetPh) {
    installed.adjustPhToTarget(targetPh);
}

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
    if (engine.adjustPhFrom != nullptr)
        installed.adjustPhFrom = engine.adjustPhFrom;
    else if (engine.adjustPhToTarget != nullptr || engine.runCalculations != nullptr)
        installed.adjustPhFrom = StandInAdjustPhFrom;
    else
        installed.adjustPhFrom = kEngine.adjustPhFrom;
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
