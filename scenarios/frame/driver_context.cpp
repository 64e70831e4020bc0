// Binding of the global records for one driver run.
#include "scenarios/frame/driver_context.h"

#include "engine/carbonate/carbonate_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciation_records.h"
#include "graphs/records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "pages/records.h"

DriverContext BindDriverContext(win::HWND owner) {
    return DriverContext{
        owner,
        surfaceWater,
        currentAnalysis,
        whatIfSettings,
        phControlSettings,
        GlobalUnitContext(),
        resultStatus,
        productTable,
        productActive,
        residenceTimeAtSelect,
        waterResidenceSeconds[ResidenceWater::kSurface],
        graphChoice,
        graphProfileKind,
        EngineSettings{carbonateState, currentCO2, currentH2CO3, currentHCO3, currentCO3,
                       phBalanceSwitch, whatIfOptions, phControlSettings},
        EngineOutputs{SaturationResults, MomentaryExcess, dissolvedCO2Copy,
                      resultsCarbonate.acidityAsCaCO3, resultsCarbonate.equilibriumCarbonicAcid,
                      resultsCarbonate.pco2Atm, engineInputs.pressureRaised, acidDemand,
                      alkaliDemand, calcPassMode, profileStepFlag, givenSpeciesPerKilogram,
                      referenceAlkalinity},
        CarbonateSnapshot.surface,
        WaterResults.surface,
        doseAnalysis,
        doseLimitState,
        whatIfResults,
        driverSettingsBackup,
        residenceTimeAtLastRun,
        h2sOff,
        pco2ProfileFlag,
        pco2ProfileFlagCopy,
        CurrentScenarioEngine(),
    };
}
