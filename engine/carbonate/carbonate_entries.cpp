// The carbonate and pH-control routines on the engine's global records: each
// entry binds the working analysis, the last reference pass's constants and the
// user's settings, and hands them to the routine that does the work.
#include "engine/carbonate/carbonate_records.h"
#include "engine/carbonate/carbonate_solvers.h"
#include "engine/carbonate/carbonate_species.h"
#include "engine/carbonate/ph_adjustment.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "input/records.h"

namespace {

PhAdjustContext GlobalAdjustContext() {
    return {currentAnalysis, carbonateState, phControlSettings, unitCodes,
            reportingMode,   surfaceWater,   injectionWater,    formationWater,
            acidDemand,      alkaliDemand,   dissolvedCO2Copy};
}

CarbonateContext GlobalCarbonateContext() {
    return {currentAnalysis,         carbonateState,  phControlSettings, unitCodes,
            reportingMode,           alkalinityMode,  userAlkCurve,      extrapolatedAlkCurve,
            savedCarbonateConstants, dissolvedCO2Copy};
}

}  // namespace

void AdjustpHToTarget(int16_t water, float /*ignored*/, float targetPh, float& pHInOut,
                      float& alkalinityOut) {
    PhAdjustContext ctx = GlobalAdjustContext();
    AdjustpHToTarget(ctx, whatIfOptions.carbonateModel, water, targetPh, pHInOut, alkalinityOut);
}

void AdjustpHClosedSystem(int16_t water, float /*ignored*/, float targetPh, float& pHInOut,
                          float& alkalinityOut) {
    PhAdjustContext ctx = GlobalAdjustContext();
    AdjustpHClosedSystem(ctx, water, targetPh, pHInOut, alkalinityOut);
}

void AdjustpHOpenSystem(int16_t water, float /*ignored*/, float targetPh) {
    PhAdjustContext ctx = GlobalAdjustContext();
    AdjustpHOpenSystem(ctx, water, targetPh);
}

int32_t CalcDemandOpenSystem(double startPh, double targetPh) {
    PhAdjustContext ctx = GlobalAdjustContext();
    return CalcDemandOpenSystem(ctx, startPh, targetPh);
}

int32_t CalcCO2Dose(float& doseOut, float targetPh, float alkalinity, float startPh) {
    return CalcCO2Dose(currentAnalysis, carbonateState, doseOut, targetPh, alkalinity, startPh);
}

int32_t CalcCO2DoseAlt(float& doseOut, float targetPh, float alkalinity, float startPh) {
    return CalcCO2DoseAlt(currentAnalysis, carbonateState, doseOut, targetPh, alkalinity, startPh);
}

bool SettlepHDemandFromPh(float startPh, float targetPh) {
    return SettlepHDemandOn(resultsCarbonate.system, startPh, targetPh);
}

bool SettlepHDemandOn(const SpeciatedCarbonate& pass, float startPh, float targetPh) {
    const auto start = AlkalinityMovedTo(pass, startPh);
    if (!start) return false;
    const auto demand = SettledDemand(pass, *start, targetPh);
    return demand && SettlepHDemandTo(*demand);
}

bool SettleCarbonDioxide(const ShownCarbonate& undosed, const ShownCarbonate& dosed) {
    PhAdjustContext ctx = GlobalAdjustContext();
    return SettleCarbonDioxide(ctx, undosed, dosed);
}

bool SettlepHDemandTo(double demand) {
    PhAdjustContext ctx = GlobalAdjustContext();
    return SettlepHDemand(ctx, whatIfOptions.carbonateModel, demand);
}

int32_t SetCarbonateSpecies(float carbonate, float bicarbonate, float carbonicAcid) {
    CarbonateContext ctx = GlobalCarbonateContext();
    return SetCarbonateSpecies(ctx, carbonate, bicarbonate, carbonicAcid);
}

int32_t CalcAlkFromSpecies(float carbonate, float bicarbonate) {
    CarbonateContext ctx = GlobalCarbonateContext();
    return CalcAlkFromSpecies(ctx, carbonate, bicarbonate);
}

int32_t CalcAlkAtpH(float ignored, float pH, float carbonate, float bicarbonate, float carbonicAcid,
                    float ignored2, float ignored3, float ignored4, float& result) {
    CarbonateContext ctx = GlobalCarbonateContext();
    return CalcAlkAtpH(ctx, ignored, pH, carbonate, bicarbonate, carbonicAcid, ignored2, ignored3,
                       ignored4, result);
}

int32_t SplitCarbonate(int32_t water, float pH, float carbonate, float bicarbonate,
                       float carbonicAcid, float& carbonateOut, float& bicarbonateOut,
                       float& carbonicAcidOut) {
    CarbonateContext ctx = GlobalCarbonateContext();
    return SplitCarbonate(ctx, water, pH, carbonate, bicarbonate, carbonicAcid, carbonateOut,
                          bicarbonateOut, carbonicAcidOut);
}

void EstimatepH(float& pHOut) {
    CarbonateContext ctx = GlobalCarbonateContext();
    EstimatepH(ctx, pHOut);
}

int32_t pHFromAlk(float& pHOut, float alkalinity) {
    return pHFromAlk(GlobalCarbonateContext(), pHOut, alkalinity);
}

int32_t SolveAlkForpH(float startPh, float targetPh, float startAlkalinity, float& alkalinityOut) {
    return SolveAlkForpH(GlobalCarbonateContext(), startPh, targetPh, startAlkalinity,
                         alkalinityOut);
}

int32_t SolvepHStep(float carbonicAcid, float bicarbonate, float carbonate, float& pHOut) {
    return SolvepHStep(carbonateState, carbonicAcid, bicarbonate, carbonate, pHOut);
}

int32_t SolvepHFromCarbonate(int32_t mode, float acidity, float alkalinity, float& pHOut) {
    return SolvepHFromCarbonate(carbonateState, mode, acidity, alkalinity, pHOut);
}
