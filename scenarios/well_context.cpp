// Binding of the global records for one well-profile run.
#include "scenarios/well_context.h"

#include "engine/carbonate_records.h"
#include "engine/inputs_records.h"
#include "engine/records.h"
#include "engine/results_records.h"
#include "engine/speciation_records.h"
#include "graphs/records.h"
#include "input/records.h"

WellContext BindWellContext(win::HWND owner) {
    return WellContext{
        owner,
        surfaceWater,
        currentAnalysis,
        whatIfSettings,
        wellLogSpecs,
        GlobalUnitContext(),
        resultStatus,
        productTable,
        productActive,
        currentResidenceTime,
        corrosionTarget,
        doseFigure,
        graphProfileKind,
        EngineSettings{carbonateState, currentCO2, currentH2CO3, currentHCO3, currentCO3,
                       phBalanceSwitch, whatIfOptions, phControlSettings},
        WellEngineOutputs{SaturationResults, MomentaryExcess, dissolvedCO2Copy,
                          resultsCarbonate.acidityAsCaCO3, acidDemand, alkaliDemand, calcPassMode,
                          profileStepFlag},
        CarbonateSnapshot.surface,
        doseAnalysis,
        doseLimitState,
        treatmentStage.phosphateAdded,
        corrosionRates.last,
        driverSettingsBackup,
        residenceTimeAtLastRun,
        h2sOff,
        pco2ProfileFlag,
        wellProfiles,
        wellRunState,
        CurrentScenarioEngine(),
    };
}

WellDriver WellDriverOf(WellContext& c, WellKind kind) {
    uint16_t(&done)[3] = c.status.wellProfileDone;
    WellRunState& r = c.run;
    switch (kind) {
        case WellKind::kWellLog:
            return {kind, ViewOfWellTable(c.tables.wellLog, false), done[0],
                    r.wellProductAtLastRun, r.wellRanWithProduct};
        case WellKind::kFlash11:
            return {kind, ViewOfWellTable(c.tables.flash11, true), done[1],
                    r.flashProductAtLastRun, r.flashRanWithProduct};
        case WellKind::kFlash48:
        default:
            return {kind, ViewOfWellTable(c.tables.flash48, true), done[2],
                    r.flashProductAtLastRun, r.flashRanWithProduct};
    }
}
