// Definitions of the chemistry engine's fixed global records.
#include "engine/records.h"

#include <cstring>

ThermoTables thermoTables;
ReactionTable& reactionTable = thermoTables.reactions;
SpeciesTable& speciesTable = thermoTables.species;
uint16_t speciesTableFilled;
uint32_t thermoTablesGeneration;

double reactionLogK[kReactionCount];
double reactionK[kReactionCount];
SpeciesRecord SpeciesState[kSpeciesCount];

WaterAnalysis currentAnalysis;
WaterAnalysis surfaceWater;
WaterAnalysis injectionWater;
WaterAnalysis formationWater;
WaterAnalysis mixedWater;

UnitCodes unitCodes;
uint16_t reportingMode;
uint16_t alkalinityMode;

ResultStatus resultStatus;

float SaturationResults[kSaturationResultCount];
float MomentaryExcess[kMomentaryExcessCount];

CarbonateState carbonateState;

void ResetEngineRecords() {
    std::memset(&thermoTables, 0, sizeof thermoTables);
    ++thermoTablesGeneration;
    speciesTableFilled = 0;
    std::memset(reactionLogK, 0, sizeof reactionLogK);
    std::memset(reactionK, 0, sizeof reactionK);
    std::memset(SpeciesState, 0, sizeof SpeciesState);
    currentAnalysis = surfaceWater = injectionWater = formationWater = mixedWater = WaterAnalysis{};
    unitCodes = UnitCodes{};
    reportingMode = 0;
    alkalinityMode = 0;
    resultStatus = ResultStatus{};
    std::memset(SaturationResults, 0, sizeof SaturationResults);
    std::memset(MomentaryExcess, 0, sizeof MomentaryExcess);
    carbonateState = CarbonateState{};
}
